// The bitmap button that shows one bitmap per state. How CImage decodes the client's pictures, with
// their own pixel values and straight alpha, is proven on those pictures by ui_skin_test.
#include "tests/win/afx_test_ids.h"

#include "afx/afxext.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A 4 x 4 bitmap of one colour, in the screen's 32-bit format.
HBITMAP SolidBitmap(COLORREF colour) {
    const std::vector<DWORD> bits(16, RGB(GetBValue(colour), GetGValue(colour), GetRValue(colour)));
    return ::CreateBitmap(4, 4, 1, 32, bits.data());
}

TEST(BitmapButtonTest, StateShownIsPressedFirstThenFocusedThenDisabled) {
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MODAL));
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
