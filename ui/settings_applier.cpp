#include "ui/settings_applier.h"

#include "afx/controls.h"
#include "afx/shell_library.h"
#include "app/message_box.h"
#include "app/message_text.h"
#include "app/windows_version.h"
#include "store/machine_registry.h"
#include "store/profile_catalogue.h"
#include "store/registry_schema.h"
#include "store/settings_rules.h"
#include "store/startup_shortcuts.h"
#include "ui/ovasettings_dlg.h"

#include <shlobj.h>

#include <cstdio>
#include <cstring>

namespace {

// Messages of the applying.
constexpr DWORD kMsgStoreNotLoaded = 8012;
constexpr DWORD kMsgStoreNoFactory = 8013;
constexpr DWORD kMsgProfileRecordTooLong = 8014;
constexpr DWORD kMsgPasswordRecordTooLong = 8015;
constexpr DWORD kMsgIdRecordTooLong = 8016;
constexpr DWORD kMsgTrayCommandTooLong = 8054;
constexpr DWORD kMsgWirelessCardTooLong = 8063;
constexpr DWORD kMsgWiredCardTooLong = 8064;
constexpr DWORD kMsgLanguageNotWritten = 8076;
constexpr DWORD kMsgNoDefaultWirelessCard = 8077;
constexpr DWORD kMsgNoDefaultWiredCard = 8078;
constexpr DWORD kMsgNoSwitchWiredProfile = 8079;
constexpr DWORD kMsgNoSwitchWirelessProfile = 8080;
constexpr DWORD kMsgLogonOffNotWritten = 8081;
constexpr DWORD kMsgNoWaitTime = 8082;
constexpr DWORD kMsgWaitTimeOutOfRange = 8083;
constexpr DWORD kMsgLogonNotWritten = 8084;
constexpr DWORD kMsgRunValueNotWritten = 8099;
constexpr DWORD kMsgStartUpProfileNotWritten = 8100;
constexpr DWORD kMsgStartUpDriverNotWritten = 8101;
constexpr DWORD kMsgStartUpOnNotWritten = 8102;
constexpr DWORD kMsgStartUpOffNotWritten = 8103;
constexpr DWORD kMsgNoStartUpWiredProfile = 8104;
constexpr DWORD kMsgNoStartUpWirelessProfile = 8105;
constexpr DWORD kMsgUserShortcutNotDeleted = 8113;
constexpr DWORD kMsgCommonShortcutNotDeleted = 8114;
constexpr DWORD kMsgNoShortcutWiredProfile = 8115;
constexpr DWORD kMsgNoShortcutWirelessProfile = 8116;
constexpr DWORD kMsgShortcutNotCreated = 8117;
// The switch values, in the order they are written.
constexpr DWORD kMsgSwitchOnNotWritten = 6321;
constexpr DWORD kMsgNoticeNotWritten = 6322;
constexpr DWORD kMsgWireProfileNotWritten = 6323;
constexpr DWORD kMsgWirelessProfileNotWritten = 6324;
constexpr DWORD kMsgWireCardNotWritten = 6325;
constexpr DWORD kMsgWirelessCardNotWritten = 6326;

constexpr size_t kCommandSize = 512;   // start and tray commands: at most 511 characters
constexpr size_t kMaxCardName = 1024;  // longer default card names are refused
constexpr int kShortestWait = 1;       // seconds the logon may wait for authentication
constexpr int kLongestWait = 20;
constexpr size_t kRunValueSize = 260;            // the existence test reads the Run value into this
constexpr char kProgramTitle[] = "OvaSettings";  // the title of a box without a number

// Through the page's object, which has found its controls before.
HWND Control(HWND page, int id) {
    const CWnd* window = CWnd::FromHandle(page);
    return window != nullptr ? window->GetDlgItemHandle(id) : nullptr;
}

// The whole text, however long: a card or profile name is written as the list shows it.
std::string ControlText(HWND page, int id) {
    std::string text;
    if (CWnd* control = CWnd::FromHandle(Control(page, id))) control->GetWindowText(text);
    return text;
}

bool Ticked(HWND page, int id) {
    return SendMessageA(Control(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int Selection(HWND page, int id) {
    return static_cast<int>(SendMessageA(Control(page, id), CB_GETCURSEL, 0, 0));
}

// The selected line of a list; empty when none is selected.
std::string SelectedLine(HWND page, int id) {
    const int index = Selection(page, id);
    return index < 0 ? std::string() : ComboLineText(Control(page, id), index);
}

// FORMAT filled with two texts, cut to the 511 characters of a start-up command.
std::string Command(const char* format, const std::string& first, const std::string& second = "") {
    char command[kCommandSize] = {};
    std::snprintf(command, sizeof command, format, first.c_str(), second.c_str());
    return command;
}

// The shell's folder CSIDL; empty when the shell cannot say.
std::string ShellFolder(int csidl) {
    return SpecialFolder(csidl).value_or(std::string());
}

}  // namespace

bool SettingsApplier::Request(unsigned item, DWORD value, const std::string& text,
                              OnFailure onFailure, DWORD bufferSize, DWORD sizeCell) {
    std::string buffer(bufferSize, '\0');
    text.copy(buffer.data(), bufferSize - 1);  // cut at the buffer's last byte
    DWORD status = 0;
    if (m_store->object()->Invoke(item, &value, buffer.data(), &sizeCell, &status)) return true;
    if (onFailure == OnFailure::kFail) return Fail(status);
    ShowErrorText(status);
    return true;
}

bool SettingsApplier::Fail(DWORD number) {
    Abandon();
    ShowErrorText(number);
    return false;
}

bool SettingsApplier::Abandon() {
    m_store.reset();
    return false;
}

bool SettingsApplier::ApplySettings() {
    using namespace schema;
    m_store.emplace("OvaReg.dll");
    if (m_store->state() == LoadedModule::State::NotLoaded) return Fail(kMsgStoreNotLoaded);
    if (m_store->state() == LoadedModule::State::NoFactory) return Fail(kMsgStoreNoFactory);

    const bool autoStart = m_dialog.m_page1.m_nAutoStart == 1;
    Request(kItemBeginStartList, 0, "", OnFailure::kContinue);
    Request(kItemSetAutoStart, autoStart ? 1 : 0, "", OnFailure::kContinue);
    if (autoStart && !WriteStartList()) return false;
    Request(kItemSetAutoConnect, m_dialog.m_page2.m_nAutoConnect == 1 ? 1 : 0, "",
            OnFailure::kContinue);
    if (!WriteDefaultCards()) return false;
    WriteGeneralOptions();
    if (IsNtFamily() && !ApplyWindowsLogon()) return Abandon();
    if (!ApplySwitch()) return false;
    if (!ApplyStartUpAuth()) return false;
    m_store.reset();
    return true;
}

// Each entry goes as three records keyed by its card, then the list of their profiles.
bool SettingsApplier::WriteStartList() {
    using namespace schema;
    std::string profiles;
    for (const CPage1Dlg::StartEntry* entry : m_dialog.m_page1.StartEntries()) {
        const struct {
            const char* second;
            DWORD tooLong;
            StoreItem item;
        } records[] = {{entry->profile, kMsgProfileRecordTooLong, kItemEntryProfileRecord},
                       {entry->password, kMsgPasswordRecordTooLong, kItemEntryPasswordRecord},
                       {entry->id, kMsgIdRecordTooLong, kItemEntryIdRecord}};
        for (const auto& record : records) {
            const auto text = settings::StartEntryRecord(entry->card, record.second);
            if (!text) return Fail(record.tooLong);
            if (!Request(record.item, 0, *text, OnFailure::kFail, kStartListTextSize,
                         kStartListTextSize))
                return false;
        }
        profiles += std::string(entry->profile) + kListSeparator;
    }
    // the list is written also when it is empty; its buffer cuts it at its last byte
    return Request(kItemCommitStartList, 0, profiles, OnFailure::kFail, kStartListTextSize,
                   kStartListTextSize);
}

bool SettingsApplier::WriteDefaultCards() {
    using namespace schema;
    CPage3Dlg& page = m_dialog.m_page3;
    if (page.m_bDefaultWireless == 1 && page.m_strDefaultWirelessCard.empty())
        return Fail(kMsgNoDefaultWirelessCard);
    if (page.m_bDefaultWired == 1 && page.m_strDefaultWiredCard.empty())
        return Fail(kMsgNoDefaultWiredCard);
    const struct {
        int on;
        std::string& name;
        const NdisNameTable& ndis;
        int selection;
        DWORD tooLong;
        StoreItem nameItem, ndisItem;
    } defaults[] = {
        {page.m_bDefaultWireless, page.m_strDefaultWirelessCard, page.m_strWirelessNdis,
         page.m_nWirelessSel, kMsgWirelessCardTooLong, kItemSetDefaultWirelessCard,
         kItemSetDefaultWirelessNdis},
        {page.m_bDefaultWired, page.m_strDefaultWiredCard, page.m_strWiredNdis, page.m_nWiredSel,
         kMsgWiredCardTooLong, kItemSetDefaultWiredCard, kItemSetDefaultWiredNdis}};
    for (const auto& card : defaults) {
        if (card.on == 0) card.name.clear();  // a default switched off is stored as none
        if (card.name.size() > kMaxCardName) return Fail(card.tooLong);
        Request(card.nameItem, 0, card.name, OnFailure::kContinue);
        Request(card.ndisItem, 0, card.name.empty() ? std::string() : card.ndis[card.selection],
                OnFailure::kContinue);
    }
    return true;
}

void SettingsApplier::WriteGeneralOptions() {
    using namespace schema;
    CPage4Dlg& options = m_dialog.m_page4;
    std::string tray;
    if (options.m_bTrayAtBoot == 1) {
        if (m_dialog.m_strInstallDir.size() + 8 > kStoreTextSize)
            ShowErrorText(kMsgTrayCommandTooLong);
        else
            tray = Command("\"%s\\OvaTray.exe\" /R /1", m_dialog.m_strInstallDir);
    }
    Request(kItemSetTrayAtBoot, options.m_bTrayAtBoot, tray, OnFailure::kContinue);
    Request(kItemSetBroadcastAuth, options.m_bBroadcastAuth, "", OnFailure::kContinue);
    if (!WriteMachineDword(kOvaSettingsKey, kLanguage, options.m_nLanguage))
        ShowErrorText(kMsgLanguageNotWritten);
    Request(kItemSetTlsVersion, options.m_nTlsVersion, "", OnFailure::kContinue, kStoreTextSize,
            sizeof(DWORD));
    Request(kItemSetAutoPcName, options.m_bAutoPcName, "", OnFailure::kContinue, kStoreTextSize,
            sizeof(DWORD));
    if (options.m_bDebugData != m_dialog.m_bDebugDataAtLoad) {
        const std::string changed = settings::WithDebugData(
            m_dialog.m_szOptions, options.m_bDebugData == 1, COvaSettingsDlg::kOptionsSize);
        std::strncpy(m_dialog.m_szOptions, changed.c_str(), COvaSettingsDlg::kOptionsSize - 1);
        Request(kItemSetOptions, 0, changed, OnFailure::kContinue);
    }
}

bool SettingsApplier::ApplyWindowsLogon() {
    if (!m_dialog.m_bShowPage[COvaSettingsDlg::kShowWindowsLogon]) return true;
    CPage6Dlg& page = m_dialog.m_page6;
    const HWND p = page.m_hWnd;
    const std::string card = ControlText(p, IDC_COMBO_LOGON_CARD);
    const int cardIndex = Selection(p, IDC_COMBO_LOGON_CARD);
    const std::string profile = ControlText(p, IDC_COMBO_LOGON_PROFILE);
    // the wait time is written as typed, also when logon authentication is off
    page.m_strAuthTimeout = ControlText(p, IDC_EDIT_LOGON_WAIT);
    if (!Ticked(p, IDC_CHECK_WINDOWS_LOGON)) {
        for (std::string* member : {&page.m_strNicName, &page.m_strNdisName, &page.m_strNicType,
                                    &page.m_strProfileName, &page.m_strProfilePathName})
            member->clear();
        if (WriteGinaSettings()) return true;
        ShowErrorText(kMsgLogonOffNotWritten);
        return false;
    }
    page.m_strNicName = card;
    page.m_strProfileName = profile;
    if (page.m_strAuthTimeout.empty()) {
        ShowErrorText(kMsgNoWaitTime);
        return false;
    }
    const int wait = settings::LeadingNumber(page.m_strAuthTimeout);
    if (wait < kShortestWait || wait > kLongestWait) {
        ShowErrorText(kMsgWaitTimeOutOfRange);
        return false;
    }
    NicEntry chosen;
    if (page.m_pNicsInfo) page.m_pNicsInfo->GetNicAt(cardIndex, &chosen);  // none: left empty
    page.m_strNdisName = chosen.NdisName;
    page.m_strNicType = chosen.NicType;
    if (profile.empty()) {
        page.m_strProfilePathName.clear();
    } else if (page.m_pProfilesInfo) {
        // the last entry of that name wins; none keeps the path as it was
        for (const ProfileEntry& entry : *page.m_pProfilesInfo)
            if (entry.name == profile) page.m_strProfilePathName = entry.path;
    }
    if (WriteGinaSettings()) return true;
    ShowErrorText(kMsgLogonNotWritten);
    return false;
}

bool SettingsApplier::WriteGinaSettings() {
    using namespace schema;
    const CPage6Dlg& page = m_dialog.m_page6;
    const bool on = Ticked(page.m_hWnd, IDC_CHECK_WINDOWS_LOGON);
    const std::pair<const char*, const std::string&> values[] = {
        {kGinaNicName, page.m_strNicName},
        {kGinaNdisName, page.m_strNdisName},
        {kGinaNicType, page.m_strNicType},
        {kGinaProfilePathName, page.m_strProfilePathName},
        {kGinaAuthTimeout, page.m_strAuthTimeout},
    };
    std::string error;
    bool written =
        CreateMachineKey(kOvaGinaKey, &error) &&
        WriteMachineText(kOvaGinaKey, kUseOvaGina, on ? "1" : "0", TextBytes::kWithZero, &error);
    for (const auto& [name, text] : values)
        written =
            written && WriteMachineText(kOvaGinaKey, name, text, TextBytes::kWithZero, &error);
    if (written && on) {
        written =
            WriteMachineText(kWinlogonKey, kGinaDll, kOvaGinaDllName, TextBytes::kWithZero, &error);
    } else if (written) {
        DeleteMachineValue(kWinlogonKey, kGinaDll);  // gone already is as good
    }
    if (!written) ShowMessageBox(m_dialog.m_hWnd, error, kProgramTitle, MB_OK);
    return written;
}

bool SettingsApplier::ApplySwitch() {
    const HWND p = m_dialog.m_page8.m_hWnd;
    if (!Ticked(p, IDC_CHECK_AUTO_SWITCH)) return WriteSwitchOff() || Abandon();
    if (ControlText(p, IDC_COMBO_SWITCH_WIRED_PROFILE).empty())
        return Fail(kMsgNoSwitchWiredProfile);
    if (ControlText(p, IDC_COMBO_SWITCH_WIRELESS_PROFILE).empty())
        return Fail(kMsgNoSwitchWirelessProfile);
    return WriteSwitchOn() || Abandon();
}

bool SettingsApplier::WriteSwitchOff() {
    using namespace schema;
    return CreateMachineKey(kOvaSvcKey) &&
           WriteMachineDword(kOvaSvcKey, kWireWirelessAutoSwitch, 0) &&
           WriteMachineDword(kOvaSvcKey, kUserNotice, 0);
}

bool SettingsApplier::WriteSwitchOn() {
    using namespace schema;
    if (!CreateMachineKey(kOvaSvcKey)) return false;
    const HWND p = m_dialog.m_page8.m_hWnd;
    const std::string profiles = ShellFolder(CSIDL_COMMON_APPDATA) + "\\Ovanta\\Profiles\\";
    if (!WriteMachineDword(kOvaSvcKey, kWireWirelessAutoSwitch, 1)) {
        ShowErrorText(kMsgSwitchOnNotWritten);
        return false;
    }
    if (!WriteMachineDword(kOvaSvcKey, kUserNotice, Ticked(p, IDC_CHECK_SWITCH_NOTICE) ? 1 : 0)) {
        ShowErrorText(kMsgNoticeNotWritten);
        return false;
    }
    const struct {
        const char* name;
        int list;
        bool isProfile;
        DWORD notWritten;
    } texts[] = {
        {kWireProfile, IDC_COMBO_SWITCH_WIRED_PROFILE, true, kMsgWireProfileNotWritten},
        {kWirelessProfile, IDC_COMBO_SWITCH_WIRELESS_PROFILE, true, kMsgWirelessProfileNotWritten},
        {kWireCard, IDC_COMBO_SWITCH_WIRED_CARD, false, kMsgWireCardNotWritten},
        {kWirelessCard, IDC_COMBO_SWITCH_WIRELESS_CARD, false, kMsgWirelessCardNotWritten},
    };
    for (const auto& value : texts) {
        const std::string line = SelectedLine(p, value.list);
        // a card list without a choice keeps the card stored before: nothing chosen is not "none"
        if (!value.isProfile && line.empty()) continue;
        const std::string text = value.isProfile ? profiles + line : line;
        if (!WriteMachineText(kOvaSvcKey, value.name, text, TextBytes::kWithZero)) {
            ShowErrorText(value.notWritten);
            return false;
        }
    }
    return true;
}

const ProfileEntry* SettingsApplier::ChosenStartUpProfile(DWORD noneWired, DWORD noneWireless) {
    const CPage9Dlg& page = m_dialog.m_page9;
    const bool wired = Ticked(page.m_hWnd, IDC_RADIO_STARTUP_WIRED);
    const std::vector<ProfileEntry>& profiles =
        wired ? page.m_WiredProfiles : page.m_WirelessProfiles;
    const int index =
        Selection(page.m_hWnd, wired ? IDC_COMBO_STARTUP_WIRED : IDC_COMBO_STARTUP_WIRELESS);
    if (index < 0 || static_cast<size_t>(index) >= profiles.size()) {
        Fail(wired ? noneWired : noneWireless);
        return nullptr;
    }
    return &profiles[static_cast<size_t>(index)];
}

// What the start-up work itself reports does not change the outcome: only a missing choice keeps
// the dialog open.
bool SettingsApplier::ApplyStartUpAuth() {
    if (m_dialog.m_nStartUpMode == 1) {
        const ProfileEntry* chosen =
            ChosenStartUpProfile(kMsgNoShortcutWiredProfile, kMsgNoShortcutWirelessProfile);
        if (!chosen) return false;
        const CShellLibrary shell;  // loaded once for the folders, the removal and the new link
        if (RemoveStartUpShortcuts()) CreateStartUpShortcut(chosen->path, chosen->name);
        return true;
    }
    if (!Ticked(m_dialog.m_page9.m_hWnd, IDC_CHECK_STARTUP_AUTH)) {
        DisableStartUpAuth();
        return true;
    }
    const ProfileEntry* chosen =
        ChosenStartUpProfile(kMsgNoStartUpWiredProfile, kMsgNoStartUpWirelessProfile);
    if (!chosen) return false;
    const std::string command = Command("\"%s\\Ovanta.exe\" \"%s\" /ExtCred:OvaPlume.dll",
                                        m_dialog.m_strInstallDir, chosen->path);
    EnableStartUpAuth(command, chosen->path, chosen->kind);
    return true;
}

bool SettingsApplier::EnableStartUpAuth(const std::string& startCommand, const std::string& path,
                                        const std::string& kind) {
    using namespace schema;
    if (!WriteMachineText(kStartUpKey, kStartUpProfile, path, TextBytes::kWithoutZero)) {
        ShowErrorText(kMsgStartUpProfileNotWritten);
        return false;
    }
    if (!WriteMachineText(kStartUpKey, kStartUpDriver, kind, TextBytes::kWithoutZero)) {
        ShowErrorText(kMsgStartUpDriverNotWritten);
        return false;
    }
    if (!WriteMachineDword(kStartUpKey, kStartUpAuthEnable, 1)) {
        ShowErrorText(kMsgStartUpOnNotWritten);
        return false;
    }
    // the client's start command is replaced only where Windows already starts the client
    char runValue[kRunValueSize] = {};
    if (!ReadMachineText(kRunKey, kRunOvanta, runValue, sizeof runValue)) return true;
    if (!WriteMachineText(kRunKey, kRunOvanta, startCommand, TextBytes::kWithoutZero)) {
        ShowErrorText(kMsgRunValueNotWritten);
        return false;
    }
    return true;
}

bool SettingsApplier::DisableStartUpAuth() {
    if (WriteMachineDword(schema::kStartUpKey, schema::kStartUpAuthEnable, 0)) return true;
    ShowErrorText(kMsgStartUpOffNotWritten);
    return false;
}

// The all-users folder first: when it fails, the user's folder is left as it is.
bool SettingsApplier::RemoveStartUpShortcuts() {
    const std::pair<int, DWORD> folders[] = {{CSIDL_COMMON_STARTUP, kMsgCommonShortcutNotDeleted},
                                             {CSIDL_STARTUP, kMsgUserShortcutNotDeleted}};
    for (const auto& [csidl, notDeleted] : folders) {
        const std::string folder = StartupFolder(csidl);
        if (!folder.empty() && !DeleteProfileShortcuts(folder)) {
            ShowErrorText(notDeleted);
            return false;
        }
    }
    return true;
}

bool SettingsApplier::CreateStartUpShortcut(const std::string& path, const std::string& name) {
    const std::string commonData = ShellFolder(CSIDL_COMMON_APPDATA);
    const bool forAllUsers = !commonData.empty() && path.find(commonData) != std::string::npos;
    const std::string folder = StartupFolder(forAllUsers ? CSIDL_COMMON_STARTUP : CSIDL_STARTUP);
    // the name keeps the profile's extension: office.pcf gives office.pcf.lnk
    if (!folder.empty() &&
        CreateProfileShortcut(folder + "\\" + name + ".lnk", path, "\"" + name + "\""))
        return true;
    ShowErrorText(kMsgShortcutNotCreated);
    return false;
}
