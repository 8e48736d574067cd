// The auto-connect page: whether the client connects by itself when an ID and a password are
// remembered.
#pragma once

#include "res/resource.h"
#include "ui/skinned_page.h"

class CPage2Dlg : public CSkinnedPage {
public:
    enum { IDD = IDD_PAGE_AUTO_CONNECT };

    // The page's interface texts, in the order the main dialog keeps them.
    enum Text {
        kTextAutoConnect,  // text 219, checkbox 1020
        kTextExplanation,  // text 220, static 1046
        kTextCount
    };

    CPage2Dlg();

    int m_bLocked = 0;       // non-zero: the checkbox cannot be changed
    int m_nAutoConnect = 0;  // 1: connect when the credentials are remembered (store item 44)

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void InitializeValues() override;
};
