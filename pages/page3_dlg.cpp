#include "pages/page3_dlg.h"

#include "app/ansi_text.h"
#include "app/message_text.h"
#include "app/ovasettings_app.h"
#include "store/card_enumeration.h"
#include "store/registry_schema.h"
#include "ui/stored_selection.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>

namespace {

constexpr DWORD kMsgEnumerationFailed = 8041;

// What a locked page keeps the user from changing: all four controls.
constexpr int kEditingControls[] = {IDC_CHECK_DEFAULT_WIRELESS, IDC_CHECK_DEFAULT_WIRED,
                                    IDC_COMBO_DEFAULT_WIRELESS, IDC_COMBO_DEFAULT_WIRED};

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

}  // namespace

// The two defaults differ only in their controls and members, so each handler serves both.
struct CPage3Dlg::DefaultCard {
    CardLists list;  // the list IsNetworkCard fills for this default
    CComboBox CPage3Dlg::*combo;
    NdisNameTable CPage3Dlg::*ndisNames;
    int CPage3Dlg::*ticked;
    std::string CPage3Dlg::*name;
    int CPage3Dlg::*selection;
};

const CPage3Dlg::DefaultCard CPage3Dlg::kWireless{kWirelessList,
                                                  &CPage3Dlg::m_comboWireless,
                                                  &CPage3Dlg::m_strWirelessNdis,
                                                  &CPage3Dlg::m_bDefaultWireless,
                                                  &CPage3Dlg::m_strDefaultWirelessCard,
                                                  &CPage3Dlg::m_nWirelessSel};
const CPage3Dlg::DefaultCard CPage3Dlg::kWired{kWiredList,
                                               &CPage3Dlg::m_comboWired,
                                               &CPage3Dlg::m_strWiredNdis,
                                               &CPage3Dlg::m_bDefaultWired,
                                               &CPage3Dlg::m_strDefaultWiredCard,
                                               &CPage3Dlg::m_nWiredSel};

CPage3Dlg::CPage3Dlg()
    : CSkinnedPage(IDD, {IDC_CHECK_DEFAULT_WIRELESS, IDC_CHECK_DEFAULT_WIRED}, kTextCount) {}

void CPage3Dlg::DoDataExchange(CDataExchange* pDX) {
    CSkinnedPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMBO_DEFAULT_WIRELESS, m_comboWireless);
    DDX_Control(pDX, IDC_COMBO_DEFAULT_WIRED, m_comboWired);
    DDX_Check(pDX, IDC_CHECK_DEFAULT_WIRELESS, m_bDefaultWireless);
    DDX_Check(pDX, IDC_CHECK_DEFAULT_WIRED, m_bDefaultWired);
    DDX_CBString(pDX, IDC_COMBO_DEFAULT_WIRELESS, m_strDefaultWirelessCard);
    DDX_CBString(pDX, IDC_COMBO_DEFAULT_WIRED, m_strDefaultWiredCard);
}

const MessageMap* CPage3Dlg::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        CommandEntry(IDC_CHECK_DEFAULT_WIRELESS, BN_CLICKED, &CPage3Dlg::OnDefaultWirelessClicked),
        CommandEntry(IDC_CHECK_DEFAULT_WIRED, BN_CLICKED, &CPage3Dlg::OnDefaultWiredClicked),
        CommandEntry(IDC_COMBO_DEFAULT_WIRELESS, CBN_DROPDOWN, &CPage3Dlg::OnWirelessDropDown),
        CommandEntry(IDC_COMBO_DEFAULT_WIRELESS, CBN_SELENDOK, &CPage3Dlg::OnWirelessSelEndOk),
        CommandEntry(IDC_COMBO_DEFAULT_WIRED, CBN_DROPDOWN, &CPage3Dlg::OnWiredDropDown),
        CommandEntry(IDC_COMBO_DEFAULT_WIRED, CBN_SELENDOK, &CPage3Dlg::OnWiredSelEndOk),
    };
    static const MessageMap map{CSkinnedPage::GetMessageMap(), entries};
    return &map;
}

