// The default card page: a default wireless and a default wired card for the client, each
// switched on by a checkbox and chosen from the cards of its kind. Beside each list the page
// keeps the NDIS names of the listed cards, which are stored with the chosen card's name.
#pragma once

#include "res/resource.h"
#include "store/card_list_text.h"
#include "ui/skinned_page.h"

#include <string>

class CPage3Dlg : public CSkinnedPage {
public:
    enum { IDD = IDD_PAGE_DEFAULT_CARD };

    // The page's interface texts, in the order the main dialog keeps them.
    enum Text {
        kTextDefaultWireless,  // text 221, checkbox 1021
        kTextDefaultWired,     // text 222, checkbox 1022
        kTextCount
    };

    // The lists IsNetworkCard fills; it rebuilds both NDIS-name tables whichever it fills.
    enum CardLists : int { kWirelessList = 0, kWiredList = 1, kBothLists = 2 };

    // The bytes ReadUserSetting can hand back, its zero included.
    static constexpr int kUserSettingSize = 260;

    CPage3Dlg();

    // Handed in by the main dialog before the window is made.
    int m_bLocked = 0;  // non-zero: the checkboxes and the lists cannot be changed

    // Read by the main dialog on OK, after StoreValues.
    NdisNameTable m_strWiredNdis;     // in the order of list 1015
    NdisNameTable m_strWirelessNdis;  // in the order of list 1014
    int m_nWiredSel = 0;              // the entry selected in list 1015
    int m_nWirelessSel = 0;           // the entry selected in list 1014
    // Handed in from the store (a name stored ticks its box) and read back on OK.
    int m_bDefaultWireless = 0;
    std::string m_strDefaultWirelessCard;  // display name, as list 1014 shows it
    int m_bDefaultWired = 0;
    std::string m_strDefaultWiredCard;

    // Enumerates the cards afresh and appends those of each kind to the lists LISTS names. 1 when
    // the client answered at least one card, 0 when it answered none or failed.
    int IsNetworkCard(int lists);

    // Reads the text value VALUE_NAME of KEY_PATH under HKEY_CURRENT_USER, creating the key when
    // it is missing, into OUTPUT (zero-filled by the caller): at most kUserSettingSize - 1 bytes,
    // the rest of a longer value is cut off. A missing value leaves OUTPUT as it was. False only
    // when the key cannot be opened or memory runs out.
    static bool ReadUserSetting(const char* keyPath, const char* valueName,
                                char (&output)[kUserSettingSize]);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void InitializeValues() override;
    const MessageMap* GetMessageMap() const override;

private:
    // One default: its checkbox, its list and the members that go with them.
    struct DefaultCard;
    static const DefaultCard kWireless;
    static const DefaultCard kWired;

    void PreselectStoredCards();
    void EnableListByCheck(const DefaultCard& card);
    void RefillList(const DefaultCard& card);
    void KeepChosenCard(const DefaultCard& card);

    void OnDefaultWirelessClicked() { EnableListByCheck(kWireless); }
    void OnDefaultWiredClicked() { EnableListByCheck(kWired); }
    void OnWirelessDropDown() { RefillList(kWireless); }
    void OnWiredDropDown() { RefillList(kWired); }
    void OnWirelessSelEndOk() { KeepChosenCard(kWireless); }
    void OnWiredSelEndOk() { KeepChosenCard(kWired); }

    CComboBox m_comboWireless;  // 1014
    CComboBox m_comboWired;     // 1015
};
