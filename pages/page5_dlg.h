// The trusted root certificate page: the certificates the client trusts, one row per file of its
// certificate folder, and the import of another one. Unlike the other pages it acts at once: an
// import changes the certificate folder, and the main dialog reads nothing back.
#pragma once

#include "afx/afxcmn.h"
#include "afx/afxdlgs.h"
#include "client/ovacli.h"
#include "res/resource.h"
#include "ui/skinned_page.h"

#include <memory>
#include <string>
#include <vector>

class CPage5Dlg : public CSkinnedPage {
public:
    enum { IDD = IDD_PAGE_TRUSTED_ROOT };

    // The page's interface texts, in the order the main dialog keeps them.
    enum Text {
        kTextTrustedRoots,  // text 230, label 1042
        kTextColumn0,       // text 231, header of the list's first column
        kTextColumn1,       // text 232, header of the second column
        kTextImport,        // text 233, button 1053
        kTextImportFilter,  // text 234, the import file dialog's filter
        kTextImportTitle,   // text 235, the import file dialog's title
        kTextCount
    };

    // The longest path the page hands the client library, its zero included.
    static constexpr int kPathSize = 260;

    // What one row shows and opens: the five texts the library gives for the certificate (the
    // second and third are the row's columns) and the certificate's file.
    struct CertItem {
        char text[5][kQtvCertTextSize];
        char path[kPathSize];
    };

    CPage5Dlg();

    CImageList m_imageList;       // the certificate icon, shown on every row
    std::string m_strAppDataDir;  // the user's application-data folder, where opened copies go
    int m_bLocked = 0;      // non-zero: the list and its label are greyed; importing still works
    CListCtrl m_listCerts;  // 1052

protected:
    void InitializeValues() override;
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap* GetMessageMap() const override;

    // The system's open-file dialog for the import, IDOK when a file was chosen; and the shell's
    // "open" of a certificate copy. Tests answer both themselves: neither dialog nor viewer can
    // be left running in a test.
    virtual INT_PTR AskImportFile(CFileDialog& dialog) { return dialog.DoModal(); }
    virtual void OpenWithShell(const std::string& path);

private:
    void SetUpList();
    void SetCountHeader();
    void FillList();
    void AddRow(const char* path);
    void EmptyList();
    bool AskReplace(const std::string& fileName);

    void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDoubleClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnImport();
    void OnDestroy();

    // The records behind the rows, in row order; each row's item data points at its own.
    std::vector<std::unique_ptr<CertItem>> m_certItems;
};
