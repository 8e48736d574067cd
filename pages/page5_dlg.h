// The trusted root certificate page: the certificates the client trusts, one row per file of its
// certificate folder, and the import of another one.
#pragma once

#include "afx/afxcmn.h"
#include "res/resource.h"
#include "ui/skinned_page.h"

#include <string>

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

    CPage5Dlg();

    CImageList m_imageList;       // the certificate icon, shown on every row
    std::string m_strAppDataDir;  // the user's application-data folder, where opened copies go
    int m_bLocked = 0;  // non-zero: the list and its label are greyed; importing still works

protected:
    void InitializeValues() override;

private:
    void SetUpList();
};
