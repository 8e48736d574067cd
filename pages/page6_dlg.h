// The Windows logon page: authentication at Windows logon through the client's logon module,
// with the card, the profile and the seconds the logon waits for it.
#pragma once

#include "res/resource.h"
#include "store/nics_info.h"
#include "store/profile_catalogue.h"
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

    // Loads what the client stored for the logon, but only while Windows names the client's
    // logon module as its logon DLL; a value that cannot be read keeps its member as it was.
    void LoadGinaSettings();

    std::string m_strUseOvaGina;         // "1": authentication at logon is on
    std::string m_strNicName;            // display name of the chosen card
    std::string m_strNicType;            // its kind: "wired" or "ndis"
    std::string m_strNdisName;           // its NDIS name
    std::string m_strProfileName;        // name of the chosen profile
    std::string m_strProfilePathName;    // full path of the chosen profile file
    std::string m_strAuthTimeout = "7";  // seconds the logon waits, as text

    // The lists made once at program start, not owned; null in a process that made none.
    const NicsInfo* m_pNicsInfo;
    const ProfilesInfo* m_pProfilesInfo;

    // Controls.
    CComboBox m_cardList;     // 1057: the cards' display names, in the card list's order
    CComboBox m_profileList;  // 1059: profile names

protected:
    void InitializeValues() override;
    void DoDataExchange(CDataExchange* pDX) override;
    const MessageMap* GetMessageMap() const override;

private:
    void FillAndLoad();
    void ShowStoredChoice();
    // The profiles of KIND ("ndis" or "wired"); every profile for any other kind.
    void FillProfileList(const std::string& kind);
    // The card, profile and wait-time groups, which follow the main switch.
    void EnableSwitchedGroups(bool enable);

    void OnUseLogonClicked();
    void OnCardChosen();
};
