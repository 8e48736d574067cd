#include "ui/skin.h"

#include "afx/atlimage.h"

#include <cstdlib>
#include <cstring>
#include <optional>

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

// The file a picture was decoded from, as the file system describes it.
struct PictureStamp {
    std::string path;
    DWORD sizeHigh = 0, sizeLow = 0;
    FILETIME written = {};

    bool operator==(const PictureStamp& other) const {
        return sizeHigh == other.sizeHigh && sizeLow == other.sizeLow &&
               CompareFileTime(&written, &other.written) == 0 &&
               lstrcmpiA(path.c_str(), other.path.c_str()) == 0;
    }
};

std::optional<PictureStamp> StampOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return std::nullopt;
    return PictureStamp{path, data.nFileSizeHigh, data.nFileSizeLow, data.ftLastWriteTime};
}

// A new DIB section with the header, colours and pixels of SOURCE, a top-down DIB section as the
// image class makes them; null when it cannot be made.
HBITMAP CopyPicture(HBITMAP source) {
    DIBSECTION section = {};
    if (GetObjectA(source, sizeof section, &section) != static_cast<int>(sizeof section) ||
        section.dsBm.bmBits == nullptr)
        return nullptr;
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } info = {};
    info.header = section.dsBmih;
    info.header.biHeight = -std::abs(section.dsBm.bmHeight);
    CDC memory;
    if (!memory.CreateCompatibleDC(nullptr)) return nullptr;
    if (info.header.biBitCount <= 8) {
        HGDIOBJ old = memory.SelectObject(source);
        info.header.biClrUsed = GetDIBColorTable(memory.GetSafeHdc(), 0, 256, info.colors);
        memory.SelectObject(old);
    }
    void* bits = nullptr;
    HBITMAP copy = CreateDIBSection(memory.GetSafeHdc(), reinterpret_cast<BITMAPINFO*>(&info),
                                    DIB_RGB_COLORS, &bits, nullptr, 0);
    if (copy == nullptr || bits == nullptr) return copy;
    std::memcpy(bits, section.dsBm.bmBits,
                static_cast<std::size_t>(section.dsBm.bmWidthBytes) *
                    static_cast<std::size_t>(std::abs(section.dsBm.bmHeight)));
    return copy;
}

// The last picture decoded and the file it came from. Every page loads the same logo: the first
// page decodes it, the others take a copy of its pixels, until the file changes.
struct DecodedPicture {
    PictureStamp stamp;
    SkinBitmap pixels;
};
DecodedPicture& LastDecoded() {
    static DecodedPicture last;
    return last;
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
    const std::optional<PictureStamp> stamp = StampOf(path);
    DecodedPicture& last = LastDecoded();
    if (stamp && last.pixels && last.stamp == *stamp) {
        if (HBITMAP copy = CopyPicture(last.pixels.get())) return copy;
    }
    CImage image;
    if (FAILED(image.Load(path.c_str()))) return nullptr;
    HBITMAP decoded = image.Detach();
    if (stamp) {
        last.pixels.reset(CopyPicture(decoded));
        last.stamp = *stamp;
    }
    return decoded;
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
