#include "ui/ovasettings_dlg.h"

#include "app/file_content.h"
#include "app/message_text.h"
#include "app/timeline.h"
#include "client/loaded_module.h"
#include "store/registry_schema.h"
#include "store/settings_rules.h"
#include "ui/skin.h"

#include <cstring>

namespace {

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
    answer.text.assign(buffer.c_str(), strnlen(buffer.data(), bufferSize - 1));
    return answer;
}

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
    ready = ready && LoadSettings();
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
    AddTabs();
    TIMELINE_STEP("tabs added");
    return TRUE;
}

void COvaSettingsDlg::OnTabActivated(int index, int pageID) {
    if (index >= 0 && index < 10 && m_pTabPage[index])
        m_pTabPage[index]->OnTabPageActivate(index, pageID);
}

void COvaSettingsDlg::OnTabDeactivating(int index, int pageID) {
    if (index >= 0 && index < 10 && m_pTabPage[index])
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

bool COvaSettingsDlg::LoadSettings() {
    DWORD stopNumber = 0;
    {
        LoadedModule module("OvaReg.dll");
        if (module.state() == LoadedModule::State::NotLoaded) {
            stopNumber = kMsgStoreNotLoaded;
        } else if (module.state() == LoadedModule::State::NoFactory) {
            stopNumber = kMsgStoreNoFactory;
        } else if (ReadSettings(module.object(), &stopNumber)) {
            return true;
        }
    }  // the store object is released and the module unloaded before the message shows
    ShowErrorText(stopNumber);
    return false;
}

// The items in the store's order; a required one that fails stops with its status number.
bool COvaSettingsDlg::ReadSettings(ModuleInterface* store, DWORD* stopNumber) {
    using namespace schema;
    DWORD status = 0;
    auto read = [&](unsigned item, DWORD bufferSize = kStoreTextSize) {
        status = 0;
        return Request(store, item, bufferSize, &status);
    };
    auto required = [&](const StoreAnswer& answer) {
        if (!answer.ok) *stopNumber = status;
        return answer.ok;
    };
    auto orDefault = [](const StoreAnswer& answer, DWORD fallback) {
        return static_cast<int>(answer.ok ? answer.value : fallback);
    };

    StoreAnswer installDir = read(kItemInstallDir);
    if (!required(installDir)) return false;
    m_strInstallDir = installDir.text;
    m_bShowPage[4] = orDefault(read(kItemShowLogonPage), 0);
    m_bShowPage[5] = orDefault(read(kItemShowFirewallPage), 1);
    m_bShowPage[6] = orDefault(read(kItemShowSwitchPage), 1);
    m_bShowPage[7] = orDefault(read(kItemShowDefaultCardPage), 1);
    for (CSkinnedPage* page : Pages()) page->m_strInstallDir = m_strInstallDir;

    StoreAnswer answer = read(kItemAutoStart);
    if (!required(answer)) return false;
    m_page1.m_nAutoStart = static_cast<int>(answer.value);
    answer = read(kItemStartList, kStartListTextSize);
    if (!required(answer)) return false;
    m_page1.m_strStartList = answer.text;  // at most 5119 characters
    m_page1.m_nStartListCount = static_cast<int>(answer.value);
    answer = read(kItemAutoConnect);
    if (!required(answer)) return false;
    m_page2.m_nAutoConnect = static_cast<int>(answer.value);
    answer = read(kItemDefaultWirelessCard);
    if (!required(answer)) return false;
    m_page3.m_strDefaultWirelessCard = answer.text;
    m_page3.m_bDefaultWireless = answer.text.empty() ? 0 : 1;
    answer = read(kItemDefaultWiredCard);
    if (!required(answer)) return false;
    m_page3.m_strDefaultWiredCard = answer.text;
    m_page3.m_bDefaultWired = answer.text.empty() ? 0 : 1;
    answer = read(kItemTrayAtBoot);
    if (!required(answer)) return false;
    m_page4.m_bTrayAtBoot = static_cast<int>(answer.value);
    m_page4.m_bBroadcastAuth = orDefault(read(kItemBroadcastAuth), 0);
    answer = read(kItemLanguage);
    if (!required(answer)) return false;
    m_page4.m_nLanguage = static_cast<int>(answer.value);
    answer = read(kItemTlsVersion);
    if (!required(answer)) return false;
    m_page4.m_nTlsVersion = static_cast<int>(answer.value);
    answer = read(kItemSiteIcon);
    if (!required(answer)) return false;
    m_bSiteIcon = answer.value != 0 ? 1 : 0;
    answer = read(kItemShowPcName);
    if (!required(answer)) return false;
    m_page4.m_nShowPcName = static_cast<int>(answer.value);
    answer = read(kItemAutoPcName);
    if (!required(answer)) return false;
    m_page4.m_bAutoPcName = static_cast<int>(answer.value);

    answer = read(kItemLockMask);
    if (!required(answer)) return false;
    auto locked = settings::LockedPages(answer.text);
    int* lockFlags[] = {&m_page1.m_bLocked, &m_page2.m_bLocked, &m_page3.m_bLocked,
                        &m_page4.m_bLocked, &m_page5.m_bLocked};
    // a locked default card page keeps its tab: that depends on item 80 alone
    int* switches[] = {&m_bShowPage[0], &m_bShowPage[1], nullptr, &m_bShowPage[2], &m_bShowPage[3]};
    for (size_t i = 0; i < locked.size(); ++i) {
        if (!locked[i]) continue;
        *lockFlags[i] = 1;
        if (switches[i]) *switches[i] = 0;
    }

    answer = read(kItemOptions);
    if (!required(answer)) return false;
    std::strncpy(m_szOptions, answer.text.c_str(), kOptionsSize - 1);
    m_bDebugDataAtLoad = settings::HasDebugMarker(m_szOptions) ? 1 : 0;
    m_page4.m_bDebugData = m_bDebugDataAtLoad;

    answer = read(kItemWirelessProfileExt);
    if (!required(answer)) return false;
    m_page1.m_strWirelessExt = answer.text;
    answer = read(kItemWiredProfileExt);
    if (!required(answer)) return false;
    m_page1.m_strWiredExt = answer.text;
    m_bShowPage[8] = orDefault(read(kItemShowStartUpPage), 0);
    answer = read(kItemVersionText);
    m_strVersion = answer.ok && answer.text.size() >= 2 ? answer.text : std::string();
    answer = read(kItemStartUpMode);
    if (!answer.ok) {
        *stopNumber = kMsgStartUpModeUnreadable;
        return false;
    }
    m_nStartUpMode = static_cast<int>(answer.value);
    m_page9.m_nStartUpMode = m_nStartUpMode;
    return true;
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
    m_page1.SetInterfaceTexts(&m_strPageText[0]);   // 5 own, 5 for the start entry dialog
    m_page2.SetInterfaceTexts(&m_strPageText[10]);  // 2
    m_page3.SetInterfaceTexts(&m_strPageText[12]);  // 2
    m_page4.SetInterfaceTexts(&m_strPageText[14]);  // 10 own, 4 for the advanced settings
    m_page5.SetInterfaceTexts(&m_strPageText[28]);  // 6
    m_page6.SetInterfaceTexts(&m_strPageText[34]);  // 5
    m_page8.SetInterfaceTexts(&m_strPageText[39]);  // 6
    m_page9.SetInterfaceTexts(&m_strPageText[45]);  // 5
    m_page4.m_nShowTls = 1;
}

std::array<CSkinnedPage*, COvaSettingsDlg::kPageCount> COvaSettingsDlg::Pages() {
    return {&m_page1, &m_page2, &m_page3, &m_page4, &m_page5,
            &m_page6, &m_page7, &m_page8, &m_page9};
}

void COvaSettingsDlg::CreatePages() {
    const auto pages = Pages();
    const UINT templates[] = {CPage1Dlg::IDD, CPage2Dlg::IDD, CPage3Dlg::IDD,
                              CPage4Dlg::IDD, CPage5Dlg::IDD, CPage6Dlg::IDD,
                              CPage7Dlg::IDD, CPage8Dlg::IDD, CPage9Dlg::IDD};
    for (int i = 0; i < kPageCount; ++i) {
        pages[i]->m_nDpi = m_nDpi;
        pages[i]->Create(templates[i], this);  // every page exists, also those without a tab
        TIMELINE_NUMBERED_STEP("page created", i + 1);
    }
}

void COvaSettingsDlg::AddTabs() {
    struct Tab {
        int showIndex;
        int titleIndex;
        CTabPageSSL* page;
    };
    const Tab tabs[] = {
        {0, 0, &m_page1}, {1, 1, &m_page2}, {7, 2, &m_page3}, {3, 4, &m_page5}, {2, 3, &m_page4},
        {4, 5, &m_page6}, {5, 6, &m_page7}, {6, 8, &m_page8}, {8, 7, &m_page9},
    };
    int index = 0;
    for (const Tab& tab : tabs) {
        if (!m_bShowPage[tab.showIndex]) continue;
        // the firewall page hears its tab's changes at the index it actually gets
        if (tab.page == &m_page7) m_pTabPage[index] = &m_page7;
        m_tabPages.AddPage(m_strPageTitle[tab.titleIndex], index, tab.page);
        ++index;
    }
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
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
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
    for (CSkinnedPage* page : Pages())
        if (page->m_hWnd) page->DestroyWindow();
    TIMELINE_STEP("pages destroyed");
    CDialog::OnDestroy();
    if (m_bRegistered) UnregisterEditor();
    TIMELINE_STEP("registration removed");
}
