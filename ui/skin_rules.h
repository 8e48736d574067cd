// The skinned look's rules, free of Win32: which picture belongs to which screen resolution, and
// where a page's logo goes.
#pragma once

namespace skin {

constexpr unsigned char kPageGrey = 240;  // page background RGB(240, 240, 240)
constexpr unsigned char kLabelRed = 119, kLabelGreen = 116, kLabelBlue = 81;  // label text
constexpr int kLogoMargin = 5;

// "setLogo.png", "setLogo_DPI_120.png", ... for 96, 120, 144 and 192 dots per inch; an empty
// name for every other resolution (no picture then).
const char* LogoName(int dpi);
// The start entry dialog's background, "setAstbg..." by the same rule.
const char* BackgroundName(int dpi);

// The logo's top-left corner on a page whose client area ends at (right, bottom).
struct Point {
    int x, y;
};
inline Point LogoPosition(int clientRight, int clientBottom, int width, int height) {
    return {clientRight - width - kLogoMargin, clientBottom - height - kLogoMargin};
}

}  // namespace skin