// The base's exchange has ticked the boxes from the names the store holds while the lists were
// still empty: what the lists show comes from the user's own values alone.
void CPage3Dlg::InitializeValues() {
    PreselectStoredCards();
    EnableListByCheck(kWireless);
    EnableListByCheck(kWired);
    SetDlgItemText(IDC_CHECK_DEFAULT_WIRELESS, m_strText[kTextDefaultWireless]);
    SetDlgItemText(IDC_CHECK_DEFAULT_WIRED, m_strText[kTextDefaultWired]);
    DisableWhenLocked(m_bLocked, kEditingControls);
    UpdateData(FALSE);
    for (const DefaultCard* card : {&kWireless, &kWired}) {
        const int shown = (this->*card->combo).GetCurSel();
        if (shown >= 0) this->*card->selection = shown;
    }
}

// Without both values the lists stay empty until the user opens them.
void CPage3Dlg::PreselectStoredCards() {
    char wireless[kUserSettingSize] = {};
    char wired[kUserSettingSize] = {};
    // both are read even when the first fails: each read opens the key, creating it if missing
    const bool wirelessRead =
        ReadUserSetting(schema::kUserOvaSettingsKey, schema::kWirelessBase, wireless);
    const bool wiredRead = ReadUserSetting(schema::kUserOvaSettingsKey, schema::kWireBase, wired);
    if (!wirelessRead || !wiredRead) return;
    IsNetworkCard(kBothLists);
    SelectStoredName(m_comboWireless, wireless);
    SelectStoredName(m_comboWired, wired);
}

// A list is offered only while its default is switched on; switching it off keeps the choice,
// so switching it on again brings the same card back.
void CPage3Dlg::EnableListByCheck(const DefaultCard& card) {
    UpdateData(TRUE);
    (this->*card.combo).EnableWindow(this->*card.ticked == 1);
}

// Cards come and go while the editor is open: a list shows the cards present when it opens.
void CPage3Dlg::RefillList(const DefaultCard& card) {
    (this->*card.combo).ResetContent();
    IsNetworkCard(card.list);
}

void CPage3Dlg::KeepChosenCard(const DefaultCard& card) {
    CComboBox& combo = this->*card.combo;
    const int chosen = combo.GetCurSel();
    if (chosen < 0) return;
    this->*card.selection = chosen;
    combo.GetLBText(chosen, this->*card.name);
    UpdateData(FALSE);
}

int CPage3Dlg::IsNetworkCard(int lists) {
    const CardEnumeration cards = EnumerateCards(ClientHandle(), "CPage3Dlg::IsNetworkCard()");
    if (cards.result != 0) {
        ShowErrorText(kMsgEnumerationFailed);
        return 0;
    }
    m_strWiredNdis.Clear();
    m_strWirelessNdis.Clear();
    const std::vector<RawCardEntry> entries = SplitCardListByCharacter(cards.text);
    for (const RawCardEntry& entry : entries) {
        // the flags are digits, so comparing them ignoring case is plain equality; a flag that
        // names neither kind leaves its card out of both lists
        const DefaultCard* card = entry.flag == "1"   ? &kWireless
                                  : entry.flag == "0" ? &kWired
                                                      : nullptr;
        if (!card) continue;
        (this->*card->ndisNames).Add(entry.ndisName);
        if (lists == card->list || lists == kBothLists)
            (this->*card->combo).AddString(entry.displayName.c_str());
    }
    return entries.empty() ? 0 : 1;
}

bool CPage3Dlg::ReadUserSetting(const char* keyPath, const char* valueName,
                                char (&output)[kUserSettingSize]) {
    HKEY opened = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_QUERY_VALUE, nullptr, &opened, nullptr) != ERROR_SUCCESS)
        return false;
    const UniqueKey key(opened);
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), valueName, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return true;
    const std::unique_ptr<BYTE[]> block(new (std::nothrow) BYTE[size]);
    if (!block) return false;
    // the output keeps its last byte zero, whatever the value's length, and no half character
    if (RegQueryValueExA(key.get(), valueName, nullptr, nullptr, block.get(), &size) ==
        ERROR_SUCCESS) {
        const char* text = reinterpret_cast<const char*>(block.get());
        std::memcpy(output, text,
                    WholeCharactersIn(text, strnlen(text, size), kUserSettingSize - 1));
    }
    return true;
}
