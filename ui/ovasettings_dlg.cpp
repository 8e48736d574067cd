#include "ui/ovasettings_dlg.h"

#include "afx/system_library.h"
#include "app/file_content.h"
#include "app/fixed_text.h"
#include "app/message_text.h"
#include "app/timeline.h"
#include "app/unique_handle.h"
#include "client/loaded_module.h"
#include "store/profile_catalogue.h"
#include "store/registry_schema.h"
#include "store/settings_rules.h"
#include "ui/settings_applier.h"
#include "ui/skin.h"

#include <cstring>
#include <functional>
#include <iterator>
#include <type_traits>
#include <utility>

namespace {

// OK's start list has the store module encrypt each password with the system's data protection,
// which loads the cryptography library again for the call; its hash and cipher library (bcrypt)
// then starts the cryptographic back end anew, about 6 of the 18 ms OK takes to write the demo
// client's settings. Once loaded for the pages, bcrypt stays for the rest of the process instead
// (pinned: nothing holds a handle to let go); crypt32 and the provider still go.
void KeepCryptographyStarted() {
    HMODULE pinned = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_PIN, "bcrypt.dll", &pinned);
}

// Messages of the main dialog.
constexpr DWORD kMsgShMemNotLoaded = 8001;
constexpr DWORD kMsgShMemNoFactory = 8002;
constexpr DWORD kMsgShMemNotLoadedRemoving = 8003;
constexpr DWORD kMsgShMemNoFactoryRemoving = 8004;
constexpr DWORD kMsgStoreNotLoaded = 8005;
constexpr DWORD kMsgStoreNoFactory = 8006;
constexpr DWORD kMsgHelpFileMissing = 8009;
constexpr DWORD kMsgHelpNotStarted = 8010;
constexpr DWORD kMsgOtherEditor = 8051;
constexpr DWORD kMsgStartUpModeUnreadable = 8112;

// The shared-memory module's commands.
constexpr unsigned kShMemRegister = 1;
constexpr unsigned kShMemUnregister = 2;
constexpr unsigned kShMemSetWindow = 3;
constexpr unsigned kShMemIsRegistered = 4;
constexpr char kRegistrationName[] = "OvaSettings";

// Every call passes the name, the window cell, five zeros, five pointers to one scratch cell
// and the status cell.
int InvokeShMem(ModuleInterface* module, unsigned command, unsigned long long* window,
                DWORD* status) {
    DWORD scratch = 0;
    return module->Invoke(command, const_cast<char*>(kRegistrationName), window, nullptr, nullptr,
                          nullptr, nullptr, nullptr, &scratch, &scratch, &scratch, &scratch,
                          &scratch, status);
}

// One settings-store request with a zero-filled buffer whose size cell is preset to its size.
struct StoreAnswer {
    bool ok = false;
    DWORD value = 0;
    std::string text;
};
StoreAnswer Request(ModuleInterface* store, unsigned item, DWORD bufferSize, DWORD* status) {
    StoreAnswer answer;
    std::string buffer(bufferSize, '\0');
    DWORD size = bufferSize;
    answer.ok = store->Invoke(item, &answer.value, buffer.data(), &size, status) != 0;
    // the answer ends at its zero, and never past the last byte of the buffer
    answer.text = TextOf(buffer.data(), bufferSize);
    return answer;
}

// What a store read that fails does: stop the reading with the store's status number or with a
// number of its own, or go on as if the store had answered a default value and no text.
struct OnFailure {
    bool stops;
    DWORD number;  // the stop number, 0 for the store's status; or the default value
};
constexpr OnFailure kRequired{true, 0};
constexpr OnFailure RequiredElseStop(DWORD stopNumber) {
    return {true, stopNumber};
}
constexpr OnFailure DefaultValue(DWORD value) {
    return {false, value};
}
constexpr OnFailure kOptional = DefaultValue(0);  // for an item whose text alone counts

// One item read when the dialog opens, and where its answer goes.
struct StoreRead {
    schema::StoreItem item;
    DWORD bufferSize;
    OnFailure onFailure;
    std::function<void(const StoreAnswer&)> keep;
};

std::function<void(const StoreAnswer&)> ValueInto(int& cell) {
    return [&cell](const StoreAnswer& answer) { cell = static_cast<int>(answer.value); };
}
std::function<void(const StoreAnswer&)> TextInto(std::string& cell) {
    return [&cell](const StoreAnswer& answer) { cell = answer.text; };
}

