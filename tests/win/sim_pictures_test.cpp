// The pictures of a fresh installation: the page logos and start entry backgrounds for every
// resolution the editor knows, and the site icon, decoded the way the editor decodes them.
#include "afx/atlimage.h"
#include "sim/common/sim_state.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// The colours tools/make-pictures draws for tests to find.
struct Rgba {
    int r, g, b, a;
};
constexpr Rgba kLogoCorner = {200, 16, 46, 255};
constexpr Rgba kLogoTransparent = {234, 242, 247, 0};
constexpr Rgba kBackgroundCorner = {31, 90, 133, 255};

struct Picture {
    const char* name;
    int percent;  // of the 96-dpi size
};
constexpr Picture kLogos[] = {{"setLogo.png", 100},
                              {"setLogo_DPI_120.png", 125},
                              {"setLogo_DPI_144.png", 150},
                              {"setLogo_DPI_192.png", 200}};
constexpr Picture kBackgrounds[] = {{"setAstbg.png", 100},
                                    {"setAstbg_DPI_120.png", 125},
                                    {"setAstbg_DPI_144.png", 150},
                                    {"setAstbg_DPI_192.png", 200}};
constexpr char kIcon[] = "SiteVersionWireless.ico";

std::string ImagePath(const char* name) {
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

::testing::AssertionResult SameColour(const Rgba& got, const Rgba& want) {
    if (got.r == want.r && got.g == want.g && got.b == want.b && got.a == want.a)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "RGBA(" << got.r << ", " << got.g << ", " << got.b
                                         << ", " << got.a << "), expected RGBA(" << want.r << ", "
                                         << want.g << ", " << want.b << ", " << want.a << ")";
}

// A length at 96 dpi at PERCENT of that size, rounded.
int Scaled(int pixels, int percent) {
    return (pixels * percent + 50) / 100;
}

struct IconDeleter {
    void operator()(HICON icon) const { ::DestroyIcon(icon); }
};
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// The width and height of an icon, from its colour (or, for a monochrome icon, mask) bitmap.
SIZE IconSize(HICON icon) {
    ICONINFO info = {};
    SIZE size = {0, 0};
    if (!::GetIconInfo(icon, &info)) return size;
    BITMAP bitmap = {};
    if (::GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap)) {
        size.cx = bitmap.bmWidth;
        size.cy = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
    }
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    return size;
}

class SimPicturesTest : public ::testing::Test {
protected:
    // One fresh installation for all cases: nothing here changes it.
    static void SetUpTestSuite() {
        s_resetExit = driver::Run("\"" + driver::OwnFolder() + "\\ovasim.exe\" reset");
    }

    void SetUp() override { ASSERT_EQ(s_resetExit, 0) << "ovasim reset failed"; }

    static int s_resetExit;
};

int SimPicturesTest::s_resetExit = -1;

TEST_F(SimPicturesTest, EveryPictureIsInstalled) {
    for (const auto* group : {kLogos, kBackgrounds}) {
        for (int i = 0; i < 4; ++i) {
            const DWORD attributes = ::GetFileAttributesA(ImagePath(group[i].name).c_str());
            EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << group[i].name;
            EXPECT_EQ(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u) << group[i].name;
        }
    }
    const DWORD attributes = ::GetFileAttributesA(ImagePath(kIcon).c_str());
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST_F(SimPicturesTest, LogosKeepStraightAlphaAndTheirAccentCorner) {
    for (const Picture& logo : kLogos) {
        SCOPED_TRACE(logo.name);
        CImage image;
        ASSERT_EQ(image.Load(ImagePath(logo.name).c_str()), S_OK);
        ASSERT_EQ(image.GetBPP(), 32);
        EXPECT_TRUE(SameColour(PixelAt(image, 0, 0), kLogoCorner));
        // The right edge is the plate beside the wordmark: transparent, with its colour kept.
        EXPECT_TRUE(SameColour(PixelAt(image, image.GetWidth() - 1, 0), kLogoTransparent));

        // Every transparent pixel keeps the plate colour: black would mean premultiplied alpha.
        int transparent = 0, opaque = 0, otherColour = 0;
        for (int y = 0; y < image.GetHeight(); ++y) {
            for (int x = 0; x < image.GetWidth(); ++x) {
                const Rgba pixel = PixelAt(image, x, y);
                if (pixel.a == 255) ++opaque;
                if (pixel.a != 0) continue;
                ++transparent;
                if (!SameColour(pixel, kLogoTransparent)) ++otherColour;
            }
        }
        EXPECT_GT(transparent, 0);
        EXPECT_EQ(otherColour, 0);
        EXPECT_GT(opaque, 0);
    }
}

TEST_F(SimPicturesTest, BackgroundsHaveNoAlphaAndTheirBandCorner) {
    for (const Picture& background : kBackgrounds) {
        SCOPED_TRACE(background.name);
        CImage image;
        ASSERT_EQ(image.Load(ImagePath(background.name).c_str()), S_OK);
        EXPECT_EQ(image.GetBPP(), 24);
        EXPECT_TRUE(SameColour(PixelAt(image, 0, 0), kBackgroundCorner));
    }
}

TEST_F(SimPicturesTest, SizesGrowWithTheResolution) {
    struct Group {
        const Picture* pictures;
        int width, height;  // at 96 dpi
    };
    // The background covers the start entry dialog's 289 x 196 dialog units.
    for (const Group& group : {Group{kLogos, 120, 40}, Group{kBackgrounds, 436, 320}}) {
        for (int i = 0; i < 4; ++i) {
            const Picture& picture = group.pictures[i];
            SCOPED_TRACE(picture.name);
            CImage image;
            ASSERT_EQ(image.Load(ImagePath(picture.name).c_str()), S_OK);
            EXPECT_EQ(image.GetWidth(), Scaled(group.width, picture.percent));
            EXPECT_EQ(image.GetHeight(), Scaled(group.height, picture.percent));
        }
    }
}

TEST_F(SimPicturesTest, SiteIconLoadsFromItsFileInEverySize) {
    const std::string path = ImagePath(kIcon);
    // As the editor loads it: the default size, from the file.
    IconHandle icon(static_cast<HICON>(
        ::LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE)));
    ASSERT_TRUE(icon);
    const SIZE defaultSize = IconSize(icon.get());
    EXPECT_EQ(defaultSize.cx, ::GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(defaultSize.cy, ::GetSystemMetrics(SM_CYICON));

    // The file holds each size itself (the icon directory: 6-byte header, 16-byte entries that
    // start with the width and height, 0 meaning 256).
    std::ifstream file(path, std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                     std::istreambuf_iterator<char>());
    ASSERT_GE(bytes.size(), 6u);
    EXPECT_EQ(bytes[2] | bytes[3] << 8, 1);  // an icon, not a cursor
    const int count = bytes[4] | bytes[5] << 8;
    ASSERT_GE(bytes.size(), 6u + 16u * count);
    std::set<int> sizes;
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(bytes[6 + 16 * i], bytes[6 + 16 * i + 1]) << "entry " << i;
        sizes.insert(bytes[6 + 16 * i]);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48}));

    for (int pixels : {16, 32, 48}) {
        IconHandle sized(static_cast<HICON>(
            ::LoadImageA(nullptr, path.c_str(), IMAGE_ICON, pixels, pixels, LR_LOADFROMFILE)));
        ASSERT_TRUE(sized) << pixels;
        const SIZE size = IconSize(sized.get());
        EXPECT_EQ(size.cx, pixels);
        EXPECT_EQ(size.cy, pixels);
    }
}

}  // namespace
