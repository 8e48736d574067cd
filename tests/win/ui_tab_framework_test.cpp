// The tab framework: one page per tab, only the selected one shown and fitted beside the tabs,
// each page's focus kept across switches, tab changes told to the hooks and the observer but
// never to the parent, commands from a child passed on to the parent, and the pages destroyed
// with the control.
#include "tests/win/afx_test_support.h"
#include "tests/win/ui_tab_framework_test_ids.h"
#include "ui/tab_ctrl_ssl.h"
#include "ui/vorn_tab_ctrl.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>

namespace {

// Shared by pages, tab controls and observers, so that the order of everything shows.
Log g_log;

// One character per page window: '1' shown, '0' hidden, 'x' gone.
std::string PageStates(const std::vector<HWND>& pages) {
    std::string states;
    for (HWND page : pages)
        states += !::IsWindow(page)                                ? 'x'
                  : ::GetWindowLongA(page, GWL_STYLE) & WS_VISIBLE ? '1'
                                                                   : '0';
    return states;
}

void Record(const std::string& what, int index, int pageID, const std::vector<HWND>& pages) {
    g_log.push_back(what + " " + std::to_string(index) + " id " + std::to_string(pageID) +
                    " pages " + PageStates(pages));
}

class CTestPage : public CTabPageSSL {
public:
    CTestPage(UINT nIDTemplate, std::string name)
        : CTabPageSSL(nIDTemplate), m_name(std::move(name)) {}
    ~CTestPage() override {
        g_log.push_back("page " + m_name +
                        (::IsWindow(m_hWnd) ? " deleted with its window" : " deleted"));
    }

    // As the main dialog makes its pages: a hidden child of the dialog.
    BOOL CreateIn(CWnd* pParent) { return Create(m_nIDTemplate, pParent); }

private:
    std::string m_name;
};

// Records every hook with the state of the watched pages at that moment.
class CRecordingTabs : public CTabCtrlSSL {
public:
    std::vector<HWND> watched;

protected:
    BOOL OnPageInit(int index, int pageID) override {
        Record("init", index, pageID, watched);
        return TRUE;
    }
    void OnPageActivated(int i, int id) override { Record("activated", i, id, watched); }
    void OnPageDeactivating(int i, int id) override { Record("deactivating", i, id, watched); }
    void OnPageDestroying(int i, int id) override { Record("destroying", i, id, watched); }
};

class RecordingObserver final : public TabChangeObserver {
public:
    RecordingObserver(std::string name, std::vector<HWND> pages)
        : m_name(std::move(name)), m_pages(std::move(pages)) {}
    void OnTabActivated(int i, int id) override { Record(m_name + " activated", i, id, m_pages); }
    void OnTabDeactivating(int i, int id) override {
        Record(m_name + " deactivating", i, id, m_pages);
    }

private:
    std::string m_name;
    std::vector<HWND> m_pages;
};

// The tab control's parent: records every command and notification code that its map sees,
// and answers every command with 0x5A17.
class CHostDlg : public CDialog {
public:
    std::vector<std::pair<WPARAM, LPARAM>> commands;
    std::vector<UINT> notificationCodes;
    std::function<void()> onInit;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        onInit();
        return TRUE;
    }
    const MessageMap* GetMessageMap() const override {
        static const MessageMapEntry entries[] = {
            MessageEntry(WM_COMMAND, &CHostDlg::OnCommandMessage),
            MessageEntry(WM_NOTIFY, &CHostDlg::OnNotifyMessage),
        };
        static const MessageMap map{CDialog::GetMessageMap(), entries};
        return &map;
    }

private:
    LRESULT OnCommandMessage(WPARAM wParam, LPARAM lParam) {
        commands.emplace_back(wParam, lParam);
        return 0x5A17;
    }
    LRESULT OnNotifyMessage(WPARAM, LPARAM lParam) {
        notificationCodes.push_back(reinterpret_cast<NMHDR*>(lParam)->code);
        return 0;
    }
};

class TabFrameworkTest : public ::testing::Test {
protected:
    // As the main dialog does: the pages get their tabs in the dialog's initialisation, before
    // the dialog is shown and active.
    void SetUp() override {
        InitTestControls();
        g_log.clear();
        host.onInit = [this] {
            ASSERT_TRUE(tabs.SubclassDlgItem(IDC_TABS_TOP, &host));
            for (CTestPage* page : {&names, &note, &option}) ASSERT_TRUE(page->CreateIn(&host));
            tabs.watched = {names, note, option};
            ASSERT_EQ(tabs.AddPage("Names", 10, &names), 0);
            ASSERT_EQ(tabs.AddPage("Note", 11, &note), 1);
            ASSERT_EQ(tabs.AddPage("Option", 12, &option), 2);
        };
        ASSERT_TRUE(host.Create(IDD_TAB_HOST));
        host.ShowWindow(SW_SHOW);
    }
    void TearDown() override { host.DestroyWindow(); }

    CHostDlg host;
    CTestPage names{IDD_PAGE_NAMES, "names"};
    CTestPage note{IDD_PAGE_NAMES, "note"};
    CTestPage option{IDD_PAGE_NAMES, "option"};
    CRecordingTabs tabs;
};

