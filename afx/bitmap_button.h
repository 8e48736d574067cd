// CBitmapButton: an owner-drawn push button shown by up to four bitmaps: normal, pressed
// (selected), focused and disabled. The button draws itself when its parent receives
// WM_DRAWITEM for it (see CWnd::OnWndMsg); make it with BS_OWNERDRAW.
#pragma once

#include "afx/controls.h"
#include "afx/gdi.h"

class CBitmapButton : public CButton {
public:
    // Bitmap resources of the program; 0 leaves that state to the normal bitmap. FALSE when the
    // normal bitmap, or any other one asked for, could not be loaded.
    BOOL LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel = 0,
                     UINT nIDBitmapResourceFocus = 0, UINT nIDBitmapResourceDisabled = 0);

    CBitmap m_bitmap;          // normal, required
    CBitmap m_bitmapSel;       // pressed
    CBitmap m_bitmapFocus;     // has the focus
    CBitmap m_bitmapDisabled;  // disabled

protected:
    // Copies a bitmap to the item rectangle, unblended: the first of pressed, focused and
    // disabled that the button is in and has a bitmap for, otherwise the normal one.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
};