using Dlg = COvaSettingsDlg;

// The page base of one page member: a function, so that one constant table can name members of
// nine classes.
template <auto member>
CSkinnedPage& PageMember(Dlg& dialog) {
    return dialog.*member;
}

// Everything the main dialog keeps about one of its pages.
struct PageRow {
    Dlg::PageRole role;
    CSkinnedPage& (*page)(Dlg&);
    UINT templateId;
    Dlg::PageSwitch show;  // its switch in m_bShowPage
    int textOffset;        // its first text in m_strPageText, kNoTexts for none
    int textCount;
    PageTitle title;  // its tab title in m_strPageTitle
};
constexpr int kNoTexts = -1;

// A row for the page MEMBER, whose class has the template and must take TEXT_COUNT texts.
template <auto member, int textCount>
constexpr PageRow Row(Dlg::PageRole role, Dlg::PageSwitch show, int textOffset, PageTitle title) {
    using Page = std::remove_reference_t<decltype(std::declval<Dlg&>().*member)>;
    static_assert(Page::kTextCount == textCount,
                  "the page takes another number of texts than the page table hands it");
    return {role, &PageMember<member>, Page::IDD, show, textOffset, textCount, title};
}

// The pages in page order, the order they are created in and hand in their texts.
constexpr PageRow kPages[] = {
    Row<&Dlg::m_page1, 10>(Dlg::kStartListPage, Dlg::kShowStartList, 0, kTitleStartList),
    Row<&Dlg::m_page2, 2>(Dlg::kAutoConnectPage, Dlg::kShowAutoConnect, 10, kTitleAutoConnect),
    Row<&Dlg::m_page3, 2>(Dlg::kDefaultCardPage, Dlg::kShowDefaultCard, 12, kTitleDefaultCard),
    Row<&Dlg::m_page4, 14>(Dlg::kGeneralOptionsPage, Dlg::kShowGeneralOptions, 14,
                           kTitleGeneralOptions),
    Row<&Dlg::m_page5, 6>(Dlg::kTrustedRootsPage, Dlg::kShowTrustedRoots, 28, kTitleTrustedRoots),
    Row<&Dlg::m_page6, 5>(Dlg::kWindowsLogonPage, Dlg::kShowWindowsLogon, 34, kTitleWindowsLogon),
    Row<&Dlg::m_page7, 0>(Dlg::kFirewallPage, Dlg::kShowFirewall, kNoTexts, kTitleFirewall),
    Row<&Dlg::m_page8, 6>(Dlg::kSwitchPage, Dlg::kShowSwitch, 39, kTitleSwitch),
    Row<&Dlg::m_page9, 5>(Dlg::kStartUpAuthPage, Dlg::kShowStartUpAuth, 45, kTitleStartUpAuth),
};

// The tabs' order, which puts the trusted roots before the general options.
constexpr Dlg::PageRole kTabOrder[] = {
    Dlg::kStartListPage,    Dlg::kAutoConnectPage,    Dlg::kDefaultCardPage,
    Dlg::kTrustedRootsPage, Dlg::kGeneralOptionsPage, Dlg::kWindowsLogonPage,
    Dlg::kFirewallPage,     Dlg::kSwitchPage,         Dlg::kStartUpAuthPage,
};

// The table is indexed by role.
constexpr bool RowsInPageOrder() {
    for (int i = 0; i < Dlg::kPageCount; ++i)
        if (kPages[i].role != i) return false;
    return true;
}
// Each page's texts follow the page before's, and together they are the interface-text table's.
constexpr bool TextsFollowOneAnother() {
    int next = 0;
    for (const PageRow& row : kPages) {
        if (row.textCount == 0) {
            if (row.textOffset != kNoTexts) return false;
            continue;
        }
        if (row.textOffset != next) return false;
        next += row.textCount;
    }
    return next == kPageTextCount;
}
// Every page has a switch, a title and a tab of its own.
constexpr bool EachPageOnce() {
    bool show[Dlg::kPageSwitchCount] = {}, title[kPageTitleCount] = {}, tab[Dlg::kPageCount] = {};
    for (const PageRow& row : kPages) {
        if (show[row.show] || title[row.title]) return false;
        show[row.show] = title[row.title] = true;
    }
    for (Dlg::PageRole role : kTabOrder) {
        if (tab[role]) return false;
        tab[role] = true;
    }
    return true;
}
static_assert(std::size(kPages) == Dlg::kPageCount && RowsInPageOrder());
static_assert(TextsFollowOneAnother());
static_assert(int{Dlg::kPageSwitchCount} == Dlg::kPageCount &&
              int{kPageTitleCount} == Dlg::kPageCount && std::size(kTabOrder) == Dlg::kPageCount &&
              EachPageOnce());
