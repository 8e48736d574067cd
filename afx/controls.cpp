#include "afx/controls.h"

void CButton::DrawItem(LPDRAWITEMSTRUCT) {
    // An owner-drawn button class that cannot draw itself is a programming error.
    AFX_ASSERT(false);
}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (CWnd::OnChildNotify(message, wParam, lParam, pResult)) return TRUE;
    if (message != WM_DRAWITEM) return FALSE;
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    *pResult = TRUE;
    return TRUE;
}

void CComboBox::GetLBText(int nIndex, std::string& rString) const {
    const int length = GetLBTextLen(nIndex);
    AFX_ASSERT(length != CB_ERR);
    rString.assign(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = static_cast<int>(SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(nIndex),
                                                    reinterpret_cast<LPARAM>(rString.data())));
    rString.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
}
