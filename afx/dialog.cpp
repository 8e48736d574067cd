#include "afx/dialog.h"

#include "afx/win_app.h"

INT_PTR CDialog::DoModal() {
    AFX_ASSERT(m_hWnd == nullptr);
    // The owner of a modal dialog is a top-level window, also when a page inside one opens it.
    HWND hOwner = OwnerForCreate();
    if (hOwner != nullptr) hOwner = ::GetAncestor(hOwner, GA_ROOT);
    return ::DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), hOwner,
                             DialogProc, reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    AFX_ASSERT(m_hWnd == nullptr);
    m_nIDTemplate = nIDTemplate;
    if (pParentWnd != nullptr) m_pParentWnd = pParentWnd;
    HWND hDlg = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDTemplate),
                                     OwnerForCreate(), DialogProc, reinterpret_cast<LPARAM>(this));
    if (hDlg == nullptr) return FALSE;
    // CreateDialogParam has already run WM_INITDIALOG, which attached the window.
    AFX_ASSERT(m_hWnd == hDlg);
    m_bOwnsWindow = true;
    return TRUE;
}

HWND CDialog::OwnerForCreate() const {
    if (m_pParentWnd != nullptr) return m_pParentWnd->m_hWnd;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd != this) {
        return pApp->m_pMainWnd->m_hWnd;
    }
    return nullptr;
}

// Only WM_INITDIALOG is handled here. Once the window is subclassed every message reaches the
// object through its window procedure first; what the map leaves goes to the dialog manager,
// which asks this procedure again and, answered FALSE, does its default.
INT_PTR CALLBACK CDialog::DialogProc(HWND hDlg, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;
    auto* pDialog = reinterpret_cast<CDialog*>(lParam);
    const BOOL subclassed = pDialog->SubclassWindow(hDlg);
    AFX_ASSERT(subclassed);
    return pDialog->OnInitDialog();
}

BOOL CDialog::OnInitDialog() {
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

const MessageMap* CDialog::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        CommandEntry(IDOK, BN_CLICKED, &CDialog::OnOK),
        CommandEntry(IDCANCEL, BN_CLICKED, &CDialog::OnCancel),
    };
    static const MessageMap map{CWnd::GetMessageMap(), entries};
    return &map;
}
