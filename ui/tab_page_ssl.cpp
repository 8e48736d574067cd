#include "ui/tab_page_ssl.h"

CTabPageSSL::CTabPageSSL(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {
    AfxEnableControlContainer();
}

void CTabPageSSL::OnTabPageActivate(int, int) {}

void CTabPageSSL::OnTabPageDeactivate(int, int) {}

// The main dialog's loop would send them on to the main dialog: Enter as its OK, Escape as its
// Cancel, and Enter on a page's button as a command the page never hears.
BOOL CTabPageSSL::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message != WM_KEYDOWN || (pMsg->wParam != VK_RETURN && pMsg->wParam != VK_ESCAPE))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

void CTabPageSSL::OnOK() {}

void CTabPageSSL::OnCancel() {}
