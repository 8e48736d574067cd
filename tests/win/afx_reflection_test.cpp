// Reflection: a notification or command from a control whose object handles it itself is
// handled there and not again by the parent; one that the control leaves reaches the parent.
#include "tests/win/afx_test_ids.h"
#include "tests/win/afx_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// Shared by the parent and its controls, so that the order of all handlers shows.
Log g_log;

class CSelfSwitchingTab : public CTabCtrl {
public:
    BOOL vetoChange = FALSE;

protected:
    const MessageMap* GetMessageMap() const override {
        static const MessageMapEntry entries[] = {
            ReflectNotifyEntry(TCN_SELCHANGING, &CSelfSwitchingTab::OnSelChanging),
            ReflectNotifyEntry(TCN_SELCHANGE, &CSelfSwitchingTab::OnSelChange),
        };
        static const MessageMap map{CTabCtrl::GetMessageMap(), entries};
        return &map;
    }
    void OnSelChanging(NMHDR*, LRESULT* pResult) {
        g_log.push_back("tab leaving " + std::to_string(GetCurSel()));
        *pResult = vetoChange;
    }
    void OnSelChange(NMHDR*, LRESULT*) {
        g_log.push_back("tab entered " + std::to_string(GetCurSel()));
    }
};

class CSelfClickingButton : public CButton {
protected:
    const MessageMap* GetMessageMap() const override {
        static const MessageMapEntry entries[] = {
            ReflectCommandEntry(BN_CLICKED, &CSelfClickingButton::OnClicked),
        };
        static const MessageMap map{CButton::GetMessageMap(), entries};
        return &map;
    }
    void OnClicked() { g_log.push_back("button clicked itself"); }
};

class CDrawnButton : public CButton {
protected:
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override {
        g_log.push_back("button draws item " + std::to_string(lpDrawItemStruct->CtlID));
    }
};

class CParentDlg : public CDialog {
public:
    CSelfSwitchingTab m_tab;
    CSelfClickingButton m_ownButton;
    CDrawnButton m_drawnButton;
    CButton m_plainButton;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_TAB_PAGES, m_tab);
        DDX_Control(pDX, IDC_BTN_OWN, m_ownButton);
        DDX_Control(pDX, IDC_BTN_DRAWN, m_drawnButton);
        DDX_Control(pDX, IDC_BTN_PLAIN, m_plainButton);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_tab.InsertItem(0, "First");
        m_tab.InsertItem(1, "Second");
        return TRUE;
    }
    const MessageMap* GetMessageMap() const override {
        static const MessageMapEntry entries[] = {
            NotifyEntry(IDC_TAB_PAGES, TCN_SELCHANGING, &CParentDlg::OnTabNotify),
            NotifyEntry(IDC_TAB_PAGES, TCN_SELCHANGE, &CParentDlg::OnTabNotify),
            NotifyEntry(IDC_TAB_PAGES, NM_RCLICK, &CParentDlg::OnTabNotify),
            CommandEntry(IDC_BTN_OWN, BN_CLICKED, &CParentDlg::OnOwnClicked),
            CommandEntry(IDC_BTN_HELP, BN_CLICKED, &CParentDlg::OnHelpClicked),
            CommandEntry(IDC_BTN_PLAIN, BN_CLICKED, &CParentDlg::OnPlainClicked),
            MessageEntry(WM_DRAWITEM, &CParentDlg::OnDrawItem),
        };
        static const MessageMap map{CDialog::GetMessageMap(), entries};
        return &map;
    }
    void OnTabNotify(NMHDR* pNMHDR, LRESULT*) {
        g_log.push_back("parent got tab code " + std::to_string(static_cast<int>(pNMHDR->code)));
    }
    void OnOwnClicked() { g_log.push_back("parent got own button"); }
    void OnHelpClicked() { g_log.push_back("parent got help button"); }
    void OnPlainClicked() { g_log.push_back("parent got plain button"); }
    LRESULT OnDrawItem(WPARAM, LPARAM) {
        g_log.push_back("parent draws item");
        return TRUE;
    }
};

class ReflectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitTestControls();
        g_log.clear();
        ASSERT_TRUE(dlg.Create(IDD_AFX_MAP));
    }
    void TearDown() override { dlg.DestroyWindow(); }

    void ClickTab(int index) {
        RECT item = {};
        ASSERT_TRUE(dlg.m_tab.GetItemRect(index, &item));
        ClickAt(dlg.m_tab, item);
    }

    CParentDlg dlg;
};

TEST_F(ReflectionTest, TabControlHandlesItsOwnSelectionChangeAndTheParentNeverSeesIt) {
    ClickTab(1);
    EXPECT_EQ(dlg.m_tab.GetCurSel(), 1);
    EXPECT_EQ(g_log, (Log{"tab leaving 0", "tab entered 1"}));
}

TEST_F(ReflectionTest, ControlsAnswerToItsOwnNotificationIsTheParentsAnswer) {
    // TRUE to TCN_SELCHANGING keeps the selection; the answer travels back through the parent.
    dlg.m_tab.vetoChange = TRUE;
    ClickTab(1);
    EXPECT_EQ(dlg.m_tab.GetCurSel(), 0);
    EXPECT_EQ(g_log, (Log{"tab leaving 0"}));
}

TEST_F(ReflectionTest, NotificationTheControlDoesNotHandleReachesTheParent) {
    NMHDR header = {dlg.m_tab.m_hWnd, IDC_TAB_PAGES, static_cast<UINT>(NM_RCLICK)};
    dlg.SendMessage(WM_NOTIFY, IDC_TAB_PAGES, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(g_log, (Log{"parent got tab code " + std::to_string(static_cast<int>(NM_RCLICK))}));
}

TEST_F(ReflectionTest, CommandGoesToTheControlThatHandlesItAndOtherwiseToTheParent) {
    ::SendMessageA(dlg.m_ownButton, BM_CLICK, 0, 0);
    // A button with an object of its own that leaves the click, and one without an object.
    ::SendMessageA(dlg.m_plainButton, BM_CLICK, 0, 0);
    ::SendMessageA(::GetDlgItem(dlg, IDC_BTN_HELP), BM_CLICK, 0, 0);
    EXPECT_EQ(g_log,
              (Log{"button clicked itself", "parent got plain button", "parent got help button"}));
}

TEST_F(ReflectionTest, OwnerDrawnButtonDrawsItselfInsteadOfTheParent) {
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = IDC_BTN_DRAWN;
    item.hwndItem = dlg.m_drawnButton;
    EXPECT_EQ(dlg.SendMessage(WM_DRAWITEM, IDC_BTN_DRAWN, reinterpret_cast<LPARAM>(&item)), TRUE);

    // A menu item is the parent's own business.
    DRAWITEMSTRUCT menuItem = {};
    menuItem.CtlType = ODT_MENU;
    dlg.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&menuItem));
    EXPECT_EQ(g_log,
              (Log{"button draws item " + std::to_string(IDC_BTN_DRAWN), "parent draws item"}));
}

}  // namespace
