// Pictures: PNG files decoded with their own pixel values, and the bitmap button that shows one
// bitmap per state.
#include "tests/win/afx_test_ids.h"
#include "tests/win/afx_test_support.h"

#include "afx/afxext.h"
#include "afx/atlimage.h"

#include <objidl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <cstdint>

namespace {

namespace gp = Gdiplus::DllExports;
using Pixels = std::vector<std::uint8_t>;

// Writes a PNG with GDI+'s own encoder; pixels are given top row first, rows padded to 4 bytes.
bool WritePng(const std::string& path, int width, int height, Gdiplus::PixelFormat format,
              Pixels pixels) {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    const int stride = (width * (format == PixelFormat24bppRGB ? 3 : 4) + 3) / 4 * 4;
    Gdiplus::GpBitmap* pBitmap = nullptr;
    bool saved = false;
    if (gp::GdipCreateBitmapFromScan0(width, height, stride, format, pixels.data(), &pBitmap) ==
        Gdiplus::Ok) {
        const CLSID png = {
            0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
        const std::wstring widePath(path.begin(), path.end());
        saved = gp::GdipSaveImageToFile(pBitmap, widePath.c_str(), &png, nullptr) == Gdiplus::Ok;
        gp::GdipDisposeImage(pBitmap);
    }
    Gdiplus::GdiplusShutdown(token);
    return saved;
}

// The pixels of a DIB section, top row first.
Pixels PixelsOf(HBITMAP hBitmap) {
    DIBSECTION dib = {};
    if (::GetObjectA(hBitmap, sizeof(dib), &dib) != sizeof(dib)) return {};
    const auto* bits = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);
    return {bits, bits + dib.dsBm.bmWidthBytes * dib.dsBm.bmHeight};
}

TEST(ImageTest, PictureKeepsItsOwnPixelValues) {
    const struct {
        Gdiplus::PixelFormat format;
        int width, height, bpp;
        Pixels pixels;  // B, G, R (, A)
    } cases[] = {
        // Straight alpha: half-transparent blue-grey, and a fully transparent red that stays red.
        {PixelFormat32bppARGB, 2, 1, 32, {0x30, 0x20, 0x10, 0x80, 0x00, 0x00, 0xFF, 0x00}},
        // Without alpha a 24-bit bitmap.
        {PixelFormat24bppRGB, 1, 2, 24, {0x01, 0x02, 0x03, 0x00, 0x04, 0x05, 0x06, 0x00}},
    };
    char folder[MAX_PATH] = {};
    ::GetTempPathA(sizeof(folder), folder);
    const std::string path = std::string(folder) + "afx_picture.png";
    for (const auto& c : cases) {
        ASSERT_TRUE(WritePng(path, c.width, c.height, c.format, c.pixels));
        CImage image;
        ASSERT_EQ(image.Load(path.c_str()), S_OK);
        EXPECT_EQ(image.GetWidth(), c.width);
        EXPECT_EQ(image.GetHeight(), c.height);
        EXPECT_EQ(image.GetBPP(), c.bpp);
        EXPECT_EQ(PixelsOf(image), c.pixels);
    }
    ::DeleteFileA(path.c_str());
    CImage missing;
    EXPECT_EQ(missing.Load(path.c_str()), E_FAIL);
    EXPECT_TRUE(missing.IsNull());
}

// A 4 x 4 bitmap of one colour, in the screen's 32-bit format.
HBITMAP SolidBitmap(COLORREF colour) {
    const std::vector<DWORD> bits(16, RGB(GetBValue(colour), GetGValue(colour), GetRValue(colour)));
    return ::CreateBitmap(4, 4, 1, 32, bits.data());
}

TEST(BitmapButtonTest, StateShownIsPressedFirstThenFocusedThenDisabled) {
    InitTestControls();
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MAP));
    CBitmapButton button;
    ASSERT_TRUE(button.Create("", WS_CHILD | BS_OWNERDRAW, CRect(0, 0, 4, 4), &dlg, 3000));
    constexpr COLORREF kNormal = RGB(10, 0, 0);
    constexpr COLORREF kPressed = RGB(0, 20, 0);
    constexpr COLORREF kFocused = RGB(0, 0, 30);
    constexpr COLORREF kDisabled = RGB(40, 40, 0);
    button.m_bitmap.Attach(SolidBitmap(kNormal));
    button.m_bitmapSel.Attach(SolidBitmap(kPressed));
    button.m_bitmapFocus.Attach(SolidBitmap(kFocused));
    button.m_bitmapDisabled.Attach(SolidBitmap(kDisabled));
    CBitmap target;
    target.Attach(SolidBitmap(0));
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const HGDIOBJ hOld = dc.SelectObject(&target);

    const struct {
        UINT state;
        COLORREF shown;
    } cases[] = {{0, kNormal},
                 {ODS_SELECTED, kPressed},
                 {ODS_FOCUS, kFocused},
                 {ODS_DISABLED, kDisabled},
                 {ODS_SELECTED | ODS_FOCUS | ODS_DISABLED, kPressed},
                 {ODS_FOCUS | ODS_DISABLED, kFocused}};
    // As the parent's WM_DRAWITEM asks the button to draw itself.
    DRAWITEMSTRUCT item = {ODT_BUTTON, 3000, 0, ODA_DRAWENTIRE, 0, button, dc, {0, 0, 4, 4}, 0};
    const auto drawn = [&](UINT state) {
        item.itemState = state;
        dlg.SendMessage(WM_DRAWITEM, 3000, reinterpret_cast<LPARAM>(&item));
        return ::GetPixel(dc, 2, 2);
    };
    for (const auto& c : cases) EXPECT_EQ(drawn(c.state), c.shown) << c.state;
    // A state without a bitmap of its own falls to the next one, then to the normal one.
    button.m_bitmapSel.DeleteObject();
    EXPECT_EQ(drawn(ODS_SELECTED | ODS_FOCUS), kFocused);
    EXPECT_EQ(drawn(ODS_SELECTED), kNormal);
    dc.SelectObject(hOld);
}

}  // namespace
