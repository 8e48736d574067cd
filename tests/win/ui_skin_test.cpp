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

// The colours the simulated installation's logo is drawn with.
constexpr COLORREF kLogoCorner = RGB(200, 16, 46);
constexpr COLORREF kLogoPlate = RGB(234, 242, 247);  // its fully transparent pixels

class TestPage : public CSkinnedPage {
public:
    TestPage() : CSkinnedPage(IDD_SKIN_TEST_PAGE, {IDC_SKIN_TEST_LABEL}) {}
    BOOL OnInitDialog() override {
        CSkinnedPage::OnInitDialog();
        LoadLogo();
        return TRUE;
    }
};

// A page's client area as 32-bit pixels, top row first.
struct Picture {
    int width = 0, height = 0;
    std::vector<DWORD> pixels;
    COLORREF At(int x, int y) const {
        DWORD p = pixels[static_cast<size_t>(y) * width + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
};

Picture Print(CWnd& page) {
    RECT client = {};
    page.GetClientRect(&client);
    Picture picture;
    picture.width = client.right;
    picture.height = client.bottom;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP target = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, target);
    page.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    const DWORD* p = static_cast<const DWORD*>(bits);
    picture.pixels.assign(p, p + static_cast<size_t>(picture.width) * picture.height);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(target);
    return picture;
}

class SkinnedPage : public ::testing::Test {
protected:
    void SetUp() override {
        host = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                               nullptr, nullptr);
        parent.Attach(host);
        // the build's own Img folder lies beside the test program, as in an installation
        page.m_strInstallDir = driver::OwnFolder();
    }
    void TearDown() override {
        page.DestroyWindow();
        parent.Detach();
        DestroyWindow(host);
    }

    HWND host = nullptr;
    CWnd parent;
    TestPage page;
};

TEST_F(SkinnedPage, At96DpiTheLogoSitsFiveFromTheLowerRightCornerWithItsOwnPixels) {
    page.m_nDpi = 96;
    ASSERT_TRUE(page.Create(IDD_SKIN_TEST_PAGE, &parent));
    Picture picture = Print(page);
    const int w = 120, h = 40;  // setLogo.png
    const int x = picture.width - w - 5, y = picture.height - h - 5;
    EXPECT_EQ(picture.At(x, y), kLogoCorner);
    EXPECT_NE(picture.At(x - 1, y), kLogoCorner);
    EXPECT_EQ(picture.At(x - 1, y), RGB(240, 240, 240));
    EXPECT_EQ(picture.At(x + w - 1, y), kLogoPlate) << "transparent, yet not blended with grey";
    EXPECT_EQ(picture.At(0, 0), RGB(240, 240, 240));
    EXPECT_EQ(picture.At(picture.width - 1, picture.height - 1), RGB(240, 240, 240));
}

TEST_F(SkinnedPage, AtAResolutionWithoutPicturesOnlyTheGreyIsPainted) {
    for (int dpi : {110, 0, 97}) {
        TestPage other;
        other.m_strInstallDir = driver::OwnFolder();
        other.m_nDpi = dpi;
        ASSERT_TRUE(other.Create(IDD_SKIN_TEST_PAGE, &parent));
        Picture picture = Print(other);
        for (DWORD pixel : picture.pixels) ASSERT_EQ(pixel & 0xFFFFFF, 0xF0F0F0u) << dpi;
        other.DestroyWindow();
    }
}