static_assert(Dlg::kTabPageSlots >= Dlg::kPageCount);
// The lock mask's positions are the first pages in page order.
static_assert(settings::kLockablePages == Dlg::kTrustedRootsPage + 1);

}  // namespace

COvaSettingsDlg::COvaSettingsDlg(CWnd* pParent) : CDialog(IDD, pParent) {
    m_hIcon = AfxGetApp() ? AfxGetApp()->LoadIcon(IDR_MAINFRAME)
                          : ::LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

const MessageMap* COvaSettingsDlg::GetMessageMap() const {
    static const MessageMapEntry entries[] = {
        MessageEntry(WM_PAINT, &COvaSettingsDlg::OnPaint),
        MessageEntry(WM_QUERYDRAGICON, &COvaSettingsDlg::OnQueryDragIcon),
        MessageEntry(WM_DESTROY, &COvaSettingsDlg::OnDestroy),
        CommandEntry(IDC_BUTTON_HELP, BN_CLICKED, &COvaSettingsDlg::OnHelp),
    };
    static const MessageMap map{CDialog::GetMessageMap(), entries};
    return &map;
}

void COvaSettingsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STATIC_VERSION, m_staticVersion);
    DDX_Control(pDX, IDC_BUTTON_HELP, m_buttonHelp);
    DDX_Control(pDX, IDCANCEL, m_buttonCancel);
    DDX_Control(pDX, IDOK, m_buttonOk);
    DDX_Control(pDX, IDC_TAB_PAGES, m_tabPages);
}

BOOL COvaSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    TIMELINE_STEP("main dialog created");
    // a failed step closes the dialog before any page shows; a registration made is undone
    // when the window goes
    bool ready = RegisterEditor();
    TIMELINE_STEP("editor registered");
    // The start list page loads the store again for each of its entries while the pages are
    // made; held from the settings' reading until then, the module is mapped and started once.
    ModuleHold store;
    ready = ready && LoadSettings(&store);
    TIMELINE_STEP("store read");
    ready = ready && LoadInterfaceTexts(*this, m_strPageTitle, m_strPageText);
    TIMELINE_STEP("interface texts fetched");
    if (!ready) {
        SendMessage(WM_CLOSE);
        return FALSE;
    }
    ChooseIcon();
    m_nDpi = skin::MeasureScreenResolution(m_hWnd, m_nDpi);
    m_tabPages.SetObserver(this);
    ShowVersionText();
    HandTextsToPages();
    CreatePages();
    store.reset();
    EndStartShellHold();
    AddTabs();
    TIMELINE_STEP("tabs added");
    return TRUE;
}

// As in the system's own tabbed dialogs, from wherever the focus is; the last tab wraps round.
BOOL COvaSettingsDlg::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message != WM_KEYDOWN || ::GetKeyState(VK_CONTROL) >= 0) return FALSE;
    int step = 0;
    if (pMsg->wParam == VK_TAB)
        step = ::GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
    else if (pMsg->wParam == VK_NEXT)
        step = 1;
    else if (pMsg->wParam == VK_PRIOR)
        step = -1;
    const int count = m_tabPages.GetItemCount();
    if (step == 0 || count <= 0) return FALSE;
    m_tabPages.SetCurFocus((m_tabPages.GetCurSel() + step + count) % count);
    return TRUE;
}

void COvaSettingsDlg::OnTabActivated(int index, int pageID) {
    if (index >= 0 && index < kTabPageSlots && m_pTabPage[index])
        m_pTabPage[index]->OnTabPageActivate(index, pageID);
}

void COvaSettingsDlg::OnTabDeactivating(int index, int pageID) {
    if (index >= 0 && index < kTabPageSlots && m_pTabPage[index])
        m_pTabPage[index]->OnTabPageDeactivate(index, pageID);
}

