#include "pages/page9_dlg.h"

#include "app/message_text.h"
#include "store/machine_registry.h"
#include "store/profile_rules.h"
#include "store/registry_schema.h"
#include "store/startup_shortcuts.h"
#include "ui/captions.h"
#include "ui/stored_selection.h"

namespace {

constexpr DWORD kMsgNoProfiles = 8098;
constexpr DWORD kMsgEnableUnreadable = 8106;
constexpr DWORD kMsgDriverUnreadable = 8107;
constexpr DWORD kMsgProfileUnreadable = 8108;
constexpr DWORD kMsgUnknownDriver = 8109;
constexpr DWORD kMsgUnknownEnable = 8110;
constexpr DWORD kMsgSeveralShortcuts = 8111;
constexpr int kShortcutMode = 1;
constexpr size_t kValueBufferSize = 260;

constexpr Caption kCaptions[] = {
    {IDC_RADIO_STARTUP_WIRED, CPage9Dlg::kTextWired},
    {IDC_RADIO_STARTUP_WIRELESS, CPage9Dlg::kTextWireless},
    {IDC_STATIC_STARTUP_WIRED, CPage9Dlg::kTextWiredProfile},
    {IDC_STATIC_STARTUP_WIRELESS, CPage9Dlg::kTextWirelessProfile},
    {IDC_CHECK_STARTUP_AUTH, CPage9Dlg::kTextStartUpAuth},
};

constexpr int kChoiceControls[] = {IDC_RADIO_STARTUP_WIRED, IDC_RADIO_STARTUP_WIRELESS,
                                   IDC_COMBO_STARTUP_WIRED, IDC_COMBO_STARTUP_WIRELESS};

// A single profile is the choice whatever its name; among several, the one named exactly
// (ignoring case) is found by the lists' own prefix search.
void SelectStartUpProfile(CComboBox& list, const std::string& path) {
    const std::string name = StoredProfileName(path);
    const int count = list.GetCount();
    if (count == 1) {
        list.SetCurSel(0);
        return;
    }
    if (name.empty() || count <= 0) return;
    for (int i = 0; i < count; ++i) {
        std::string entry;
        list.GetLBText(i, entry);
        if (lstrcmpiA(entry.c_str(), name.c_str()) == 0) {
            list.SelectString(0, entry.c_str());
            return;
        }
    }
}

bool ReadStartUpText(const char* name, std::string* value) {
    return ReadMachineString(schema::kStartUpKey, name, kValueBufferSize, value);
}

}  // namespace

CPage9Dlg::CPage9Dlg()
    : CSkinnedPage(IDD,
                   {IDC_RADIO_STARTUP_WIRED, IDC_RADIO_STARTUP_WIRELESS, IDC_COMBO_STARTUP_WIRED,
                    IDC_COMBO_STARTUP_WIRELESS, IDC_STATIC_STARTUP_WIRED,
                    IDC_STATIC_STARTUP_WIRELESS, IDC_CHECK_STARTUP_AUTH},
                   kTextCount) {}

const MessageMap* CPage9Dlg::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        CommandEntry(IDC_RADIO_STARTUP_WIRED, BN_CLICKED, &CPage9Dlg::OnWired),
        CommandEntry(IDC_RADIO_STARTUP_WIRELESS, BN_CLICKED, &CPage9Dlg::OnWireless),
        CommandEntry(IDC_CHECK_STARTUP_AUTH, BN_CLICKED, &CPage9Dlg::OnStartUpAuth),
    };
    static const MessageMap map{CSkinnedPage::GetMessageMap(), entries};
    return &map;
}

void CPage9Dlg::DoDataExchange(CDataExchange* pDX) {
    CSkinnedPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMBO_STARTUP_WIRED, m_comboWired);
    DDX_Control(pDX, IDC_COMBO_STARTUP_WIRELESS, m_comboWireless);
}

