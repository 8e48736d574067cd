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
#include <string>
#include <vector>

namespace {

namespace gp = Gdiplus::DllExports;

// Writes PNG files with GDI+'s own encoder, from pixels given row by row.
class PngWriter {
public:
    PngWriter() {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&m_token, &input, nullptr);
    }
    ~PngWriter() { Gdiplus::GdiplusShutdown(m_token); }

    static std::string TempPath(const char* name) {
        char folder[MAX_PATH] = {};
        ::GetTempPathA(sizeof(folder), folder);
        return std::string(folder) + name;
    }

    // pixels: 4 bytes (B, G, R, A) or 3 bytes (B, G, R) per pixel, rows padded to 4 bytes.
    bool Write(const std::string& path, int width, int height, Gdiplus::PixelFormat format,
               std::vector<std::uint8_t> pixels) {
        const int bytesPerPixel = format == PixelFormat24bppRGB ? 3 : 4;
        const int stride = (width * bytesPerPixel + 3) / 4 * 4;
        Gdiplus::GpBitmap* pBitmap = nullptr;
        if (gp::GdipCreateBitmapFromScan0(width, height, stride, format, pixels.data(), &pBitmap) !=
            Gdiplus::Ok) {
            return false;
        }
        // GDI+'s PNG encoder.
        const CLSID png = {
            0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
        const std::wstring widePath(path.begin(), path.end());
        const bool saved =
            gp::GdipSaveImageToFile(pBitmap, widePath.c_str(), &png, nullptr) == Gdiplus::Ok;
        gp::GdipDisposeImage(pBitmap);
        return saved;
    }

private:
    ULONG_PTR m_token = 0;
};

// The pixels of a DIB section, top row first.
std::vector<std::uint8_t> PixelsOf(HBITMAP hBitmap) {
    DIBSECTION dib = {};
    if (::GetObjectA(hBitmap, sizeof(dib), &dib) != sizeof(dib)) return {};
    const auto* bits = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);
    return {bits, bits + dib.dsBm.bmWidthBytes * dib.dsBm.bmHeight};
}

class ImageTest : public ::testing::Test {
protected:
    PngWriter writer;
};

TEST_F(ImageTest, PictureWithAlphaKeepsStraightAlphaAndTheColoursOfTransparentPixels) {
    const std::string path = PngWriter::TempPath("afx_alpha.png");
    // Half-transparent dark blue-grey, then fully transparent pure red.
    ASSERT_TRUE(writer.Write(path, 2, 1, PixelFormat32bppARGB,
                             {0x30, 0x20, 0x10, 0x80, 0x00, 0x00, 0xFF, 0x00}));
    CImage image;
    ASSERT_EQ(image.Load(path.c_str()), S_OK);
    EXPECT_EQ(image.GetWidth(), 2);
    EXPECT_EQ(image.GetHeight(), 1);
    EXPECT_EQ(image.GetBPP(), 32);
    EXPECT_EQ(PixelsOf(image),
              (std::vector<std::uint8_t>{0x30, 0x20, 0x10, 0x80, 0x00, 0x00, 0xFF, 0x00}));
    ::DeleteFileA(path.c_str());
}

TEST_F(ImageTest, PictureWithoutAlphaBecomesA24BitBitmap) {
    const std::string path = PngWriter::TempPath("afx_rgb.png");
    ASSERT_TRUE(writer.Write(path, 1, 2, PixelFormat24bppRGB,
                             {0x01, 0x02, 0x03, 0x00, 0x04, 0x05, 0x06, 0x00}));
    CImage image;
    ASSERT_EQ(image.Load(path.c_str()), S_OK);
    EXPECT_EQ(image.GetBPP(), 24);
    EXPECT_EQ(image.GetHeight(), 2);
    // Top row first, each row padded to four bytes.
    EXPECT_EQ(PixelsOf(image),
              (std::vector<std::uint8_t>{0x01, 0x02, 0x03, 0x00, 0x04, 0x05, 0x06, 0x00}));
    ::DeleteFileA(path.c_str());
}

TEST_F(ImageTest, MissingOrUndecodableFileLeavesTheImageEmpty) {
    CImage image;
    EXPECT_EQ(image.Load(PngWriter::TempPath("afx_no_such_picture.png").c_str()), E_FAIL);
    EXPECT_TRUE(image.IsNull());

    const std::string path = PngWriter::TempPath("afx_not_a_picture.png");
    HANDLE hFile =
        ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(hFile, "not a picture", 13, &written, nullptr);
    ::CloseHandle(hFile);
    EXPECT_EQ(image.Load(path.c_str()), E_FAIL);
    EXPECT_TRUE(image.IsNull());
    ::DeleteFileA(path.c_str());
}