bool COvaSettingsDlg::RegisterEditor() {
    DWORD failure = 0;
    {
        LoadedModule module("OvaShMem.dll");
        if (module.state() != LoadedModule::State::Ready) {
            failure = module.state() == LoadedModule::State::NotLoaded ? kMsgShMemNotLoaded
                                                                       : kMsgShMemNoFactory;
        } else {
            unsigned long long window = 0;
            DWORD status = 0;
            if (InvokeShMem(module.object(), kShMemIsRegistered, &window, &status)) {
                // another editor holds the registration: this one gives way
                ShowTextBox(m_hWnd, kMsgOtherEditor, "Information - (8051)", "알림 - (8051)",
                            kInformationBoxType);
                return false;
            }
            if (!InvokeShMem(module.object(), kShMemRegister, &window, &status)) {
                failure = status;
            } else {
                window = reinterpret_cast<unsigned long long>(m_hWnd);
                if (!InvokeShMem(module.object(), kShMemSetWindow, &window, &status))
                    failure = status;
                else
                    m_bRegistered = 1;
            }
        }
    }
    if (m_bRegistered) return true;
    ShowErrorText(failure);
    return false;
}

void COvaSettingsDlg::UnregisterEditor() {
    DWORD failure = 0;
    {
        LoadedModule module("OvaShMem.dll");
        if (module.state() != LoadedModule::State::Ready) {
            failure = module.state() == LoadedModule::State::NotLoaded ? kMsgShMemNotLoadedRemoving
                                                                       : kMsgShMemNoFactoryRemoving;
        } else {
            unsigned long long window = reinterpret_cast<unsigned long long>(m_hWnd);
            DWORD status = 0;
            if (InvokeShMem(module.object(), kShMemUnregister, &window, &status))
                m_bRegistered = 0;
            else
                failure = status;
        }
    }
    if (failure) ShowErrorText(failure);
}

bool COvaSettingsDlg::LoadSettings(ModuleHold* hold) {
    DWORD stopNumber = 0;
    {
        LoadedModule module("OvaReg.dll");
        if (module.state() == LoadedModule::State::NotLoaded) {
            stopNumber = kMsgStoreNotLoaded;
        } else if (module.state() == LoadedModule::State::NoFactory) {
            stopNumber = kMsgStoreNoFactory;
        } else if (ReadSettings(module.object(), &stopNumber)) {
            *hold = module.Hold();
            return true;
        }
    }  // the store object is released and the module unloaded before the message shows
    ShowErrorText(stopNumber);
    return false;
}

