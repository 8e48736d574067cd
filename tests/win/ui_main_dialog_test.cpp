// The main settings dialog as its users meet it, on a freshly reset simulated client: the tabs
// it shows and their order, the lock mask, the settings it reads and what a failing one does,
// the registration that keeps a second editor out, the version text, the icon and Help.
#include "client/loaded_module.h"
#include "tests/win/afx_test_support.h"
#include "tests/win/client_state.h"
#include "tests/win/main_dialog_host.h"
#include "tests/win/template_support.h"
#include "tools/driver/driver.h"

#include <algorithm>
#include <iterator>

namespace {

using namespace main_dialog;
using testing_client::InterfaceText;

bool EditorRegistered() {
    LoadedModule module("OvaShMem.dll");
    unsigned long long window = 0;
    DWORD scratch = 0, status = 0;
    return module.object()->Invoke(4, const_cast<char*>("OvaSettings"), &window, nullptr, nullptr,
                                   nullptr, nullptr, nullptr, &scratch, &scratch, &scratch,
                                   &scratch, &scratch, &status) != 0;
}

std::vector<std::string> TabTitles(COvaSettingsDlg& dialog) {
    std::vector<std::string> titles;
    for (int i = 0; i < dialog.m_tabPages.GetItemCount(); ++i) {
        char text[256] = {};
        TCITEMA item = {TCIF_TEXT, 0, 0, text, sizeof text - 1, 0, 0};
        dialog.m_tabPages.SendMessage(TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        titles.push_back(text);
    }
    return titles;
}
std::vector<std::string> Texts(const std::vector<unsigned>& numbers) {
    std::vector<std::string> texts;
    for (unsigned n : numbers) texts.push_back(InterfaceText(n));
    return texts;
}

using MainDialog = Host;

// The titles of every tab, in their order.
const std::vector<unsigned> kEveryTab = {201, 202, 203, 229, 204, 241, 250, 251, 259};

// Whether the caption of a label, checkbox, radio or push button fits its control, with the
// font the control draws with: a label may wrap within its height, the others keep one line
// beside their box or inside their frame.
BOOL CALLBACK ExpectCaptionFits(HWND control, LPARAM) {
    char className[32] = {}, text[512] = {};
    GetClassNameA(control, className, sizeof className - 1);
    GetWindowTextA(control, text, sizeof text - 1);
    const bool label = lstrcmpiA(className, "Static") == 0;
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const LONG kind = style & BS_TYPEMASK;
    if (!text[0] ||
        (!label && (lstrcmpiA(className, "Button") || kind == BS_GROUPBOX || kind == BS_OWNERDRAW)))
        return TRUE;
    RECT client = {};
    GetClientRect(control, &client);
    const bool boxed = !label && kind != BS_PUSHBUTTON && kind != BS_DEFPUSHBUTTON;
    RECT needed = {0, 0, client.right - (boxed ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 6), 0};
    HDC dc = GetDC(control);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    DrawTextA(dc, text, -1, &needed, DT_CALCRECT | (label ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    EXPECT_LE(needed.right, client.right) << text;
    EXPECT_LE(needed.bottom, client.bottom) << text;
    return TRUE;
}

// Locked first pages and a logon page whose switch is not 1 have no tab, yet every page is made;
// the tabs come in their fixed order in either language (the text module holds every text in both),
// and every caption of the dialog and its pages fits its control.
TEST_F(MainDialog, LockMaskAndLogonSwitchLeavePagesOutButStillCreateThem) {
    struct Case {
        const char* mask;
        int logonTab, language;
        std::vector<unsigned> titles;
        const char* locked;  // of pages 1 to 5
        int firewallIndex;
    } cases[] = {
        {"00111", 2, 1, {203, 229, 204, 250, 251, 259}, "11000", 3},  // only 1 is on
        {"10111", 1, 1, {201, 203, 229, 204, 241, 250, 251, 259}, "01000", 5},
        {"11011", 1, 1, kEveryTab, "00100", 6},
        {"1", 1, 0, kEveryTab, "00000", 6},
    };
    ASSERT_TRUE(Ovasim("set-item 813 --int 1"));
    for (const Case& c : cases) {
        ASSERT_TRUE(Ovasim(std::string("set-item 50 --text ") + c.mask));
        ASSERT_TRUE(Ovasim("set-item 77 --int " + std::to_string(c.logonTab)));
        ASSERT_TRUE(Ovasim("set-item 49 --int " + std::to_string(c.language)));
        ASSERT_TRUE(Run([&c](COvaSettingsDlg& d) {
            EnumChildWindows(d.m_hWnd, ExpectCaptionFits, 0);
            EXPECT_EQ(TabTitles(d), Texts(c.titles)) << c.mask;
            EXPECT_EQ(WindowText(d.m_hWnd), InterfaceText(239));
            std::string locked;
            for (int flag : {d.m_page1.m_bLocked, d.m_page2.m_bLocked, d.m_page3.m_bLocked,
                             d.m_page4.m_bLocked, d.m_page5.m_bLocked})
                locked += flag ? '1' : '0';
            EXPECT_EQ(locked, c.locked) << c.mask;
            for (CWnd* page : std::initializer_list<CWnd*>{&d.m_page1, &d.m_page2, &d.m_page6})
                EXPECT_TRUE(IsWindow(page->m_hWnd)) << "every page exists";
            EXPECT_EQ(d.m_pTabPage[c.firewallIndex], &d.m_page7) << c.mask;
            // only the first tab's page is shown
            EXPECT_TRUE(IsWindowVisible(c.mask[0] == '0' ? d.m_page3.m_hWnd : d.m_page1.m_hWnd));
            EXPECT_FALSE(IsWindowVisible(d.m_page2.m_hWnd));
        })) << c.mask;
        EXPECT_TRUE(boxes.empty()) << c.mask;
    }
}

// While it lives, every tab control made on this thread refuses the tab titled with text TITLE (a
// full memory does it); a hook on window creation puts the refusal in before the dialog adds tabs.
struct RefusedTab {
    explicit RefusedTab(unsigned title) { refused = InterfaceText(title); }
    ~RefusedTab() { UnhookWindowsHookEx(hook); }
    static LRESULT CALLBACK Refusing(HWND tab, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == TCM_INSERTITEMA && reinterpret_cast<TCITEMA*>(lParam)->pszText == refused)
            return -1;
        return CallWindowProcA(tabProc, tab, message, wParam, lParam);
    }
    static LRESULT CALLBACK Subclass(int code, WPARAM wParam, LPARAM lParam) {
        char name[32] = {};
        if (code == HCBT_CREATEWND)
            GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
        if (lstrcmpA(name, WC_TABCONTROLA) == 0)
            tabProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(reinterpret_cast<HWND>(wParam), GWLP_WNDPROC,
                                  reinterpret_cast<LONG_PTR>(Refusing)));
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline std::string refused;
    static inline WNDPROC tabProc = nullptr;
    const HHOOK hook = SetWindowsHookExA(WH_CBT, Subclass, nullptr, GetCurrentThreadId());
};

// A refused tab takes no index: the pages after it get theirs, and the firewall page hears the
// changes of its own tab or, refused, of none. A refused logon page is switched off for OK.
TEST_F(MainDialog, ATabTheControlRefusesTakesNoIndex) {
    for (const unsigned refused : {204u, 241u, 250u}) {
        const RefusedTab refusal(refused);
        ASSERT_TRUE(Run([&](COvaSettingsDlg& d) {
            std::vector<unsigned> titles = kEveryTab;
            titles.erase(std::find(titles.begin(), titles.end(), refused));
            EXPECT_EQ(TabTitles(d), Texts(titles));
            const std::vector<CTabPageSSL*> heard(std::begin(d.m_pTabPage), std::end(d.m_pTabPage));
            for (size_t i = 0; i < heard.size(); ++i)
                EXPECT_EQ(heard[i], refused != 250 && i == 5 ? &d.m_page7 : nullptr) << i;
            EXPECT_EQ(d.m_bShowPage[COvaSettingsDlg::kShowWindowsLogon], refused == 241 ? 0 : 1);
        }));
    }
}

// The first tab is entered as the dialog opens: a firewall page there shows the policy at once.
TEST_F(MainDialog, AFirewallPageOnTheFirstTabShowsThePolicyAtOnce) {
    for (const char* item : {"50 --text 00000", "77 --int 0", "80 --int 0"})
        ASSERT_TRUE(Ovasim(std::string("set-item ") + item));
    ASSERT_TRUE(Run([](COvaSettingsDlg& d) {
        ASSERT_EQ(d.m_pTabPage[0], &d.m_page7);
        EXPECT_GT(ListView_GetItemCount(::GetDlgItem(d.m_page7.m_hWnd, 1065)), 0);
    }));
}

TEST_F(MainDialog, AnOptionalItemThatFailsTakesItsDefault) {
    for (const char* item : {"77 --int 1", "813 --int 1", "78 --int 0", "40 --int 1"})
        ASSERT_TRUE(Ovasim(std::string("set-item ") + item));
    ASSERT_TRUE(
        Ovasim("fixture FailItems 77=9033;78=9033;79=9033;80=9033;40=9033;813=9033;902=9033"));
    ASSERT_TRUE(Run([](COvaSettingsDlg& d) {
        // logon and start-up default to hidden, firewall, switch and default card to shown
        EXPECT_EQ(TabTitles(d), Texts({201, 202, 203, 229, 204, 250, 251}));
        EXPECT_EQ(d.m_page4.m_bBroadcastAuth, 0);
        EXPECT_EQ(d.m_strVersion, "");
    }));
    EXPECT_TRUE(boxes.empty());
}

// Texts 207, 223 and 258 may be missing: their controls are left out. Any other gap closes the
// editor with the module's status; a module that cannot be used at all closes it without a box,
// since the box's own text would come from it; a required item that fails closes it with its
// status.
TEST_F(MainDialog,
       MissingOptionalTextsHideTheirControlsAndAnyOtherGapOrFailingItemClosesTheEditor) {
    ASSERT_TRUE(Ovasim("fixture MissingTexts 207;223;258"));
    ASSERT_TRUE(Run([](COvaSettingsDlg& d) {
        EXPECT_FALSE(IsWindowVisible(::GetDlgItem(d.m_hWnd, IDC_BUTTON_HELP)));
        EXPECT_EQ(WindowText(::GetDlgItem(d.m_hWnd, IDC_BUTTON_HELP)), "");
        for (int checkbox : {1024, 1076, 1049})  // the advanced settings are never offered
            EXPECT_FALSE(::GetWindowLongA(::GetDlgItem(d.m_page4.m_hWnd, checkbox), GWL_STYLE) &
                         WS_VISIBLE)
                << checkbox;
        EXPECT_EQ(WindowText(::GetDlgItem(d.m_page9.m_hWnd, 1087)), InterfaceText(264))
            << "the pass went on";
    }));
    EXPECT_TRUE(boxes.empty());

    std::vector<std::pair<std::string, templates::Names>> closing = {
        {"MissingTexts 230", {"Error - (9001)"}},
        {"Unloadable OvaText.dll", {}},
        {"NoFactory OvaText.dll", {}}};
    for (unsigned item : {72u, 41u, 43u, 44u, 45u, 46u, 47u, 49u, 905u, 907u, 908u, 909u, 50u, 74u,
                          103u, 104u, 130u})  // the required items; 130 has its own message
        closing.push_back({"FailItems " + std::to_string(item) + "=9033",
                           {item == 130 ? "Error - (8112)" : "Error - (9033)"}});
    for (const auto& [fixture, shown] : closing) {
        ASSERT_TRUE(Ovasim("reset --english --demo"));
        ASSERT_TRUE(Ovasim("fixture " + fixture));
        EXPECT_FALSE(Run()) << fixture;
        EXPECT_EQ(boxes, shown) << fixture;
        EXPECT_FALSE(EditorRegistered()) << "unregistered when the window went";
    }
}

TEST_F(MainDialog, AnotherRegisteredEditorMakesThisOneGiveWayWith8051) {
    ASSERT_TRUE(Ovasim("register-editor"));
    EXPECT_FALSE(Run());
    ASSERT_TRUE(Ovasim("unregister-editor"));
    EXPECT_EQ(boxes, std::vector<std::string>{"Information - (8051)"});
    EXPECT_NE(lastBoxOwner, nullptr) << "owned by the dialog";
}

TEST_F(MainDialog, VersionTextOfOneCharacterGivesWayToVersionTxt) {
    for (const auto& [stored, shown] :
         {std::pair{"X", "Ovanta 6.0.1"}, std::pair{"\"Ovanta 7 site\"", "Ovanta 7 site"}}) {
        ASSERT_TRUE(Ovasim(std::string("set-item 902 --text ") + stored));
        ASSERT_TRUE(Run([expected = std::string(shown)](COvaSettingsDlg& d) {
            const std::string text = WindowText(::GetDlgItem(d.m_hWnd, IDC_STATIC_VERSION));
            EXPECT_EQ(text.substr(0, expected.size()), expected);
        }));
    }
}

TEST_F(MainDialog, SiteIconFlagUsesTheInstallationsIconOrFallsBackSilently) {
    ASSERT_TRUE(Ovasim("set-item 907 --int 1"));
    ASSERT_TRUE(Run([](COvaSettingsDlg& d) {
        EXPECT_NE(d.SendMessage(WM_GETICON, ICON_BIG), reinterpret_cast<LRESULT>(d.m_hIcon));
    }));
    DeleteFileA("C:\\Program Files\\Ovanta\\Img\\SiteVersionWireless.ico");
    ASSERT_TRUE(Run([](COvaSettingsDlg& d) {
        EXPECT_EQ(d.SendMessage(WM_GETICON, ICON_BIG), reinterpret_cast<LRESULT>(d.m_hIcon));
        EXPECT_EQ(d.SendMessage(WM_GETICON, ICON_SMALL), reinterpret_cast<LRESULT>(d.m_hIcon));
    }));
    EXPECT_TRUE(boxes.empty());
}

struct Key {
    WPARAM key;
    bool ctrl = false, shift = false;
};

// Presses each key on whatever has the focus then, with Ctrl and Shift as given, and lets the
// dialog handle it as its own loop does; the ID of the focused control after each.
std::vector<int> Press(COvaSettingsDlg& d, std::vector<Key> keys) {
    std::vector<int> focused;
    for (const Key& k : keys) {
        BYTE state[256] = {};
        state[VK_CONTROL] = k.ctrl ? 0x80 : 0;
        state[VK_SHIFT] = k.shift ? 0x80 : 0;
        SetKeyboardState(state);
        PostMessageA(GetFocus(), WM_KEYDOWN, k.key, 0);
        for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);)
            if (!IsDialogMessageA(d.m_hWnd, &msg)) TranslateMessage(&msg), DispatchMessageA(&msg);
        focused.push_back(GetDlgCtrlID(GetFocus()));
    }
    BYTE none[256] = {};
    SetKeyboardState(none);
    return focused;
}

// Escape and Enter inside a page close nothing and apply nothing; Tab goes round the dialog
// through the controls of the page shown, and from the tabs into it; Ctrl+Tab and Ctrl+Page Down
// go to the next tab, Ctrl+Shift+Tab back and round to the last; the arrow keys go from one
// language to the other, and round a group of buttons, never out of a page onto the tabs' scroll
// arrows; Enter presses the page's button it is on, and Remove, closing, hands the focus to the
// list.
TEST_F(MainDialog, TheKeyboardReachesThePagesAndMovesFromTabToTab) {
    const Key tab{VK_TAB}, back{VK_TAB, false, true}, next{VK_TAB, true},
        before{VK_TAB, true, true};
    ASSERT_TRUE(Run([&](COvaSettingsDlg& d) {
        EXPECT_EQ(GetFocus(), GetDlgItem(d.m_page1.m_hWnd, 1029)) << "the dialog opens in the page";
        SetFocus(GetDlgItem(d.m_page1.m_hWnd, 1006));
        Press(d, {{VK_ESCAPE}, {VK_RETURN}});
        EXPECT_TRUE(IsWindowVisible(d.m_hWnd));
        SetFocus(GetDlgItem(d.m_hWnd, IDC_BUTTON_HELP));
        EXPECT_EQ(Press(d, {tab, tab, tab, tab, back}),
                  (std::vector<int>{1029, 1006, 1009, IDOK, 1009}));
        EXPECT_EQ(Press(d, {{VK_DOWN}, {VK_UP}}), (std::vector<int>{1009, 1009}))
            << "round Add and the disabled Remove and Modify, never onto the label";
        SetFocus(GetDlgItem(d.m_hWnd, IDC_BUTTON_HELP));
        EXPECT_EQ(Press(d, {{VK_RIGHT}, {VK_LEFT}}), (std::vector<int>{IDOK, IDC_BUTTON_HELP}));
        Press(d, {next, {VK_NEXT, true}, next});
        EXPECT_EQ(d.m_tabPages.GetCurSel(), 3);
        EXPECT_EQ(Press(d, {tab}), std::vector<int>{1052});
        Press(d, {before, before, before, before});
        EXPECT_EQ(d.m_tabPages.GetCurSel(), 8);

        // only the ticked language is a tab stop (a radio the focus reaches ticks itself on
        // Windows); the arrow keys go to the other, a group of its own, and tick it
        d.m_tabPages.SetCurFocus(4);
        const auto tabStops = [&d] {
            std::string stops;
            for (int id : {1012, 1013})
                stops += GetWindowLongA(GetDlgItem(d.m_page4.m_hWnd, id), GWL_STYLE) & WS_TABSTOP
                             ? '1'
                             : '0';
            return stops;
        };
        EXPECT_EQ(tabStops(), "01");
        SetFocus(GetDlgItem(d.m_page4.m_hWnd, 1024));
        EXPECT_EQ(Press(d, {tab, tab}), (std::vector<int>{1076, 1013})) << "down the page";
        EXPECT_EQ(Press(d, {{VK_LEFT}}), std::vector<int>{1012});
        EXPECT_TRUE(templates::Ticked(d.m_page4.m_hWnd, 1012));
        EXPECT_EQ(tabStops(), "10");
        ASSERT_NE(FindWindowExA(d.m_tabPages.m_hWnd, nullptr, UPDOWN_CLASSA, nullptr), nullptr);
        SetFocus(GetDlgItem(d.m_page4.m_hWnd, 1090));
        EXPECT_EQ(Press(d, {{VK_DOWN}, {VK_UP}}), (std::vector<int>{1090, 1090}));

        d.m_tabPages.SetCurFocus(0);
        templates::ClickRow(d.m_page1.m_hWnd, 1006, 0);
        SetFocus(GetDlgItem(d.m_page1.m_hWnd, 1010));
        EXPECT_EQ(Press(d, {{VK_RETURN}}), std::vector<int>{1006})
            << "Remove closed, the list has it";
    }));
    EXPECT_FALSE(closedWithOk);
    ASSERT_EQ(boxes.size(), 1u) << "nothing applied";
    EXPECT_EQ(boxes[0].rfind("Information - (234)", 0), 0u) << "Remove asked";
}

// The main topic whichever tab is shown.
TEST_F(MainDialog, HelpStartsTheViewerOnTheMainTopicOfTheInstalledHelpFile) {
    for (DWORD pid : driver::ProcessesNamed("hh.exe")) driver::EndProcess(pid);
    const auto help = [](COvaSettingsDlg& d) {
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON_HELP, BN_CLICKED));
    };
    ASSERT_TRUE(Run([&](COvaSettingsDlg& d) {
        ASSERT_TRUE(ClickTab(d.m_tabPages, 4));
        ASSERT_EQ(d.m_tabPages.GetCurSel(), 4);
        help(d);
    }));
    EXPECT_TRUE(boxes.empty());
    std::vector<DWORD> viewers;
    for (int i = 0; i < 100 && viewers.empty(); ++i, Sleep(50))
        viewers = driver::ProcessesNamed("hh.exe");
    ASSERT_EQ(viewers.size(), 1u);
    EXPECT_EQ(driver::ProcessCommandLine(viewers[0]),
              "hh C:\\Program Files\\Ovanta\\OvaHelp.chm::/OvantaMain.htm");
    driver::EndProcess(viewers[0]);

    DeleteFileA("C:\\Program Files\\Ovanta\\OvaHelp.chm");
    ASSERT_TRUE(Run(help));
    EXPECT_EQ(boxes, std::vector<std::string>{"Error - (8009)"});
    EXPECT_TRUE(driver::ProcessesNamed("hh.exe").empty());
}

