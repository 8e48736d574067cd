#include "afx/file_dialog.h"

#include "afx/system_library.h"
#include "afx/win_app.h"
#include "afx/wnd.h"

#include <algorithm>

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName,
                         DWORD dwFlags, LPCSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog), m_pParentWnd(pParentWnd) {
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof(m_szFileName);
    if (lpszFileName != nullptr) lstrcpynA(m_szFileName, lpszFileName, sizeof(m_szFileName));
    if (lpszDefExt != nullptr) {
        m_strDefExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt.c_str();
    }
    if (lpszFilter != nullptr) {
        // The system wants each part ended by a NUL and the whole by another one.
        m_strFilter = lpszFilter;
        std::replace(m_strFilter.begin(), m_strFilter.end(), '|', '\0');
        m_strFilter.push_back('\0');
        m_ofn.lpstrFilter = m_strFilter.c_str();
    }
}

INT_PTR CFileDialog::DoModal() {
    if (m_pParentWnd != nullptr) {
        m_ofn.hwndOwner = m_pParentWnd->m_hWnd;
    } else if (CWinApp* pApp = AfxGetApp(); pApp != nullptr && pApp->m_pMainWnd != nullptr) {
        m_ofn.hwndOwner = pApp->m_pMainWnd->m_hWnd;
    }
    // the common dialogs are loaded only when a file is asked for
    CSystemLibrary comdlg32("comdlg32.dll");
    auto* ask = comdlg32.Find<decltype(::GetOpenFileNameA)>(m_bOpenFileDialog ? "GetOpenFileNameA"
                                                                              : "GetSaveFileNameA");
    return ask != nullptr && ask(&m_ofn) ? IDOK : IDCANCEL;
}