// A switch leaves while the old page is shown and enters once the new one is; the parent never
// hears of the change, only of the click, while a command reaching the tabs goes to it unchanged
// and its answer comes back.
TEST_F(TabFrameworkTest, PagesGetConsecutiveTabsOnlyTheFirstShownAndTheParentHearsOnlyTheClick) {
    EXPECT_EQ(PageStates(tabs.watched), "100");
    EXPECT_EQ(tabs.AddPage("Nothing", 13, nullptr), -1);
    EXPECT_EQ(tabs.GetItemCount(), 3);
    ASSERT_TRUE(ClickTab(tabs, 2));
    EXPECT_EQ(g_log,
              (Log{"init 0 id 10 pages 000", "init 1 id 11 pages 100", "init 2 id 12 pages 100",
                   "deactivating 0 id 10 pages 100", "activated 2 id 12 pages 001"}));
    EXPECT_EQ(host.notificationCodes, std::vector<UINT>{static_cast<UINT>(NM_CLICK)});

    const WPARAM wParam = MAKEWPARAM(IDC_EDIT_FIRST_NAME, 0x0123);
    const LPARAM lParam = reinterpret_cast<LPARAM>(note.m_hWnd);
    EXPECT_EQ(tabs.SendMessage(WM_COMMAND, wParam, lParam), 0x5A17);
    EXPECT_EQ(host.commands, (std::vector<std::pair<WPARAM, LPARAM>>{{wParam, lParam}}));
}

TEST_F(TabFrameworkTest, ControlFocusedInAPageGetsTheFocusBackWhenThePageReturns) {
    HWND lastName = ::GetDlgItem(names, IDC_EDIT_LAST_NAME);
    ::SetFocus(lastName);
    ASSERT_TRUE(ClickTab(tabs, 1));
    EXPECT_NE(::GetFocus(), lastName);
    ASSERT_TRUE(ClickTab(tabs, 0));
    EXPECT_EQ(::GetFocus(), lastName);
}

TEST_F(TabFrameworkTest, PageFillsTheControlBesideItsBandOfTabs) {
    // Which of the page's place and size give way to the band: x, y, width, height.
    const struct {
        int id;
        int x, y, width, height;
    } cases[] = {{IDC_TABS_TOP, 0, 1, 0, 1},
                 {IDC_TABS_BOTTOM, 0, 0, 0, 1},
                 {IDC_TABS_LEFT, 1, 0, 1, 0},
                 {IDC_TABS_RIGHT, 0, 0, 1, 0}};
    for (const auto& c : cases) {
        // The three pages of the tabs at the top, or one page of the other tabs.
        const bool top = c.id == IDC_TABS_TOP;
        CTestPage page{IDD_PAGE_NAMES, "fitted"};
        CTabCtrlSSL side;
        if (!top) {
            ASSERT_TRUE(page.CreateIn(&host));
            ASSERT_TRUE(side.SubclassDlgItem(c.id, &host));
            ASSERT_EQ(side.AddPage("Fitted", 0, &page), 0);
        }
        CTabCtrlSSL& control = top ? tabs : side;
        ASSERT_EQ(control.GetRowCount(), 1);
        RECT client = {}, item = {}, place = {};
        control.GetClientRect(&client);
        ASSERT_TRUE(control.GetItemRect(0, &item));
        const int cx = item.right - item.left, cy = item.bottom - item.top;
        ::GetWindowRect(top ? names.m_hWnd : page.m_hWnd, &place);
        ::MapWindowPoints(nullptr, control.m_hWnd, reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(place.left, 4 + c.x * cx) << c.id;
        EXPECT_EQ(place.top, 4 + c.y * cy) << c.id;
        EXPECT_EQ(place.right - place.left, client.right - 8 - c.width * cx) << c.id;
        EXPECT_EQ(place.bottom - place.top, client.bottom - 8 - c.height * cy) << c.id;
    }
}

TEST_F(TabFrameworkTest, SecondObserverIsRefusedAndTheFirstHearsTheSwitch) {
    CTestPage second{IDD_PAGE_NAMES, "second"}, third{IDD_PAGE_NAMES, "third"};
    for (CTestPage* page : {&second, &third}) ASSERT_TRUE(page->CreateIn(&host));
    CVornTabCtrl vornTabs;
    ASSERT_TRUE(vornTabs.SubclassDlgItem(IDC_TABS_BOTTOM, &host));
    RecordingObserver first("first", {second, third}), later("later", {});
    EXPECT_TRUE(vornTabs.SetObserver(&first));
    EXPECT_FALSE(vornTabs.SetObserver(&later));
    ASSERT_EQ(vornTabs.AddPage("Second", 0, &second), 0);
    ASSERT_EQ(vornTabs.AddPage("Third", 1, &third), 1);
    g_log.clear();
    ASSERT_TRUE(ClickTab(vornTabs, 1));
    EXPECT_EQ(g_log,
              (Log{"first deactivating 0 id 0 pages 10", "first activated 1 id 1 pages 01"}));
}

// Each page's window goes after its hook; the owned page is deleted once its window has gone.
TEST_F(TabFrameworkTest, DestroyingTheTabsDestroysPagesFromTheLastAndDeletesOnlyOwnedOnes) {
    auto owned = std::make_unique<CTestPage>(IDD_PAGE_NAMES, "owned");
    ASSERT_TRUE(owned->CreateIn(&host));
    tabs.watched.push_back(*owned);
    ASSERT_EQ(tabs.AddOwnedPage("Owned", 13, std::move(owned)), 3);
    g_log.clear();

    tabs.DestroyWindow();
    EXPECT_EQ(g_log, (Log{"destroying 3 id 13 pages 1000", "page owned deleted",
                          "destroying 2 id 12 pages 100x", "destroying 1 id 11 pages 10xx",
                          "destroying 0 id 10 pages 1xxx"}));
    EXPECT_EQ(PageStates(tabs.watched), "xxxx");
}

}  // namespace
