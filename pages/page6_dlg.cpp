#include "pages/page6_dlg.h"

#include "app/message_text.h"
#include "app/windows_version.h"
#include "store/machine_registry.h"
#include "store/registry_schema.h"
#include "ui/captions.h"
#include "ui/stored_selection.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr Caption kCaptions[] = {
    {IDC_CHECK_WINDOWS_LOGON, CPage6Dlg::kTextUseLogon},
    {IDC_STATIC_LOGON_CARD, CPage6Dlg::kTextCard},
    {IDC_STATIC_LOGON_PROFILE, CPage6Dlg::kTextProfile},
    {IDC_STATIC_LOGON_WAIT, CPage6Dlg::kTextWait},
    {IDC_STATIC_LOGON_SECONDS, CPage6Dlg::kTextSeconds},
};

// The groups below the main switch; each is enabled or disabled as a whole.
constexpr int kCardGroup[] = {IDC_STATIC_LOGON_CARD, IDC_COMBO_LOGON_CARD};
constexpr int kProfileAndWaitGroups[] = {IDC_STATIC_LOGON_PROFILE, IDC_COMBO_LOGON_PROFILE,
                                         IDC_STATIC_LOGON_WAIT, IDC_EDIT_LOGON_WAIT,
                                         IDC_STATIC_LOGON_SECONDS};
constexpr int kEveryControl[] = {
    IDC_CHECK_WINDOWS_LOGON, IDC_STATIC_LOGON_CARD, IDC_COMBO_LOGON_CARD, IDC_STATIC_LOGON_PROFILE,
    IDC_COMBO_LOGON_PROFILE, IDC_STATIC_LOGON_WAIT, IDC_EDIT_LOGON_WAIT,  IDC_STATIC_LOGON_SECONDS};

constexpr DWORD kMsgCardNotListed = 8087;  // the chosen card is not in the card list

constexpr std::size_t kGinaValueSize = 256;
constexpr std::size_t kOvaGinaNameLength = sizeof schema::kOvaGinaDllName - 1;

// A value that cannot be read keeps what MEMBER held.
void ReadGinaValue(const char* name, std::string* member) {
    ReadMachineString(schema::kOvaGinaKey, name, kGinaValueSize, member);
}

}  // namespace

// Everything but the wait-time edit is drawn in the skin colour.
CPage6Dlg::CPage6Dlg()
    : CSkinnedPage(IDD,
                   {IDC_CHECK_WINDOWS_LOGON, IDC_STATIC_LOGON_CARD, IDC_COMBO_LOGON_CARD,
                    IDC_STATIC_LOGON_PROFILE, IDC_COMBO_LOGON_PROFILE, IDC_STATIC_LOGON_WAIT,
                    IDC_STATIC_LOGON_SECONDS},
                   kTextCount),
      m_pNicsInfo(GetNicsInfo()),
      m_pProfilesInfo(GetProfilesInfo()) {}

void CPage6Dlg::DoDataExchange(CDataExchange* pDX) {
    CSkinnedPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMBO_LOGON_CARD, m_cardList);
    DDX_Control(pDX, IDC_COMBO_LOGON_PROFILE, m_profileList);
}

const MessageMap* CPage6Dlg::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        CommandEntry(IDC_CHECK_WINDOWS_LOGON, BN_CLICKED, &CPage6Dlg::OnUseLogonClicked),
        CommandEntry(IDC_COMBO_LOGON_CARD, CBN_SELENDOK, &CPage6Dlg::OnCardChosen),
    };
    static const MessageMap map{CSkinnedPage::GetMessageMap(), entries};
    return &map;
}

void CPage6Dlg::LoadGinaSettings() {
    // Windows runs the client's logon module only while its logon key names it, spelt as the
    // client installs it; otherwise whatever the client once stored is not what happens at
    // logon, and the page starts as if nothing were stored.
    char gina[kGinaValueSize] = {};
    if (!ReadMachineText(schema::kWinlogonKey, schema::kGinaDll, gina, sizeof gina) ||
        std::strncmp(gina, schema::kOvaGinaDllName, kOvaGinaNameLength) != 0)
        return;
    for (auto [name, member] : {std::pair{schema::kUseOvaGina, &m_strUseOvaGina},
                                std::pair{schema::kGinaAuthTimeout, &m_strAuthTimeout},
                                std::pair{schema::kGinaNicName, &m_strNicName},
                                std::pair{schema::kGinaNdisName, &m_strNdisName},
                                std::pair{schema::kGinaNicType, &m_strNicType},
                                std::pair{schema::kGinaProfilePathName, &m_strProfilePathName}})
        ReadGinaValue(name, member);
}

