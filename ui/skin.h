// The skinned look of the settings pages and the start entry dialog: a light grey page with the
// client's logo in its lower right corner and coloured labels drawn straight onto it.
#pragma once

#include "afx/afxwin.h"
#include "ui/skin_rules.h"

#include <string>

namespace skin {

inline constexpr COLORREF kPageBackground = RGB(kPageGrey, kPageGrey, kPageGrey);
inline constexpr COLORREF kLabelText = RGB(kLabelRed, kLabelGreen, kLabelBlue);  // 0x517477

// Owns one skin bitmap (a DIB section), deleted when the owner is reset or goes.
class SkinBitmap {
public:
    SkinBitmap() = default;
    ~SkinBitmap() { reset(); }
    SkinBitmap(const SkinBitmap&) = delete;
    SkinBitmap& operator=(const SkinBitmap&) = delete;

    void reset(HBITMAP bitmap = nullptr);
    HBITMAP get() const { return m_hBitmap; }
    explicit operator bool() const { return m_hBitmap != nullptr; }

private:
    HBITMAP m_hBitmap = nullptr;
};

// The screen resolution of DIALOG's display in dots per inch: the horizontal value when it equals
// the vertical one; otherwise CURRENT stays.
int MeasureScreenResolution(HWND dialog, int current);

// The picture NAME from the installation's "\Img\" folder as a bitmap with the picture's own
// pixels (24 bits, or 32 with straight alpha), or null when it is missing or cannot be decoded;
// the caller owns it. An empty name names the folder itself, which never loads.
HBITMAP LoadSkinBitmap(const std::string& installDir, const char* name);

// Fills the client area grey and copies the logo, if any, unblended into its corner.
void PaintSkinnedPage(CDC& dc, const RECT& client, HBITMAP logo);

// Copies the bitmap, if any, to (0, 0) in its own size.
void PaintBackground(CDC& dc, HBITMAP background);

// A skinned label: skin colour on a transparent background with the hollow brush. Any other
// control keeps DEFAULT_BRUSH.
HBRUSH ControlColor(CDC* dc, bool skinned, HBRUSH defaultBrush);

}  // namespace skin