// Every resolution the editor knows has its logo and start entry background, in sizes that grow
// with it; the logo keeps straight alpha: its transparent pixels keep the plate's colour, where
// premultiplied alpha would leave black.
TEST(SkinPictures, EveryKnownResolutionHasItsPicturesAndTheLogoKeepsItsStraightAlpha) {
    struct Case {
        int dpi;
        const char* logo;
        const char* background;
    } cases[] = {{96, "setLogo.png", "setAstbg.png"},
                 {120, "setLogo_DPI_120.png", "setAstbg_DPI_120.png"},
                 {144, "setLogo_DPI_144.png", "setAstbg_DPI_144.png"},
                 {192, "setLogo_DPI_192.png", "setAstbg_DPI_192.png"},
                 {110, "", ""}};
    for (const Case& c : cases) {
        EXPECT_STREQ(skin::LogoName(c.dpi), c.logo);
        EXPECT_STREQ(skin::BackgroundName(c.dpi), c.background);
        if (!*c.logo) continue;
        const struct {
            const char* name;
            int width, height, bits;  // at 96 dpi
        } pictures[] = {{c.logo, 120, 40, 32}, {c.background, 436, 320, 24}};
        for (const auto& p : pictures) {
            SCOPED_TRACE(p.name);
            skin::SkinBitmap picture;
            picture.reset(skin::LoadSkinBitmap(driver::OwnFolder(), p.name));
            ASSERT_TRUE(picture);
            DIBSECTION dib = {};
            ASSERT_EQ(GetObjectA(picture.get(), sizeof dib, &dib), static_cast<int>(sizeof dib));
            EXPECT_EQ(dib.dsBm.bmWidth, p.width * c.dpi / 96);
            EXPECT_EQ(std::abs(dib.dsBm.bmHeight), p.height * c.dpi / 96);
            ASSERT_EQ(dib.dsBm.bmBitsPixel, p.bits);
            if (p.bits != 32) continue;
            const auto* pixels = static_cast<const DWORD*>(dib.dsBm.bmBits);
            int transparent = 0, otherColour = 0;
            for (int i = 0; i < dib.dsBm.bmWidth * std::abs(dib.dsBm.bmHeight); ++i) {
                if (pixels[i] >> 24 != 0) continue;
                ++transparent;
                const DWORD pixel = pixels[i];
                otherColour +=
                    RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF) != kLogoPlate;
            }
            EXPECT_GT(transparent, 0);
            EXPECT_EQ(otherColour, 0);
        }
    }
    EXPECT_EQ(skin::LoadSkinBitmap(driver::OwnFolder(), ""), nullptr) << "the folder itself";
    EXPECT_EQ(skin::LoadSkinBitmap("C:\\nowhere", "setLogo.png"), nullptr);
}

// A picture loaded again comes from the first load's pixels: each caller still owns a bitmap of
// its own, top row first, that outlives the others.
TEST(SkinPictures, ALogoLoadedAgainIsACopyOfItsOwnWithTheSamePixels) {
    skin::SkinBitmap first, second, third;
    first.reset(skin::LoadSkinBitmap(driver::OwnFolder(), "setLogo.png"));
    second.reset(skin::LoadSkinBitmap(driver::OwnFolder(), "setLogo.png"));
    ASSERT_TRUE(first && second);
    EXPECT_NE(first.get(), second.get());
    first.reset();
    third.reset(skin::LoadSkinBitmap(driver::OwnFolder(), "setLogo.png"));
    ASSERT_TRUE(third);
    DIBSECTION a = {}, b = {};
    ASSERT_EQ(GetObjectA(second.get(), sizeof a, &a), static_cast<int>(sizeof a));
    ASSERT_EQ(GetObjectA(third.get(), sizeof b, &b), static_cast<int>(sizeof b));
    ASSERT_EQ(a.dsBm.bmBitsPixel, 32);
    ASSERT_EQ(b.dsBm.bmBitsPixel, 32);
    ASSERT_EQ(b.dsBm.bmWidth, a.dsBm.bmWidth);
    ASSERT_EQ(b.dsBm.bmHeight, a.dsBm.bmHeight);
    const auto* pixels = static_cast<const DWORD*>(b.dsBm.bmBits);
    EXPECT_EQ(RGB((pixels[0] >> 16) & 0xFF, (pixels[0] >> 8) & 0xFF, pixels[0] & 0xFF),
              kLogoCorner);
    EXPECT_EQ(std::memcmp(a.dsBm.bmBits, b.dsBm.bmBits,
                          static_cast<size_t>(a.dsBm.bmWidthBytes) * std::abs(a.dsBm.bmHeight)),
              0);
}

// Wine draws the title bar's buttons (the close box's cross) with Marlett; a prefix without it
// shows the letter "r" there instead.
TEST(TitleBar, TheMarlettFontIsInstalledForItsButtons) {
    LOGFONTA wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, "Marlett", LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(
        screen, &wanted,
        [](const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
            *reinterpret_cast<bool*>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(found);
}

}  // namespace
