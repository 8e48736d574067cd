#include "ui/skin.h"

#include "afx/atlimage.h"

namespace skin {
namespace {

constexpr int kLogPixelsX = LOGPIXELSX;  // 88
constexpr int kLogPixelsY = LOGPIXELSY;  // 90

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

void CopyBitmap(CDC& dc, HBITMAP bitmap, int x, int y) {
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc)) return;
    SIZE size = BitmapSize(bitmap);
    HGDIOBJ old = memory.SelectObject(bitmap);
    dc.BitBlt(x, y, size.cx, size.cy, &memory, 0, 0, SRCCOPY);  // copied, never blended
    memory.SelectObject(old);
}

}  // namespace

void SkinBitmap::reset(HBITMAP bitmap) {
    if (m_hBitmap) DeleteObject(m_hBitmap);
    m_hBitmap = bitmap;
}

int MeasureScreenResolution(HWND dialog, int current) {
    HDC display = GetDC(dialog);
    CDC memory;
    CDC screen;
    screen.Attach(display);
    int dpi = current;
    if (memory.CreateCompatibleDC(&screen)) {
        int x = memory.GetDeviceCaps(kLogPixelsX);
        int y = memory.GetDeviceCaps(kLogPixelsY);
        if (x == y) dpi = x;
    }
    screen.Detach();
    ReleaseDC(dialog, display);
    return dpi;
}

HBITMAP LoadSkinBitmap(const std::string& installDir, const char* name) {
    std::string path = installDir + "\\Img\\" + name;
    CImage image;
    if (FAILED(image.Load(path.c_str()))) return nullptr;
    return image.Detach();
}

void PaintSkinnedPage(CDC& dc, const RECT& client, HBITMAP logo) {
    dc.FillSolidRect(&client, kPageBackground);
    if (!logo) return;
    SIZE size = BitmapSize(logo);
    Point at = LogoPosition(client.right, client.bottom, size.cx, size.cy);
    CopyBitmap(dc, logo, at.x, at.y);
}

void PaintBackground(CDC& dc, HBITMAP background) {
    if (background) CopyBitmap(dc, background, 0, 0);
}

HBRUSH ControlColor(CDC* dc, bool skinned, HBRUSH defaultBrush) {
    if (!skinned) return defaultBrush;
    dc->SetTextColor(kLabelText);
    dc->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

}  // namespace skin
