#include "ui/tab_page_ssl.h"

CTabPageSSL::CTabPageSSL(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {
    AfxEnableControlContainer();
}

void CTabPageSSL::OnTabPageActivate(int, int) {}

void CTabPageSSL::OnTabPageDeactivate(int, int) {}

// The main dialog's loop would send them on to the main dialog: Enter as its OK, Escape as its
// Cancel. The page answers them itself, as its own dialog handling would, which goes by the
// window above the page once the tabs are a control parent.
BOOL CTabPageSSL::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message != WM_KEYDOWN || (pMsg->wParam != VK_RETURN && pMsg->wParam != VK_ESCAPE))
        return FALSE;
    // a list that is dropped down, or a box that takes every key, keeps them
    const LRESULT wanted =
        ::SendMessageA(pMsg->hwnd, WM_GETDLGCODE, pMsg->wParam, reinterpret_cast<LPARAM>(pMsg));
    if (wanted & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return FALSE;
    // Enter on a button of the page presses it, as in any dialog
    const HWND focus = ::GetFocus();
    if (pMsg->wParam == VK_RETURN && ::IsChild(m_hWnd, focus) &&
        (::SendMessageA(focus, WM_GETDLGCODE, 0, 0) &
         (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
        ::SendMessageA(focus, BM_CLICK, 0, 0);
        return TRUE;
    }
    SendMessage(WM_COMMAND, pMsg->wParam == VK_RETURN ? IDOK : IDCANCEL);
    return TRUE;
}

void CTabPageSSL::OnOK() {}

void CTabPageSSL::OnCancel() {}
