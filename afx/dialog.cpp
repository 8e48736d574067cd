#include "afx/dialog.h"

#include "afx/win_app.h"

#include <utility>

namespace {

// The dialog manager's loop hands each message to the thread's message filter before it
// translates the keys for the dialog. There the windows between the message's window and the
// top-level dialog see it first, the innermost first, so that a dialog inside the dialog keeps
// its own keys. One filter serves nested modal dialogs.
class PreTranslateFilter {
public:
    PreTranslateFilter() {
        if (s_users++ == 0)
            s_hook = ::SetWindowsHookExA(WH_MSGFILTER, Filter, nullptr, ::GetCurrentThreadId());
    }
    ~PreTranslateFilter() {
        if (--s_users == 0 && s_hook != nullptr) {
            ::UnhookWindowsHookEx(s_hook);
            s_hook = nullptr;
        }
    }
    PreTranslateFilter(const PreTranslateFilter&) = delete;
    PreTranslateFilter& operator=(const PreTranslateFilter&) = delete;

private:
    static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam) {
        auto* pMsg = reinterpret_cast<MSG*>(lParam);
        // A window that hands this very message to the dialog manager itself brings it back
        // here; a dialog opened while it is walked has messages of its own.
        static const MSG* walked = nullptr;
        if (code == MSGF_DIALOGBOX && pMsg != walked) {
            const MSG* outer = std::exchange(walked, pMsg);
            const bool taken = Walk(pMsg);
            walked = outer;
            if (taken) return TRUE;
        }
        return ::CallNextHookEx(s_hook, code, wParam, lParam);
    }

    static bool Walk(MSG* pMsg) {
        for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
            CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
            if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg)) return true;
            if (!(::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD)) break;  // the dialog itself
        }
        return false;
    }

    static inline int s_users = 0;
    static inline HHOOK s_hook = nullptr;
};

}  // namespace

INT_PTR CDialog::DoModal() {
    AFX_ASSERT(m_hWnd == nullptr);
    // The owner of a modal dialog is a top-level window, also when a page inside one opens it.
    HWND hOwner = OwnerForCreate();
    if (hOwner != nullptr) hOwner = ::GetAncestor(hOwner, GA_ROOT);
    PreTranslateFilter filter;
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
