#include "pages/page8_dlg.h"

#include "app/message_text.h"
#include "store/machine_registry.h"
#include "store/nics_info.h"
#include "store/profile_catalogue.h"
#include "store/registry_schema.h"
#include "ui/captions.h"
#include "ui/stored_selection.h"

namespace {

constexpr DWORD kMsgSwitchValuesUnreadable = 8091;
constexpr DWORD kMsgNoticeUnreadable = 8092;
constexpr size_t kValueBufferSize = 260;

constexpr Caption kCaptions[] = {
    {IDC_CHECK_AUTO_SWITCH, CPage8Dlg::kTextAutoSwitch},
    {IDC_CHECK_SWITCH_NOTICE, CPage8Dlg::kTextNotice},
    {IDC_STATIC_SWITCH_WIRED_PROFILE, CPage8Dlg::kTextWiredProfile},
    {IDC_STATIC_SWITCH_WIRELESS_PROFILE, CPage8Dlg::kTextWirelessProfile},
    {IDC_STATIC_SWITCH_WIRED_CARD, CPage8Dlg::kTextWiredCard},
    {IDC_STATIC_SWITCH_WIRELESS_CARD, CPage8Dlg::kTextWirelessCard},
};

// What switching on makes usable, and switching off keeps as it is but out of reach.
constexpr int kSwitchControls[] = {IDC_CHECK_SWITCH_NOTICE, IDC_COMBO_SWITCH_WIRED_PROFILE,
                                   IDC_COMBO_SWITCH_WIRELESS_PROFILE, IDC_COMBO_SWITCH_WIRED_CARD,
                                   IDC_COMBO_SWITCH_WIRELESS_CARD};

// A stored text of at most 259 characters, as the page's buffer holds it.
bool ReadServiceText(const char* name, std::string* value) {
    return ReadMachineString(schema::kOvaSvcKey, name, kValueBufferSize, value);
}

bool ReadServiceDword(const char* name, int* value) {
    DWORD cell = 0;
    if (!ReadMachineDword(schema::kOvaSvcKey, name, &cell)) return false;
    *value = static_cast<int>(cell);
    return true;
}

}  // namespace

CPage8Dlg::CPage8Dlg()
    : CSkinnedPage(IDD,
                   {IDC_CHECK_AUTO_SWITCH, IDC_CHECK_SWITCH_NOTICE, IDC_STATIC_SWITCH_WIRED_PROFILE,
                    IDC_STATIC_SWITCH_WIRELESS_PROFILE, IDC_STATIC_SWITCH_WIRED_CARD,
                    IDC_STATIC_SWITCH_WIRELESS_CARD},
                   kTextCount) {}

const MessageMap* CPage8Dlg::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        CommandEntry(IDC_CHECK_AUTO_SWITCH, BN_CLICKED, &CPage8Dlg::OnAutoSwitch),
    };
    static const MessageMap map{CSkinnedPage::GetMessageMap(), entries};
    return &map;
}

void CPage8Dlg::DoDataExchange(CDataExchange* pDX) {
    CSkinnedPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMBO_SWITCH_WIRED_PROFILE, m_comboWiredProfile);
    DDX_Control(pDX, IDC_COMBO_SWITCH_WIRELESS_PROFILE, m_comboWirelessProfile);
    DDX_Control(pDX, IDC_COMBO_SWITCH_WIRED_CARD, m_comboWiredCard);
    DDX_Control(pDX, IDC_COMBO_SWITCH_WIRELESS_CARD, m_comboWirelessCard);
}

void CPage8Dlg::InitializeValues() {
    SetCaptions(*this, kCaptions, m_strText.data());
    // without its values the page offers nothing to choose, and every control stays as the
    // template makes it
    if (!ReadStoredValues()) return;
    FillLists();
    const bool on = m_nAutoSwitch != 0;  // any value but 0 counts as on
    if (on) CheckDlgButton(IDC_CHECK_AUTO_SWITCH, BST_CHECKED);
    EnableControls(on, kSwitchControls);
    if (on) SelectStoredValues();
}

bool CPage8Dlg::ReadStoredValues() {
    // the first value that cannot be read ends the reading
    if (!ReadServiceDword(schema::kWireWirelessAutoSwitch, &m_nAutoSwitch) ||
        !ReadServiceText(schema::kWireProfile, &m_strWireProfile) ||
        !ReadServiceText(schema::kWirelessProfile, &m_strWirelessProfile) ||
        !ReadServiceText(schema::kWireCard, &m_strWireCard) ||
        !ReadServiceText(schema::kWirelessCard, &m_strWirelessCard)) {
        ShowErrorText(kMsgSwitchValuesUnreadable);
        return false;
    }
    if (!ReadServiceDword(schema::kUserNotice, &m_nUserNotice)) {
        ShowErrorText(kMsgNoticeUnreadable);
        return false;
    }
    return true;
}

// The lists sort themselves, so the names show in alphabetical order whatever order they come in.
void CPage8Dlg::FillLists() {
    if (const NicsInfo* cards = GetNicsInfo()) {
        for (const NicEntry& card : *cards) {
            CComboBox& list =
                card.NicType == kNicTypeWired ? m_comboWiredCard : m_comboWirelessCard;
            list.AddString(card.NicName.c_str());
        }
    }
    if (const ProfilesInfo* profiles = GetProfilesInfo()) {
        for (const ProfileEntry& profile : *profiles) {
            CComboBox& list =
                profile.kind == kProfileKindWired ? m_comboWiredProfile : m_comboWirelessProfile;
            list.AddString(profile.name.c_str());
        }
    }
}

// A stored profile or card that is no longer listed stays unselected, without a word.
void CPage8Dlg::SelectStoredValues() {
    if (m_nUserNotice == 1) CheckDlgButton(IDC_CHECK_SWITCH_NOTICE, BST_CHECKED);
    SelectStoredProfile(m_comboWiredProfile, m_strWireProfile);
    SelectStoredProfile(m_comboWirelessProfile, m_strWirelessProfile);
    SelectStoredName(m_comboWiredCard, m_strWireCard);
    SelectStoredName(m_comboWirelessCard, m_strWirelessCard);
}

// Switching off keeps the choices made, only out of reach until switching is on again.
void CPage8Dlg::OnAutoSwitch() {
    EnableControls(IsDlgButtonChecked(IDC_CHECK_AUTO_SWITCH) == BST_CHECKED, kSwitchControls);
}
