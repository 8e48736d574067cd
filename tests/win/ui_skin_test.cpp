// The skinned look of a page, read back from what the page paints: the grey and the logo in its
// corner with its own (unblended) pixels; and the pictures the skin takes for each resolution.
#include "tests/win/ui_skin_test_ids.h"
#include "tools/driver/driver.h"
#include "ui/skinned_page.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr COLORREF kGrey = RGB(240, 240, 240);
// The colours the simulated installation's pictures are drawn with.
constexpr COLORREF kLogoCorner = RGB(200, 16, 46);
constexpr COLORREF kLogoPlate = RGB(234, 242, 247);  // its fully transparent pixels
constexpr COLORREF kBackgroundCorner = RGB(31, 90, 133);

COLORREF Colour(DWORD pixel) {
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

class TestPage : public CSkinnedPage {
public:
    TestPage() : CSkinnedPage(IDD_SKIN_TEST_PAGE, {IDC_SKIN_TEST_LABEL}) {}
};

// A page's client area as 32-bit pixels, top row first, as the page prints itself.
struct Picture {
    int width, height;
    std::vector<DWORD> pixels;
    COLORREF At(int x, int y) const { return Colour(pixels[static_cast<size_t>(y) * width + x]); }
};

Picture Print(CWnd& page) {
    RECT client = {};
    page.GetClientRect(&client);
    Picture picture{client.right, client.bottom,
                    std::vector<DWORD>(static_cast<size_t>(client.right) * client.bottom)};
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP target = CreateBitmap(picture.width, picture.height, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(dc, target);
    page.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SelectObject(dc, old);
    GetBitmapBits(target, static_cast<LONG>(picture.pixels.size() * 4), picture.pixels.data());
    DeleteDC(dc);
    DeleteObject(target);
    return picture;
}

// At a resolution without pictures only the grey is painted.
TEST(SkinnedPage, At96DpiTheLogoSitsFiveFromTheLowerRightCornerWithItsOwnPixels) {
    CWnd parent;
    parent.Attach(CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                                  nullptr, nullptr));
    for (int dpi : {96, 110, 0, 97}) {
        TestPage page;
        // the build's own Img folder lies beside the test program, as in an installation
        page.m_strInstallDir = driver::OwnFolder();
        page.m_nDpi = dpi;
        ASSERT_TRUE(page.Create(IDD_SKIN_TEST_PAGE, &parent));
        const Picture picture = Print(page);
        page.DestroyWindow();
        if (dpi != 96) {
            for (DWORD pixel : picture.pixels) ASSERT_EQ(pixel & 0xFFFFFF, 0xF0F0F0u) << dpi;
            continue;
        }
        const int w = 120, h = 40;  // setLogo.png
        const int x = picture.width - w - 5, y = picture.height - h - 5;
        EXPECT_EQ(picture.At(x, y), kLogoCorner);
        EXPECT_EQ(picture.At(x - 1, y), kGrey);
        EXPECT_EQ(picture.At(x + w - 1, y), kLogoPlate) << "transparent, yet not blended with grey";
        EXPECT_EQ(picture.At(0, 0), kGrey);
        EXPECT_EQ(picture.At(picture.width - 1, picture.height - 1), kGrey);
    }
    DestroyWindow(parent.Detach());
}

// Every resolution the editor knows has the logo and start entry background it names, in sizes
// that grow with it. A picture loaded again comes from the first load's pixels: each caller still
// owns a bitmap of its own, top row first, that outlives the others.
TEST(SkinPictures, EveryKnownResolutionHasItsPicturesLoadedOnceAndOwnedByEachCaller) {
    for (int dpi : {96, 120, 144, 192}) {
        const struct {
            const char* name;
            int width, height, bits;  // at 96 dpi
            COLORREF corner;
        } pictures[] = {{skin::LogoName(dpi), 120, 40, 32, kLogoCorner},
                        {skin::BackgroundName(dpi), 436, 320, 24, kBackgroundCorner}};
        for (const auto& p : pictures) {
            SCOPED_TRACE(p.name);
            skin::SkinBitmap first, second, picture;
            first.reset(skin::LoadSkinBitmap(driver::OwnFolder(), p.name));
            second.reset(skin::LoadSkinBitmap(driver::OwnFolder(), p.name));
            EXPECT_NE(first.get(), second.get());
            first.reset();
            picture.reset(skin::LoadSkinBitmap(driver::OwnFolder(), p.name));
            DIBSECTION dib = {}, other = {};
            ASSERT_EQ(GetObjectA(picture.get(), sizeof dib, &dib), static_cast<int>(sizeof dib));
            ASSERT_EQ(GetObjectA(second.get(), sizeof dib, &other), static_cast<int>(sizeof dib));
            EXPECT_EQ(dib.dsBm.bmWidth, p.width * dpi / 96);
            ASSERT_EQ(std::abs(dib.dsBm.bmHeight), p.height * dpi / 96);
            ASSERT_EQ(dib.dsBm.bmBitsPixel, p.bits);
            const int size = dib.dsBm.bmWidthBytes * std::abs(dib.dsBm.bmHeight);
            ASSERT_EQ(other.dsBm.bmWidthBytes * std::abs(other.dsBm.bmHeight), size);
            EXPECT_EQ(std::memcmp(dib.dsBm.bmBits, other.dsBm.bmBits, size), 0)
                << "the same pixels";
            const auto* pixels = static_cast<const DWORD*>(dib.dsBm.bmBits);
            EXPECT_EQ(Colour(pixels[0]), p.corner) << "top row first";
        }
    }
    EXPECT_EQ(skin::LoadSkinBitmap(driver::OwnFolder(), ""), nullptr) << "the folder itself";
    EXPECT_EQ(skin::LoadSkinBitmap("C:\\nowhere", "setLogo.png"), nullptr);
}

}  // namespace
