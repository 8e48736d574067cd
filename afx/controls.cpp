#include "afx/controls.h"

#include <algorithm>

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

// The line is read in UTF-16 from the combo box's own list and converted here. The ANSI
// CB_GETLBTEXT, and any message that passes a subclassing ANSI window procedure on its way to
// the control, is converted by the system through a buffer of its own: Wine's holds 512
// characters, and a longer line overran it and wrecked the caller's stack. The list is never
// subclassed, so the Unicode message reaches it as it was sent.
std::string ComboLineText(HWND combo, int index) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (!::GetComboBoxInfo(combo, &info) || info.hwndList == nullptr) return std::string();
    const HWND list = info.hwndList;
    const LRESULT length = ::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return std::string();
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                                          reinterpret_cast<LPARAM>(wide.data()));
    if (copied <= 0) return std::string();
    const int count = static_cast<int>(std::min<LRESULT>(copied, length));
    const int bytes =
        ::WideCharToMultiByte(CP_ACP, 0, wide.data(), count, nullptr, 0, nullptr, nullptr);
    std::string line(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), count, line.data(), bytes, nullptr, nullptr);
    return line;
}

void CComboBox::GetLBText(int nIndex, std::string& rString) const {
    AFX_ASSERT(GetLBTextLen(nIndex) != CB_ERR);
    rString = ComboLineText(m_hWnd, nIndex);
}