// The items in the store's order.
bool COvaSettingsDlg::ReadSettings(ModuleInterface* store, DWORD* stopNumber) {
    using namespace schema;
    std::string lockMask;
    const StoreRead reads[] = {
        {kItemInstallDir, kStoreTextSize, kRequired, TextInto(m_strInstallDir)},
        {kItemShowLogonPage, kStoreTextSize, DefaultValue(0),
         ValueInto(m_bShowPage[kShowWindowsLogon])},
        {kItemShowFirewallPage, kStoreTextSize, DefaultValue(1),
         ValueInto(m_bShowPage[kShowFirewall])},
        {kItemShowSwitchPage, kStoreTextSize, DefaultValue(1), ValueInto(m_bShowPage[kShowSwitch])},
        {kItemShowDefaultCardPage, kStoreTextSize, DefaultValue(1),
         ValueInto(m_bShowPage[kShowDefaultCard])},
        {kItemAutoStart, kStoreTextSize, kRequired, ValueInto(m_page1.m_nAutoStart)},
        {kItemStartList, kStartListTextSize, kRequired,
         [this](const StoreAnswer& answer) {
             m_page1.m_strStartList = answer.text;  // at most 5119 characters
             m_page1.m_nStartListCount = static_cast<int>(answer.value);
         }},
        {kItemAutoConnect, kStoreTextSize, kRequired, ValueInto(m_page2.m_nAutoConnect)},
        {kItemDefaultWirelessCard, kStoreTextSize, kRequired,
         [this](const StoreAnswer& answer) {
             m_page3.m_strDefaultWirelessCard = answer.text;
             m_page3.m_bDefaultWireless = answer.text.empty() ? 0 : 1;
         }},
        {kItemDefaultWiredCard, kStoreTextSize, kRequired,
         [this](const StoreAnswer& answer) {
             m_page3.m_strDefaultWiredCard = answer.text;
             m_page3.m_bDefaultWired = answer.text.empty() ? 0 : 1;
         }},
        {kItemTrayAtBoot, kStoreTextSize, kRequired, ValueInto(m_page4.m_bTrayAtBoot)},
        {kItemBroadcastAuth, kStoreTextSize, DefaultValue(0), ValueInto(m_page4.m_bBroadcastAuth)},
        {kItemLanguage, kStoreTextSize, kRequired, ValueInto(m_page4.m_nLanguage)},
        {kItemTlsVersion, kStoreTextSize, kRequired, ValueInto(m_page4.m_nTlsVersion)},
        {kItemSiteIcon, kStoreTextSize, kRequired,
         [this](const StoreAnswer& answer) { m_bSiteIcon = answer.value != 0 ? 1 : 0; }},
        {kItemShowPcName, kStoreTextSize, kRequired, ValueInto(m_page4.m_nShowPcName)},
        {kItemAutoPcName, kStoreTextSize, kRequired, ValueInto(m_page4.m_bAutoPcName)},
        {kItemLockMask, kStoreTextSize, kRequired, TextInto(lockMask)},
        {kItemOptions, kStoreTextSize, kRequired,
         [this](const StoreAnswer& answer) {
             std::strncpy(m_szOptions, answer.text.c_str(), kOptionsSize - 1);
             m_bDebugDataAtLoad = settings::HasDebugMarker(m_szOptions) ? 1 : 0;
             m_page4.m_bDebugData = m_bDebugDataAtLoad;
         }},
        {kItemWirelessProfileExt, kStoreTextSize, kRequired, TextInto(m_page1.m_strWirelessExt)},
        {kItemWiredProfileExt, kStoreTextSize, kRequired, TextInto(m_page1.m_strWiredExt)},
        {kItemShowStartUpPage, kStoreTextSize, DefaultValue(0),
         ValueInto(m_bShowPage[kShowStartUpAuth])},
        // a version text of one character is no version: the installation's file tells it then
        {kItemVersionText, kStoreTextSize, kOptional,
         [this](const StoreAnswer& answer) {
             m_strVersion = answer.text.size() >= 2 ? answer.text : std::string();
         }},
        {kItemStartUpMode, kStoreTextSize, RequiredElseStop(kMsgStartUpModeUnreadable),
         [this](const StoreAnswer& answer) {
             m_nStartUpMode = static_cast<int>(answer.value);
             m_page9.m_nStartUpMode = m_nStartUpMode;
         }},
    };
    for (const StoreRead& read : reads) {
        DWORD status = 0;
        StoreAnswer answer = Request(store, read.item, read.bufferSize, &status);
        if (!answer.ok && read.onFailure.stops) {
            *stopNumber = read.onFailure.number ? read.onFailure.number : status;
            return false;
        }
        if (!answer.ok) answer = {false, read.onFailure.number, std::string()};
        read.keep(answer);
    }
    ApplyLockMask(lockMask);
    return true;
}

// A locked page takes no changes, and all but the default card page lose their tab; that one
// keeps it or not by item 80 alone.
void COvaSettingsDlg::ApplyLockMask(const std::string& mask) {
    int* lockFlags[settings::kLockablePages] = {&m_page1.m_bLocked, &m_page2.m_bLocked,
                                                &m_page3.m_bLocked, &m_page4.m_bLocked,
                                                &m_page5.m_bLocked};
    const auto locked = settings::LockedPages(mask);
    for (int i = 0; i < settings::kLockablePages; ++i) {
        if (!locked[i]) continue;
        *lockFlags[i] = 1;
        if (i != kDefaultCardPage) m_bShowPage[kPages[i].show] = 0;
    }
}

void COvaSettingsDlg::ChooseIcon() {
    HICON icon = m_hIcon;
    if (m_bSiteIcon) {
        std::string path = m_strInstallDir + "\\Img\\SiteVersionWireless.ico";
        m_siteIcon.reset(static_cast<HICON>(
            LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE)));
        if (m_siteIcon) icon = m_siteIcon.get();  // a missing file falls back without a word
    }
    SetIcon(icon, TRUE);
    SetIcon(icon, FALSE);
}

void COvaSettingsDlg::ShowVersionText() {
    std::string text =
        m_strVersion.size() >= 2
            ? m_strVersion
            : ReadFileContent(m_strInstallDir + "\\Version.txt").value_or(std::string());
    m_staticVersion.SetWindowText(text);
}

void COvaSettingsDlg::HandTextsToPages() {
    for (const PageRow& row : kPages)
        if (row.textCount > 0) row.page(*this).SetInterfaceTexts(&m_strPageText[row.textOffset]);
    m_page4.m_nShowTls = 1;
}

