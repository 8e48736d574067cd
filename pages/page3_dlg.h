// The default card page: a default wireless and a default wired card for the client, each
// switched on by a checkbox and chosen from the cards of its kind. Beside each list the page
// keeps the NDIS names of the listed cards, which are stored with the chosen card's name.
#pragma once

#include "res/resource.h"
#include "ui/skinned_page.h"

#include <array>
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

    // The cards of one kind that the NDIS-name tables hold.
    static constexpr int kMaxCards = 10;

    CPage3Dlg();

    int m_bLocked = 0;  // non-zero: the checkboxes and the lists cannot be changed
    std::array<std::string, kMaxCards> m_strWiredNdis;     // in the order of list 1015
    std::array<std::string, kMaxCards> m_strWirelessNdis;  // in the order of list 1014
    int m_nWiredSel = 0;                                   // the entry selected in list 1015
    int m_nWirelessSel = 0;                                // the entry selected in list 1014
    int m_bDefaultWireless = 0;
    std::string m_strDefaultWirelessCard;  // display name
    int m_bDefaultWired = 0;
    std::string m_strDefaultWiredCard;

protected:
    void InitializeValues() override;
};