void CPage9Dlg::InitializeValues() {
    SetCaptions(*this, kCaptions, m_strText.data());
    ProfileLists profiles;
    if (!ListAllProfiles(&profiles)) {
        // nothing to authenticate with: the registry is not even read
        ShowErrorText(kMsgNoProfiles);
        return;
    }
    m_WiredProfiles = std::move(profiles.wired);
    m_WirelessProfiles = std::move(profiles.wireless);
    for (const ProfileEntry& profile : m_WiredProfiles)
        m_comboWired.AddString(profile.name.c_str());
    for (const ProfileEntry& profile : m_WirelessProfiles)
        m_comboWireless.AddString(profile.name.c_str());
    if (m_nStartUpMode == kShortcutMode)
        LoadFromShortcut();
    else
        LoadFromRegistry();
}

// Each failure stops the loading where it is: the controls keep the state they have then.
void CPage9Dlg::LoadFromRegistry() {
    DWORD enable = 0;
    std::string driver, profile;
    if (!ReadMachineDword(schema::kStartUpKey, schema::kStartUpAuthEnable, &enable)) {
        ShowErrorText(kMsgEnableUnreadable);
        return;
    }
    if (!ReadStartUpText(schema::kStartUpDriver, &driver)) {
        ShowErrorText(kMsgDriverUnreadable);
        return;
    }
    if (!ReadStartUpText(schema::kStartUpProfile, &profile)) {
        ShowErrorText(kMsgProfileUnreadable);
        return;
    }
    if (lstrcmpiA(driver.c_str(), "wired") == 0) {
        SelectStartUpProfile(m_comboWired, profile);
        ChooseKind(true);
    } else if (lstrcmpiA(driver.c_str(), "ndis") == 0) {
        SelectStartUpProfile(m_comboWireless, profile);
        ChooseKind(false);
    } else {
        ShowErrorText(kMsgUnknownDriver);
        return;
    }
    if (enable == 0) {
        // switched off, the stored choice stays shown, out of reach
        EnableControls(false, kChoiceControls);
        CheckDlgButton(IDC_CHECK_STARTUP_AUTH, BST_UNCHECKED);
    } else if (enable == 1) {
        CheckDlgButton(IDC_CHECK_STARTUP_AUTH, BST_CHECKED);
    } else {
        ShowErrorText(kMsgUnknownEnable);
    }
}

// A shortcut is on by being there: the switch has no meaning in this mode.
void CPage9Dlg::LoadFromShortcut() {
    GetDlgItem(IDC_CHECK_STARTUP_AUTH)->ShowWindow(SW_HIDE);
    const StartUpShortcut shortcut = FindStartUpShortcut();
    if (shortcut.count == StartUpShortcut::kMoreThanOne) ShowErrorText(kMsgSeveralShortcuts);
    const std::string& target = shortcut.target;
    // the short 8.3 target keeps ".wcf" only in the letter case it was made with
    const bool wireless = ProfileKindOf(target) == std::string(kProfileKindWireless);
    SelectStartUpProfile(wireless ? m_comboWireless : m_comboWired, target);
    ChooseKind(!wireless);
}

void CPage9Dlg::ChooseKind(bool wired) {
    CheckDlgButton(wired ? IDC_RADIO_STARTUP_WIRED : IDC_RADIO_STARTUP_WIRELESS, BST_CHECKED);
    EnableKindList(wired);
}

void CPage9Dlg::EnableKindList(bool wired) {
    GetDlgItem(IDC_COMBO_STARTUP_WIRED)->EnableWindow(wired);
    GetDlgItem(IDC_COMBO_STARTUP_WIRELESS)->EnableWindow(!wired);
}

// Choosing a kind with a single profile of it chooses that profile too.
void CPage9Dlg::OnKindChosen(bool wired) {
    CComboBox& list = wired ? m_comboWired : m_comboWireless;
    if (list.GetCount() == 1) {
        std::string only;
        list.GetLBText(0, only);
        list.SelectString(0, only.c_str());
    }
    EnableKindList(wired);
}

void CPage9Dlg::OnStartUpAuth() {
    if (IsDlgButtonChecked(IDC_CHECK_STARTUP_AUTH) != BST_CHECKED) {
        EnableControls(false, kChoiceControls);
        return;
    }
    GetDlgItem(IDC_RADIO_STARTUP_WIRED)->EnableWindow(TRUE);
    GetDlgItem(IDC_RADIO_STARTUP_WIRELESS)->EnableWindow(TRUE);
    EnableKindList(IsDlgButtonChecked(IDC_RADIO_STARTUP_WIRED) == BST_CHECKED);
}
