// CFileDialog: the system's open-file and save-file dialogs. Unlike MFC's it is not a CWnd: the
// system owns the window for the whole run, and only the chosen path comes back.
//
//     CFileDialog dlg(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_LONGNAMES,
//                     "Certificates (*.cer)|*.cer|All files (*.*)|*.*||", this);
//     dlg.m_ofn.lpstrTitle = "Import";
//     if (dlg.DoModal() == IDOK) Use(dlg.GetPathName());
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

class CWnd;

class CFileDialog {
public:
    // lpszDefExt: the extension added to a name typed without one (no dot); lpszFileName: the
    // name shown at first; lpszFilter: pairs of description and patterns, each followed by "|",
    // the whole ended by another "|".
    explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr,
                         LPCSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCSTR lpszFilter = nullptr, CWnd* pParentWnd = nullptr);
    virtual ~CFileDialog() = default;
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK when a file was chosen; IDCANCEL when the user cancelled or the dialog failed.
    virtual INT_PTR DoModal();

    // The chosen file's full path.
    std::string GetPathName() const { return m_szFileName; }

    // Filled by the constructor; may be changed before DoModal (lpstrTitle, lpstrInitialDir).
    OPENFILENAMEA m_ofn = {};

private:
    BOOL m_bOpenFileDialog;
    CWnd* m_pParentWnd;
    std::string m_strFilter;
    std::string m_strDefExt;
    char m_szFileName[MAX_PATH] = {};
};
