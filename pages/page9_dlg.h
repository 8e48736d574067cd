// The start-up authentication page: whether the client authenticates when Windows starts, and
// with which wired or wireless profile.
#pragma once

#include "res/resource.h"
#include "ui/skinned_page.h"

#include <string>

class CPage9Dlg : public CSkinnedPage {
public:
    enum { IDD = IDD_PAGE_STARTUP_AUTH };

    // The page's interface texts, in the order the main dialog keeps them.
    enum Text {
        kTextWired,            // text 260, radio 1078
        kTextWireless,         // text 261, radio 1079
        kTextWiredProfile,     // text 262, label 1083
        kTextWirelessProfile,  // text 263, label 1084
        kTextStartUpAuth,      // text 264, checkbox 1087
        kTextCount
    };

    CPage9Dlg();

    int m_nStartUpMode =
        0;  // 1: the choice lives in a Startup-folder shortcut, else in the registry

protected:
    void InitializeValues() override;
};