void CPage6Dlg::InitializeValues() {
    SetCaptions(*this, kCaptions, m_strText.data());
    if (IsNtFamily()) {
        FillAndLoad();
    } else {
        // The client's logon module is one of the NT family's: older systems show the page but
        // cannot use it.
        CheckDlgButton(IDC_CHECK_WINDOWS_LOGON, BST_UNCHECKED);
        EnableControls(false, kEveryControl);
    }
}

void CPage6Dlg::FillAndLoad() {
    // in the card list's order, so that an index of the list is an index of the card list
    if (m_pNicsInfo != nullptr)
        for (const NicEntry& card : *m_pNicsInfo) m_cardList.AddString(card.NicName.c_str());
    LoadGinaSettings();
    FillProfileList(m_strNicType);
    if (m_strUseOvaGina == "1") {
        CheckDlgButton(IDC_CHECK_WINDOWS_LOGON, BST_CHECKED);
        EnableSwitchedGroups(true);
        ShowStoredChoice();
    } else {
        EnableSwitchedGroups(false);
    }
    SetDlgItemText(IDC_EDIT_LOGON_WAIT, m_strAuthTimeout);
}

void CPage6Dlg::ShowStoredChoice() {
    SelectStoredName(m_cardList, m_strNicName);
    if (!m_strProfilePathName.empty()) {
        SelectStoredProfile(m_profileList, m_strProfilePathName);
        return;
    }
    // Logon authentication is on without a profile: the list offers an empty entry to keep it
    // so, and starts on its first entry.
    m_profileList.AddString("");
    m_profileList.SetCurSel(0);
}

void CPage6Dlg::EnableSwitchedGroups(bool enable) {
    EnableControls(enable, kCardGroup);
    EnableControls(enable, kProfileAndWaitGroups);
}

void CPage6Dlg::FillProfileList(const std::string& kind) {
    if (m_pProfilesInfo == nullptr) return;
    // A kind that is neither (nothing stored yet) leaves the choice open: every profile.
    const bool everyKind = kind != kProfileKindWired && kind != kProfileKindWireless;
    for (const ProfileEntry& profile : *m_pProfilesInfo)
        if (everyKind || profile.kind == kind) m_profileList.AddString(profile.name.c_str());
}

void CPage6Dlg::OnUseLogonClicked() {
    if (IsDlgButtonChecked(IDC_CHECK_WINDOWS_LOGON) != BST_CHECKED) {
        EnableSwitchedGroups(false);
        return;
    }
    EnableControls(true, kCardGroup);
    // The profile and the wait time belong to a card: without one chosen they stay as they were.
    const int index = m_cardList.GetCurSel();
    if (index == CB_ERR) return;
    std::string name;
    m_cardList.GetLBText(index, name);
    EnableControls(!name.empty(), kProfileAndWaitGroups);
}

void CPage6Dlg::OnCardChosen() {
    const int index = m_cardList.GetCurSel();
    if (index < 0) return;
    std::string name;
    m_cardList.GetLBText(index, name);
    if (name.empty()) {
        EnableControls(false, kProfileAndWaitGroups);
        return;
    }
    const bool listed = m_pNicsInfo != nullptr &&
                        std::any_of(m_pNicsInfo->begin(), m_pNicsInfo->end(),
                                    [&name](const NicEntry& card) { return card.NicName == name; });
    if (!listed) {
        ShowErrorText(kMsgCardNotListed);
        EnableControls(false, kProfileAndWaitGroups);
        return;
    }
    m_profileList.ResetContent();
    EnableControls(true, kProfileAndWaitGroups);
    NicEntry card;
    if (m_pNicsInfo->GetNicAt(index, &card)) {
        m_strNicName = card.NicName;
        m_strNicType = card.NicType;
        m_strNdisName = card.NdisName;
    }
    // A profile of the card's kind is for the user to choose: none is selected.
    FillProfileList(m_strNicType);
}
