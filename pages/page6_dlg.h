// The Windows logon page: authentication at Windows logon through the client's logon module,
// with the card, the profile and the seconds the logon waits for it.
#pragma once

#include "res/resource.h"
#include "ui/skinned_page.h"

#include <string>

class CPage6Dlg : public CSkinnedPage {
public:
    enum { IDD = IDD_PAGE_WINDOWS_LOGON };

    // The page's interface texts, in the order the main dialog keeps them.
    enum Text {
        kTextUseLogon,  // text 242, checkbox 1055
        kTextCard,      // text 243, label 1056
        kTextProfile,   // text 244, label 1058
        kTextWait,      // text 245, label 1060
        kTextSeconds,   // text 246, label 1061
        kTextCount
    };

    CPage6Dlg();

    std::string m_strUseOvaGina;         // "1": authentication at logon is on
    std::string m_strNicName;            // display name of the chosen card
    std::string m_strNicType;            // its kind: "wired" or "ndis"
    std::string m_strNdisName;           // its NDIS name
    std::string m_strProfileName;        // name of the chosen profile
    std::string m_strProfilePathName;    // full path of the chosen profile file
    std::string m_strAuthTimeout = "7";  // seconds the logon waits, as text

protected:
    void InitializeValues() override;
};