void COvaSettingsDlg::CreatePages() {
    // Two of the client's components take the system's cryptography library while the pages are
    // made, the store module for a start-list password and the library for the certificates, and
    // each lets it go again; so do they the system's basic provider, which both ask for. Held
    // here, each is loaded and set up once for both, and let go before the window shows, so it
    // does not stay for the rest of the run; only its hash and cipher library stays.
    CSystemLibrary crypt32("crypt32.dll");
    CSystemLibrary provider("rsaenh.dll");
    KeepCryptographyStarted();
    for (const PageRow& row : kPages) {
        CSkinnedPage& page = row.page(*this);
        page.m_strInstallDir = m_strInstallDir;
        page.m_nDpi = m_nDpi;
        page.Create(row.templateId, this);  // every page exists, also those without a tab
        TIMELINE_NUMBERED_STEP("page created", row.role + 1);
    }
}

void COvaSettingsDlg::AddTabs() {
    int index = 0;
    for (PageRole role : kTabOrder) {
        const PageRow& row = kPages[role];
        // A switch is on only at 1. The logon page without a tab, also one the control refused,
        // must write nothing on OK, which asks for its switch being 0.
        const auto leaveOut = [&] {
            if (role == kWindowsLogonPage) m_bShowPage[row.show] = 0;
        };
        if (m_bShowPage[row.show] != 1) {
            leaveOut();
            continue;
        }
        CSkinnedPage& page = row.page(*this);
        // the firewall page hears its tab's changes at the index it actually gets
        if (role == kFirewallPage) m_pTabPage[index] = &page;
        // a tab the control refused is no tab: the next page takes its index, and nobody hears
        // the changes of a tab that does not exist
        if (m_tabPages.AddPage(m_strPageTitle[row.title], index, &page) < 0) {
            m_pTabPage[index] = nullptr;
            leaveOut();
            continue;
        }
        ++index;
    }
    // the first tab is entered as the dialog opens: a firewall page there reads its policy now
    if (index > 0) OnTabActivated(0, 0);
}

void COvaSettingsDlg::OnOK() {
    if (m_bApplying) return;
    TIMELINE_STEP("OK pressed");
    m_bApplying = true;
    // The boxes OK shows on its way leave the dialog usable under them; the pages are out of reach
    // meanwhile, or a change made there after its step was written would be lost when OK closes.
    m_tabPages.EnableWindow(FALSE);
    const bool applied = TakeValuesAndApply();
    m_tabPages.EnableWindow(TRUE);
    m_bApplying = false;
    if (applied) CDialog::OnOK();  // otherwise the dialog stays open
}

void COvaSettingsDlg::OnCancel() {
    if (!m_bApplying) CDialog::OnCancel();
}

// The firewall page shows the policy as it is and hands nothing back.
bool COvaSettingsDlg::TakeValuesAndApply() {
    for (const PageRow& row : kPages)
        if (row.role != kFirewallPage && !row.page(*this).StoreValues()) return false;
    TIMELINE_STEP("pages' values taken");
    const bool applied = SettingsApplier(*this).ApplySettings();
    if (applied) TIMELINE_STEP("settings applied");
    return applied;
}

void COvaSettingsDlg::OnHelp() {
    std::string helpFile = m_strInstallDir + "\\OvaHelp.chm";
    if (GetFileAttributesA(helpFile.c_str()) == INVALID_FILE_ATTRIBUTES) {
        ShowErrorText(kMsgHelpFileMissing);
        return;
    }
    // the same topic whichever tab is selected; the path goes in without quotes
    std::string commandLine = "hh " + helpFile + "::/OvantaMain.htm";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        ShowErrorText(kMsgHelpNotStarted);
        return;
    }
    // the viewer runs on its own: neither of its handles is kept
    const UniqueHandle thread(process.hThread), viewer(process.hProcess);
}

void COvaSettingsDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        TIMELINE_FIRST_STEP("first paint");
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    int iconWidth = GetSystemMetrics(SM_CXICON);
    int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client = {};
    GetClientRect(&client);
    int x = (client.right - client.left - iconWidth + 1) / 2;
    int y = (client.bottom - client.top - iconHeight + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

LRESULT COvaSettingsDlg::OnQueryDragIcon(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(m_hIcon);
}

void COvaSettingsDlg::OnDestroy() {
    TIMELINE_STEP("main dialog destroying");
    for (const PageRow& row : kPages) {
        CSkinnedPage& page = row.page(*this);
        if (page.m_hWnd) page.DestroyWindow();
    }
    TIMELINE_STEP("pages destroyed");
    CDialog::OnDestroy();
    if (m_bRegistered) UnregisterEditor();
    TIMELINE_STEP("registration removed");
}
