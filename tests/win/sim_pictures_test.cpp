// The pictures of a fresh installation: the page logos and start entry backgrounds for every
// resolution the editor knows, and the site icon, decoded the way the editor decodes them.
#include "afx/atlimage.h"
#include "sim/common/sim_state.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>

namespace {

struct Rgba {
    int r, g, b, a;
    bool operator==(const Rgba& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};
std::ostream& operator<<(std::ostream& out, const Rgba& c) {
    return out << "RGBA(" << c.r << ", " << c.g << ", " << c.b << ", " << c.a << ")";
}

// The colours tools/make-pictures draws for tests to find.
constexpr Rgba kLogoCorner = {200, 16, 46, 255};
constexpr Rgba kLogoTransparent = {234, 242, 247, 0};
constexpr Rgba kBackgroundCorner = {31, 90, 133, 255};

std::string ImagePath(const std::string& name) {
    return std::string(sim::kInstallDir) + "\\Img\\" + name;
}

// The pixel at (x, y) of a decoded picture: a top-down DIB section of 24 or 32 bits per pixel, as
// CImage makes them; pictures without alpha read as opaque.
Rgba PixelAt(const CImage& image, int x, int y) {
    DIBSECTION dib = {};
    if (::GetObjectA(static_cast<HBITMAP>(image), sizeof(dib), &dib) != sizeof(dib) ||
        !dib.dsBm.bmBits)
        return {-1, -1, -1, -1};
    const int bytes = dib.dsBm.bmBitsPixel / 8;
    const auto* p = static_cast<const std::uint8_t*>(dib.dsBm.bmBits) +
                    static_cast<std::ptrdiff_t>(y) * dib.dsBm.bmWidthBytes + x * bytes;
    return {p[2], p[1], p[0], bytes == 4 ? p[3] : 255};
}

class SimPicturesTest : public ::testing::Test {
protected:
    // One fresh installation for all cases: nothing here changes it.
    static void SetUpTestSuite() {
        s_resetExit = driver::Run("\"" + driver::OwnFolder() + "\\ovasim.exe\" reset");
    }
    void SetUp() override { ASSERT_EQ(s_resetExit, 0) << "ovasim reset failed"; }
    static inline int s_resetExit = -1;
};

TEST_F(SimPicturesTest, LogosAndBackgroundsForEveryResolution) {
    const struct {
        const char* stem;
        int bitsPerPixel;
        Rgba corner;
        int width, height;  // at 96 dpi; the background covers the start entry dialog
    } kGroups[] = {{"setLogo", 32, kLogoCorner, 120, 40},
                   {"setAstbg", 24, kBackgroundCorner, 436, 320}};
    const struct {
        const char* suffix;
        int percent;
    } kResolutions[] = {{"", 100}, {"_DPI_120", 125}, {"_DPI_144", 150}, {"_DPI_192", 200}};

    for (const auto& group : kGroups) {
        for (const auto& resolution : kResolutions) {
            const std::string name = std::string(group.stem) + resolution.suffix + ".png";
            SCOPED_TRACE(name);
            CImage image;
            ASSERT_EQ(image.Load(ImagePath(name).c_str()), S_OK);
            ASSERT_EQ(image.GetBPP(), group.bitsPerPixel);
            EXPECT_EQ(PixelAt(image, 0, 0), group.corner);
            EXPECT_EQ(image.GetWidth(), (group.width * resolution.percent + 50) / 100);
            EXPECT_EQ(image.GetHeight(), (group.height * resolution.percent + 50) / 100);
            if (group.bitsPerPixel != 32) continue;

            // Straight alpha: every transparent pixel keeps the plate colour, where premultiplied
            // alpha would leave black.
            int transparent = 0, otherColour = 0;
            for (int y = 0; y < image.GetHeight(); ++y) {
                for (int x = 0; x < image.GetWidth(); ++x) {
                    const Rgba pixel = PixelAt(image, x, y);
                    if (pixel.a != 0) continue;
                    ++transparent;
                    if (!(pixel == kLogoTransparent)) ++otherColour;
                }
            }
            EXPECT_GT(transparent, 0);
            EXPECT_EQ(otherColour, 0);
        }
    }
}

TEST_F(SimPicturesTest, SiteIconLoadsAtTheDefaultSize) {
    // As the editor loads it: the default size, from the file.
    std::unique_ptr<std::remove_pointer_t<HICON>, decltype(&::DestroyIcon)> icon(
        static_cast<HICON>(::LoadImageA(nullptr, ImagePath("SiteVersionWireless.ico").c_str(),
                                        IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE)),
        &::DestroyIcon);
    ASSERT_TRUE(icon);
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(icon.get(), &info));
    BITMAP bitmap = {};
    const bool measured = ::GetObjectA(info.hbmColor, sizeof(bitmap), &bitmap) != 0;
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    ASSERT_TRUE(measured);
    EXPECT_EQ(bitmap.bmWidth, ::GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(bitmap.bmHeight, ::GetSystemMetrics(SM_CYICON));
}

}  // namespace