TEST_F(ImageTest, DetachedBitmapOutlivesTheImage) {
    const std::string path = PngWriter::TempPath("afx_detach.png");
    ASSERT_TRUE(writer.Write(path, 1, 1, PixelFormat32bppARGB, {1, 2, 3, 4}));
    HBITMAP hBitmap = nullptr;
    HBITMAP hDeleted = nullptr;
    {
        CImage image;
        ASSERT_EQ(image.Load(path.c_str()), S_OK);
        hBitmap = image.Detach();
        EXPECT_TRUE(image.IsNull());
        CImage other;
        ASSERT_EQ(other.Load(path.c_str()), S_OK);
        hDeleted = other;
    }
    EXPECT_EQ(::GetObjectType(hBitmap), static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_EQ(::GetObjectType(hDeleted), 0u);
    ::DeleteObject(hBitmap);
    ::DeleteFileA(path.c_str());
}

// A 4 x 4 bitmap of one colour.
HBITMAP SolidBitmap(COLORREF colour) {
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 4, 4);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    CDC dc;
    dc.Attach(hDC);
    const RECT all = {0, 0, 4, 4};
    dc.FillSolidRect(&all, colour);
    dc.Detach();
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::ReleaseDC(nullptr, hScreen);
    return hBitmap;
}

constexpr COLORREF kNormal = RGB(10, 0, 0);
constexpr COLORREF kPressed = RGB(0, 20, 0);
constexpr COLORREF kFocused = RGB(0, 0, 30);
constexpr COLORREF kDisabled = RGB(40, 40, 0);

class BitmapButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitTestControls();
        ASSERT_TRUE(dlg.Create(IDD_AFX_MAP));
        ASSERT_TRUE(button.Create("", WS_CHILD | BS_OWNERDRAW, CRect(0, 0, 4, 4), &dlg, 3000));
        button.m_bitmap.Attach(SolidBitmap(kNormal));
        HDC hScreen = ::GetDC(nullptr);
        target.CreateCompatibleBitmap(hScreen, 4, 4);
        ::ReleaseDC(nullptr, hScreen);
    }
    void TearDown() override { dlg.DestroyWindow(); }

    // What the button draws for a state, as the parent's WM_DRAWITEM asks it to.
    COLORREF Drawn(UINT itemState) {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        HGDIOBJ hOld = dc.SelectObject(&target);
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.CtlID = 3000;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = itemState;
        item.hwndItem = button;
        item.hDC = dc;
        item.rcItem = {0, 0, 4, 4};
        dlg.SendMessage(WM_DRAWITEM, 3000, reinterpret_cast<LPARAM>(&item));
        const COLORREF colour = ::GetPixel(dc, 2, 2);
        dc.SelectObject(hOld);
        return colour;
    }

    CDialog dlg;
    CBitmapButton button;
    CBitmap target;
};

TEST_F(BitmapButtonTest, EachStateShowsItsBitmapPressedFirstThenFocusedThenDisabled) {
    button.m_bitmapSel.Attach(SolidBitmap(kPressed));
    button.m_bitmapFocus.Attach(SolidBitmap(kFocused));
    button.m_bitmapDisabled.Attach(SolidBitmap(kDisabled));
    EXPECT_EQ(Drawn(0), kNormal);
    EXPECT_EQ(Drawn(ODS_SELECTED), kPressed);
    EXPECT_EQ(Drawn(ODS_FOCUS), kFocused);
    EXPECT_EQ(Drawn(ODS_DISABLED), kDisabled);
    EXPECT_EQ(Drawn(ODS_SELECTED | ODS_FOCUS), kPressed);
    EXPECT_EQ(Drawn(ODS_FOCUS | ODS_DISABLED), kFocused);
}

TEST_F(BitmapButtonTest, StateWithoutABitmapFallsToTheNextOrTheNormalOne) {
    button.m_bitmapFocus.Attach(SolidBitmap(kFocused));
    EXPECT_EQ(Drawn(ODS_SELECTED), kNormal);
    EXPECT_EQ(Drawn(ODS_SELECTED | ODS_FOCUS), kFocused);
    EXPECT_EQ(Drawn(ODS_DISABLED), kNormal);
}

TEST_F(BitmapButtonTest, MissingNormalBitmapResourceFailsToLoad) {
    EXPECT_FALSE(button.LoadBitmaps(IDD_AFX_MISSING));
    EXPECT_EQ(button.m_bitmap.GetSafeHandle(), nullptr);
}

}  // namespace
