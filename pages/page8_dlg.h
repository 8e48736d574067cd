// The wired/wireless switch page: whether the client switches between a wired and a wireless
// connection by itself, whether it tells the user, and the profiles and cards it switches with.
#pragma once

#include "afx/afxwin.h"
#include "res/resource.h"
#include "ui/skinned_page.h"

#include <string>

class CPage8Dlg : public CSkinnedPage {
public:
    enum { IDD = IDD_PAGE_SWITCH };

    // The page's interface texts, in the order the main dialog keeps them.
    enum Text {
        kTextAutoSwitch,       // text 252, checkbox 1066
        kTextNotice,           // text 253, checkbox 1067
        kTextWiredProfile,     // text 254, label 1072
        kTextWirelessProfile,  // text 255, label 1073
        kTextWiredCard,        // text 256, label 1074
        kTextWirelessCard,     // text 257, label 1075
        kTextCount
    };

    CPage8Dlg();

    // The stored values, read from the client's service key when the page is made.
    int m_nAutoSwitch = 0;             // non-zero: switching is on
    int m_nUserNotice = 0;             // 1: the user is told when the client switches to wireless
    std::string m_strWireProfile;      // full path of the wired profile
    std::string m_strWirelessProfile;  // full path of the wireless profile
    std::string m_strWireCard;         // name of the wired card
    std::string m_strWirelessCard;     // name of the wireless card

    // The lists; on OK the main dialog reads their texts and the two checkboxes.
    CComboBox m_comboWiredProfile;
    CComboBox m_comboWirelessProfile;
    CComboBox m_comboWiredCard;
    CComboBox m_comboWirelessCard;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void InitializeValues() override;
    const MessageMap* GetMessageMap() const override;

private:
    // False, after showing 8091 or 8092, when a value cannot be read.
    bool ReadStoredValues();
    void FillLists();
    void SelectStoredValues();
    void OnAutoSwitch();
};
