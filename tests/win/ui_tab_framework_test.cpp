// The tab framework: one page per tab, only the selected one shown and fitted beside the tabs,
// each page's focus kept across switches, tab changes told to the hooks and the observer but
// never to the parent, what reaches the control from a child passed on to the parent, and the
// pages destroyed with the control.
#include "tests/win/afx_test_support.h"
#include "tests/win/ui_tab_framework_test_ids.h"
#include "ui/tab_ctrl_ssl.h"
#include "ui/vorn_tab_ctrl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// Shared by pages, tab controls and observers, so that the order of everything shows.
Log g_log;

bool IsShown(HWND hWnd) {
    return (::GetWindowLongA(hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

// One character per page: '1' shown, '0' hidden, 'x' window gone.
std::string PageStates(const std::vector<CWnd*>& pages) {
    std::string states;
    for (const CWnd* page : pages) {
        if (!::IsWindow(page->m_hWnd)) {
            states += 'x';
        } else {
            states += IsShown(page->m_hWnd) ? '1' : '0';
        }
    }
    return states;
}

std::string Event(const std::string& what, int index, int pageID, const std::string& states) {
    return what + " " + std::to_string(index) + " id " + std::to_string(pageID) + " pages " +
           states;
}

class CTestPage : public CTabPageSSL {
public:
    CTestPage(UINT nIDTemplate, std::string name)
        : CTabPageSSL(nIDTemplate), m_name(std::move(name)) {}
    ~CTestPage() override { g_log.push_back("page " + m_name + " deleted"); }

    // As the main dialog makes its pages: a hidden child of the dialog.
    BOOL CreateIn(CWnd* pParent) { return Create(m_nIDTemplate, pParent); }

protected:
    const MessageMap* GetMessageMap() const override {
        static const MessageMapEntry entries[] = {
            MessageEntry(WM_DESTROY, &CTestPage::OnDestroy),
        };
        static const MessageMap map{CTabPageSSL::GetMessageMap(), entries};
        return &map;
    }

private:
    void OnDestroy() {
        CTabPageSSL::OnDestroy();
        g_log.push_back("page " + m_name + " window destroyed");
    }

    std::string m_name;
};

// Records every hook with the state of the watched pages at that moment.
class CRecordingTabs : public CTabCtrlSSL {
public:
    std::vector<CWnd*> watched;
    BOOL initAnswer = TRUE;

protected:
    BOOL OnPageInit(int index, int pageID) override {
        Record("init", index, pageID);
        return initAnswer;
    }
    void OnPageActivated(int index, int pageID) override { Record("activated", index, pageID); }
    void OnPageDeactivating(int index, int pageID) override {
        Record("deactivating", index, pageID);
    }
    void OnPageDestroying(int index, int pageID) override { Record("destroying", index, pageID); }

private:
    void Record(const std::string& what, int index, int pageID) {
        g_log.push_back(Event(what, index, pageID, PageStates(watched)));
    }
};

class RecordingObserver final : public TabChangeObserver {
public:
    RecordingObserver(std::string name, std::vector<CWnd*> pages)
        : m_name(std::move(name)), m_pages(std::move(pages)) {}
    void OnTabActivated(int index, int pageID) override {
        g_log.push_back(m_name + " " + Event("activated", index, pageID, PageStates(m_pages)));
    }
    void OnTabDeactivating(int index, int pageID) override {
        g_log.push_back(m_name + " " + Event("deactivating", index, pageID, PageStates(m_pages)));
    }

private:
    std::string m_name;
    std::vector<CWnd*> m_pages;
};

// The tab control's parent: records every command and notification that its map sees, and
// answers them with `answer`.
class CHostDlg : public CDialog {
public:
    std::vector<std::pair<WPARAM, LPARAM>> commands;
    std::vector<std::pair<WPARAM, LPARAM>> notifications;
    std::vector<int> notificationCodes;
    LRESULT answer = 0;
    // Runs in the dialog's initialisation.
    std::function<void()> onInit;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (onInit) onInit();
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
        return answer;
    }
    LRESULT OnNotifyMessage(WPARAM wParam, LPARAM lParam) {
        notifications.emplace_back(wParam, lParam);
        notificationCodes.push_back(static_cast<int>(reinterpret_cast<NMHDR*>(lParam)->code));
        return answer;
    }
};

// Where the page lies in the tab control's client area.
RECT PlaceOf(const CWnd& page, const CWnd& tabs) {
    RECT rect = {};
    ::GetWindowRect(page.m_hWnd, &rect);
    ::MapWindowPoints(nullptr, tabs.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT PlaceInParent(const CWnd& page) {
    return PlaceOf(page, *page.GetParent());
}

RECT Rect(int x, int y, int width, int height) {
    return RECT{x, y, x + width, y + height};
}

std::string Text(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
           std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

void ClickTab(CTabCtrl& tabs, int index) {
    RECT item = {};
    ASSERT_TRUE(tabs.GetItemRect(index, &item));
    ClickAt(tabs, item);
}

void PressKey(CTabCtrl& tabs, UINT key) {
    tabs.SendMessage(WM_KEYDOWN, key, 1);
    tabs.SendMessage(WM_KEYUP, key, 0xC0000001);
}

class TabFrameworkTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitTestControls();
        g_log.clear();
    }
    void TearDown() override { host.DestroyWindow(); }

    // Shows the dialog with its tab control and page windows; no page has a tab yet.
    void Open() {
        Open([] {});
    }

    // As the main dialog does: the pages get their tabs in the dialog's initialisation, before
    // the dialog is shown and active.
    void OpenWithThreePages() {
        Open([this] {
            ASSERT_EQ(tabs.AddPage("Names", 10, &names), 0);
            ASSERT_EQ(tabs.AddPage("Note", 11, &note), 1);
            ASSERT_EQ(tabs.AddPage("Option", 12, &option), 2);
        });
    }

    void Open(const std::function<void()>& addPages) {
        host.onInit = [this, addPages] {
            ASSERT_TRUE(tabs.SubclassDlgItem(IDC_TABS_TOP, &host));
            for (CTestPage* page : {&names, &note, &option}) ASSERT_TRUE(page->CreateIn(&host));
            tabs.watched = {&names, &note, &option};
            addPages();
        };
        ASSERT_TRUE(host.Create(IDD_TAB_HOST));
        host.ShowWindow(SW_SHOW);
    }

    CHostDlg host;
    CRecordingTabs tabs;
    CTestPage names{IDD_PAGE_NAMES, "names"};
    CTestPage note{IDD_PAGE_NOTE, "note"};
    CTestPage option{IDD_PAGE_OPTION, "option"};
};

// Adding pages.

TEST_F(TabFrameworkTest, PagesGetConsecutiveTabsAndOnlyTheFirstIsShown) {
    OpenWithThreePages();
    EXPECT_EQ(tabs.GetItemCount(), 3);
    EXPECT_EQ(PageStates(tabs.watched), "100");
    for (CWnd* page : tabs.watched) EXPECT_EQ(::GetParent(page->m_hWnd), tabs.m_hWnd);
    // The hook runs before the first page is shown.
    EXPECT_EQ(g_log,
              (Log{"init 0 id 10 pages 000", "init 1 id 11 pages 100", "init 2 id 12 pages 100"}));
}

TEST_F(TabFrameworkTest, TabTitlesAreThePagesTitles) {
    OpenWithThreePages();
    char text[32] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    ASSERT_TRUE(tabs.SendMessage(TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(text, "Note");
}

TEST_F(TabFrameworkTest, NullPageGetsNoTabAndTheNextPageTheNextIndex) {
    Open();
    EXPECT_EQ(tabs.AddPage("Names", 10, &names), 0);
    EXPECT_EQ(tabs.AddPage("Nothing", 11, nullptr), -1);
    EXPECT_EQ(tabs.GetItemCount(), 1);
    EXPECT_EQ(tabs.AddPage("Note", 11, &note), 1);
    EXPECT_EQ(tabs.GetItemCount(), 2);
    EXPECT_EQ(g_log, (Log{"init 0 id 10 pages 000", "init 1 id 11 pages 100"}));
}

// Switching tabs.

TEST_F(TabFrameworkTest, LeavingHooksWhileOldPageShownEnteringAfterNewPageShown) {
    OpenWithThreePages();
    g_log.clear();
    ClickTab(tabs, 2);
    EXPECT_EQ(tabs.GetCurSel(), 2);
    EXPECT_EQ(g_log, (Log{"deactivating 0 id 10 pages 100", "activated 2 id 12 pages 001"}));

    g_log.clear();
    ClickTab(tabs, 1);
    EXPECT_EQ(g_log, (Log{"deactivating 2 id 12 pages 001", "activated 1 id 11 pages 010"}));
}

TEST_F(TabFrameworkTest, ArrowKeysSwitchPagesTheSameWay) {
    OpenWithThreePages();
    g_log.clear();
    PressKey(tabs, VK_RIGHT);
    EXPECT_EQ(tabs.GetCurSel(), 1);
    EXPECT_EQ(g_log, (Log{"deactivating 0 id 10 pages 100", "activated 1 id 11 pages 010"}));
}

TEST_F(TabFrameworkTest, ParentNeverSeesTheSelectionChanges) {
    OpenWithThreePages();
    ClickTab(tabs, 1);
    PressKey(tabs, VK_RIGHT);
    ASSERT_EQ(tabs.GetCurSel(), 2);
    for (int code : host.notificationCodes) {
        EXPECT_NE(code, static_cast<int>(TCN_SELCHANGING));
        EXPECT_NE(code, static_cast<int>(TCN_SELCHANGE));
    }
    // The tab control's other notifications still reach the parent.
    EXPECT_NE(std::find(host.notificationCodes.begin(), host.notificationCodes.end(),
                        static_cast<int>(NM_CLICK)),
              host.notificationCodes.end());
}

// Focus.

TEST_F(TabFrameworkTest, ControlFocusedFromTheTabsGetsTheFocusBackWhenItsPageReturns) {
    OpenWithThreePages();
    HWND lastName = ::GetDlgItem(names, IDC_EDIT_LAST_NAME);
    ::SetFocus(tabs);
    ::SetFocus(lastName);
    ASSERT_EQ(::GetFocus(), lastName);

    ClickTab(tabs, 1);
    ASSERT_EQ(tabs.GetCurSel(), 1);
    EXPECT_NE(::GetFocus(), lastName);
    ClickTab(tabs, 0);
    ASSERT_EQ(tabs.GetCurSel(), 0);
    EXPECT_EQ(::GetFocus(), lastName);
}

TEST_F(TabFrameworkTest, ControlFocusedWhenTheTabIsLeftGetsTheFocusBackWhenItsPageReturns) {
    OpenWithThreePages();
    HWND lastName = ::GetDlgItem(names, IDC_EDIT_LAST_NAME);
    ::SetFocus(lastName);

    PressKey(tabs, VK_RIGHT);
    ASSERT_EQ(tabs.GetCurSel(), 1);
    EXPECT_NE(::GetFocus(), lastName);
    PressKey(tabs, VK_LEFT);
    ASSERT_EQ(tabs.GetCurSel(), 0);
    EXPECT_EQ(::GetFocus(), lastName);
}

TEST_F(TabFrameworkTest, EachPageKeepsItsOwnFocus) {
    OpenWithThreePages();
    HWND firstName = ::GetDlgItem(names, IDC_EDIT_FIRST_NAME);
    HWND noteEdit = ::GetDlgItem(note, IDC_EDIT_NOTE);
    ::SetFocus(firstName);
    PressKey(tabs, VK_RIGHT);
    ::SetFocus(noteEdit);
    PressKey(tabs, VK_LEFT);
    EXPECT_EQ(::GetFocus(), firstName);
    PressKey(tabs, VK_RIGHT);
    EXPECT_EQ(::GetFocus(), noteEdit);
}

TEST_F(TabFrameworkTest, FocusGivenToTheTabsGoesOnToWhereTheyLostIt) {
    OpenWithThreePages();
    HWND firstName = ::GetDlgItem(names, IDC_EDIT_FIRST_NAME);
    ::SetFocus(tabs);
    // Nothing is kept for the page yet: the tabs keep the focus.
    ASSERT_EQ(::GetFocus(), tabs.m_hWnd);
    ::SetFocus(firstName);
    ::SetFocus(::GetDlgItem(host, IDC_HOST_BUTTON));
    ::SetFocus(tabs);
    EXPECT_EQ(::GetFocus(), firstName);
}

TEST_F(TabFrameworkTest, PageAddedWhileTheDialogIsActiveSendsTheFocusToTheDialog) {
    Open();
    ::SetFocus(tabs);
    ASSERT_EQ(tabs.AddPage("Names", 10, &names), 0);
    ASSERT_EQ(tabs.AddPage("Note", 11, &note), 1);
    ::SetFocus(::GetDlgItem(names, IDC_EDIT_FIRST_NAME));
    PressKey(tabs, VK_RIGHT);
    // The dialog hands it on to its own first control.
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(host, IDC_HOST_BUTTON));
}

TEST_F(TabFrameworkTest, PageWhoseInitAnswersFalseStartsFromTheFocusAtItsAdding) {
    Open();
    ::SetFocus(tabs);
    tabs.initAnswer = FALSE;
    ASSERT_EQ(tabs.AddPage("Names", 10, &names), 0);
    ASSERT_EQ(tabs.AddPage("Note", 11, &note), 1);
    ::SetFocus(::GetDlgItem(names, IDC_EDIT_FIRST_NAME));
    PressKey(tabs, VK_RIGHT);
    EXPECT_EQ(::GetFocus(), tabs.m_hWnd);
}

// Fitting a page beside the tabs.

class FittingTest : public TabFrameworkTest {
protected:
    void SetUp() override {
        TabFrameworkTest::SetUp();
        Open();
        tabs.UnsubclassWindow();
    }

    // The page's place after adding it as the only page of the tab control `id`, and the
    // expected one from the control's client size and tab band.
    void AddToTabs(int id, RECT* place, SIZE* client, SIZE* item) {
        ASSERT_TRUE(sideTabs.SubclassDlgItem(id, &host));
        ASSERT_EQ(sideTabs.AddPage("Names", 0, &names), 0);
        ASSERT_EQ(sideTabs.GetRowCount(), 1);
        RECT clientRect = {};
        sideTabs.GetClientRect(&clientRect);
        RECT itemRect = {};
        ASSERT_TRUE(sideTabs.GetItemRect(0, &itemRect));
        *client = SIZE{clientRect.right, clientRect.bottom};
        *item = SIZE{itemRect.right - itemRect.left, itemRect.bottom - itemRect.top};
        ASSERT_GT(item->cx, 0);
        ASSERT_GT(item->cy, 0);
        *place = PlaceOf(names, sideTabs);
    }

    CTabCtrlSSL sideTabs;
};

TEST_F(FittingTest, TabsAtTheTopPutThePageBelowTheirRow) {
    RECT place = {};
    SIZE client = {};
    SIZE item = {};
    AddToTabs(IDC_TABS_TOP, &place, &client, &item);
    EXPECT_EQ(Text(place), Text(Rect(4, 4 + item.cy, client.cx - 8, client.cy - item.cy - 8)));
}

TEST_F(FittingTest, TabsAtTheBottomPutThePageAboveTheirRow) {
    RECT place = {};
    SIZE client = {};
    SIZE item = {};
    AddToTabs(IDC_TABS_BOTTOM, &place, &client, &item);
    EXPECT_EQ(Text(place), Text(Rect(4, 4, client.cx - 8, client.cy - item.cy - 8)));
}

TEST_F(FittingTest, TabsOnTheLeftPutThePageRightOfTheirColumn) {
    RECT place = {};
    SIZE client = {};
    SIZE item = {};
    AddToTabs(IDC_TABS_LEFT, &place, &client, &item);
    EXPECT_EQ(Text(place), Text(Rect(4 + item.cx, 4, client.cx - item.cx - 8, client.cy - 8)));
}

TEST_F(FittingTest, TabsOnTheRightPutThePageLeftOfTheirColumn) {
    RECT place = {};
    SIZE client = {};
    SIZE item = {};
    AddToTabs(IDC_TABS_RIGHT, &place, &client, &item);
    EXPECT_EQ(Text(place), Text(Rect(4, 4, client.cx - item.cx - 8, client.cy - 8)));
}

TEST_F(TabFrameworkTest, PageIsFittedAgainWhenItsTabIsEntered) {
    OpenWithThreePages();
    const RECT before = PlaceOf(note, tabs);
    RECT window = {};
    tabs.GetWindowRect(&window);
    host.ScreenToClient(&window);
    tabs.MoveWindow(window.left, window.top, window.right - window.left + 40,
                    window.bottom - window.top + 30);

    ClickTab(tabs, 1);
    const RECT after = PlaceOf(note, tabs);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right - after.left, before.right - before.left + 40);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top + 30);
    // A page whose tab is not entered keeps its place.
    EXPECT_EQ(Text(PlaceOf(option, tabs)), Text(before));
}

TEST_F(TabFrameworkTest, ControlWithoutSizeLeavesThePageUntilItsTabIsEntered) {
    Open();
    RECT window = {};
    tabs.GetWindowRect(&window);
    host.ScreenToClient(&window);
    tabs.MoveWindow(window.left, window.top, 0, 0);
    const RECT before = PlaceInParent(names);
    ASSERT_EQ(tabs.AddPage("Names", 10, &names), 0);
    ASSERT_EQ(tabs.AddPage("Note", 11, &note), 1);
    EXPECT_EQ(Text(PlaceInParent(names)), Text(before));

    tabs.MoveWindow(&window);
    ClickTab(tabs, 1);
    ClickTab(tabs, 0);
    RECT item = {};
    ASSERT_TRUE(tabs.GetItemRect(0, &item));
    EXPECT_EQ(PlaceInParent(names).left, 4);
    EXPECT_EQ(PlaceInParent(names).top, 4 + item.bottom - item.top);
}

// The observer.

class VornTabTest : public TabFrameworkTest {
protected:
    void SetUp() override {
        TabFrameworkTest::SetUp();
        Open();
        ASSERT_TRUE(vornTabs.SubclassDlgItem(IDC_TABS_BOTTOM, &host));
        for (CTestPage* page : {&second, &third}) ASSERT_TRUE(page->CreateIn(&host));
    }

    CVornTabCtrl vornTabs;
    CTestPage second{IDD_PAGE_NOTE, "second"};
    CTestPage third{IDD_PAGE_OPTION, "third"};
};

TEST_F(VornTabTest, ObserverHearsTheTabLeftWhileShownAndTheTabEnteredOnceShown) {
    RecordingObserver observer("observer", {&second, &third});
    EXPECT_TRUE(vornTabs.SetObserver(&observer));
    ASSERT_EQ(vornTabs.AddPage("Second", 0, &second), 0);
    ASSERT_EQ(vornTabs.AddPage("Third", 1, &third), 1);
    ClickTab(vornTabs, 1);
    EXPECT_EQ(g_log,
              (Log{"observer deactivating 0 id 0 pages 10", "observer activated 1 id 1 pages 01"}));
}

TEST_F(VornTabTest, SecondObserverIsRefusedAndTheFirstKept) {
    RecordingObserver first("first", {&second, &third});
    RecordingObserver later("later", {&second, &third});
    EXPECT_TRUE(vornTabs.SetObserver(&first));
    EXPECT_FALSE(vornTabs.SetObserver(&later));
    ASSERT_EQ(vornTabs.AddPage("Second", 0, &second), 0);
    ASSERT_EQ(vornTabs.AddPage("Third", 1, &third), 1);
    PressKey(vornTabs, VK_RIGHT);
    EXPECT_EQ(g_log,
              (Log{"first deactivating 0 id 0 pages 10", "first activated 1 id 1 pages 01"}));
}

TEST_F(VornTabTest, WithoutObserverTabsStillSwitch) {
    ASSERT_EQ(vornTabs.AddPage("Second", 0, &second), 0);
    ASSERT_EQ(vornTabs.AddPage("Third", 1, &third), 1);
    PressKey(vornTabs, VK_RIGHT);
    EXPECT_EQ(vornTabs.GetCurSel(), 1);
    EXPECT_FALSE(IsShown(second));
    EXPECT_TRUE(IsShown(third));
}

// What the control's children report.

TEST_F(TabFrameworkTest, CommandReachingTheTabsGoesUnchangedToTheParentWithItsAnswer) {
    OpenWithThreePages();
    host.answer = 0x5A17;
    const WPARAM wParam = MAKEWPARAM(IDD_PAGE_NOTE, 0x0123);
    const LPARAM lParam = reinterpret_cast<LPARAM>(note.m_hWnd);
    EXPECT_EQ(tabs.SendMessage(WM_COMMAND, wParam, lParam), 0x5A17);
    ASSERT_EQ(host.commands.size(), 1u);
    EXPECT_EQ(host.commands[0].first, wParam);
    EXPECT_EQ(host.commands[0].second, lParam);
}

TEST_F(TabFrameworkTest, NotificationReachingTheTabsGoesUnchangedToTheParentWithItsAnswer) {
    OpenWithThreePages();
    host.answer = 0x2B;
    NMHDR header = {note.m_hWnd, IDD_PAGE_NOTE, static_cast<UINT>(NM_RCLICK)};
    const LPARAM lParam = reinterpret_cast<LPARAM>(&header);
    EXPECT_EQ(tabs.SendMessage(WM_NOTIFY, IDD_PAGE_NOTE, lParam), 0x2B);
    ASSERT_EQ(host.notifications.size(), 1u);
    EXPECT_EQ(host.notifications[0].first, static_cast<WPARAM>(IDD_PAGE_NOTE));
    EXPECT_EQ(host.notifications[0].second, lParam);
    EXPECT_EQ(header.code, static_cast<UINT>(NM_RCLICK));
}

TEST_F(TabFrameworkTest, PageHandlesItsOwnControlsCommands) {
    OpenWithThreePages();
    ClickTab(tabs, 2);
    host.commands.clear();
    HWND check = ::GetDlgItem(option, IDC_CHECK_OPTION);
    ::SendMessageA(check, BM_CLICK, 0, 0);
    EXPECT_EQ(::SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(host.commands.empty());
}

// Destruction.

TEST_F(TabFrameworkTest, DestroyingTheTabsDestroysPagesFromTheLastAndDeletesOnlyOwnedOnes) {
    OpenWithThreePages();
    auto owned = std::make_unique<CTestPage>(IDD_PAGE_NOTE, "owned");
    ASSERT_TRUE(owned->CreateIn(&host));
    ASSERT_EQ(tabs.AddOwnedPage("Owned", 13, std::move(owned)), 3);
    g_log.clear();

    tabs.DestroyWindow();
    EXPECT_EQ(g_log, (Log{"destroying 3 id 13 pages 100", "page owned window destroyed",
                          "page owned deleted", "destroying 2 id 12 pages 100",
                          "page option window destroyed", "destroying 1 id 11 pages 10x",
                          "page note window destroyed", "destroying 0 id 10 pages 1xx",
                          "page names window destroyed"}));
    // The pages the control did not own are still there, without their windows.
    for (CWnd* page : tabs.watched) EXPECT_EQ(page->m_hWnd, nullptr);
}

TEST_F(TabFrameworkTest, OwnedPageGoesWithTheControlObject) {
    Open();
    auto tabsObject = std::make_unique<CTabCtrlSSL>();
    tabs.UnsubclassWindow();
    ASSERT_TRUE(tabsObject->SubclassDlgItem(IDC_TABS_TOP, &host));
    auto owned = std::make_unique<CTestPage>(IDD_PAGE_NOTE, "owned");
    ASSERT_TRUE(owned->CreateIn(&host));
    HWND ownedWindow = owned->m_hWnd;
    ASSERT_EQ(tabsObject->AddPage("Names", 0, &names), 0);
    ASSERT_EQ(tabsObject->AddOwnedPage("Owned", 1, std::move(owned)), 1);
    g_log.clear();

    tabsObject.reset();
    // The page object lets its window go before destroying it, so it hears no WM_DESTROY.
    EXPECT_EQ(g_log, (Log{"page owned deleted"}));
    EXPECT_FALSE(::IsWindow(ownedWindow));
    EXPECT_TRUE(::IsWindow(names));
}

// A programming error.

TEST_F(TabFrameworkTest, TabWithoutPageStopsTheProgramWhenEntered) {
    OpenWithThreePages();
    tabs.InsertItem(3, "Bare");
    EXPECT_DEATH(ClickTab(tabs, 3), "assertion failed");
}

}  // namespace