// While open it is registered, and no longer once Cancel has closed it; the holds on the
// cryptography library and the store module it took while making its pages are gone.
TEST_F(MainDialog, WhileOpenItIsRegisteredAndEveryPageShowsTheTextsHandedToIt) {
    ASSERT_TRUE(Run([](COvaSettingsDlg& d) {
        struct Case {
            CWnd* page;
            int control;
            unsigned text;
        } cases[] = {{&d, IDOK, 205},         {&d, IDCANCEL, 206},     {&d, IDC_BUTTON_HELP, 207},
                     {&d.m_page1, 1029, 213}, {&d.m_page1, 1011, 218}, {&d.m_page2, 1020, 219},
                     {&d.m_page3, 1022, 222}, {&d.m_page4, 1047, 225}, {&d.m_page4, 1090, 280},
                     {&d.m_page5, 1042, 230}, {&d.m_page6, 1061, 246}, {&d.m_page8, 1066, 252},
                     {&d.m_page8, 1075, 257}, {&d.m_page9, 1078, 260}, {&d.m_page9, 1087, 264}};
        for (const Case& c : cases)
            EXPECT_EQ(WindowText(::GetDlgItem(c.page->m_hWnd, c.control)), InterfaceText(c.text))
                << c.control;
        EXPECT_TRUE(EditorRegistered());
        // what the pages' making held of the cryptography library and its provider went with it
        EXPECT_EQ(GetModuleHandleA("rsaenh.dll"), nullptr);
        EXPECT_EQ(GetModuleHandleA("crypt32.dll"), nullptr);
        EXPECT_EQ(GetModuleHandleA("OvaReg.dll"), nullptr);
    }));
    EXPECT_FALSE(EditorRegistered());
}

}  // namespace
