// Message maps and reflection: real dialogs from their templates, driven with messages; the
// handlers record what they received.
#include "tests/win/afx_test_ids.h"
#include "tests/win/afx_test_support.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT kSumMessage = WM_APP + 1;

// Shared by dialogs and their controls, so that the order of all handlers shows.
Log g_log;

class CMapDlg : public CDialog {
public:
    LRESULT notifyAnswer = 0;
    const NMHDR* lastNotify = nullptr;

protected:
    const MessageMap* GetMessageMap() const override {
        static const MessageMapEntry entries[] = {
            CommandEntry(IDC_BTN_HELP, BN_CLICKED, &CMapDlg::OnHelp),
            NotifyEntry(IDC_TAB_PAGES, NM_RCLICK, &CMapDlg::OnTabRightClick),
            MessageEntry(kSumMessage, &CMapDlg::OnSum),
        };
        static const MessageMap map{CDialog::GetMessageMap(), entries};
        return &map;
    }
    void OnOK() override { g_log.push_back("OnOK"); }
    void OnCancel() override { g_log.push_back("OnCancel"); }

    void OnHelp() { g_log.push_back("help"); }
    void OnTabRightClick(NMHDR* pNMHDR, LRESULT* pResult) {
        lastNotify = pNMHDR;
        *pResult = notifyAnswer;
    }
    LRESULT OnSum(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam) + lParam; }
};

// Its own entries come first; the base's still answer.
class CDerivedMapDlg : public CMapDlg {
protected:
    const MessageMap* GetMessageMap() const override {
        static const MessageMapEntry entries[] = {
            CommandEntry(IDC_BTN_HELP, BN_CLICKED, &CDerivedMapDlg::OnDerivedHelp),
            CommandEntry(IDC_BTN_OWN, BN_CLICKED, &CDerivedMapDlg::OnOwn),
        };
        static const MessageMap map{CMapDlg::GetMessageMap(), entries};
        return &map;
    }
    void OnDerivedHelp() { g_log.push_back("derived help"); }
    void OnOwn() { g_log.push_back("own"); }
};

class MessageMapTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitTestControls();
        g_log.clear();
    }
};

TEST_F(MessageMapTest, CommandReachesTheHandlerOfItsControlAndCodeOnly) {
    CMapDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MAP));
    ClickButton(dlg, IDC_BTN_HELP);
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BTN_HELP, BN_DOUBLECLICKED),
                    reinterpret_cast<LPARAM>(::GetDlgItem(dlg, IDC_BTN_HELP)));
    ClickButton(dlg, IDC_BTN_OWN);
    EXPECT_EQ(g_log, (Log{"help"}));
}

TEST_F(MessageMapTest, NotificationAndMessageHandlersGiveTheAnswer) {
    CMapDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MAP));
    dlg.notifyAnswer = 7;
    NMHDR header = {::GetDlgItem(dlg, IDC_TAB_PAGES), IDC_TAB_PAGES, static_cast<UINT>(NM_RCLICK)};
    EXPECT_EQ(dlg.SendMessage(WM_NOTIFY, IDC_TAB_PAGES, reinterpret_cast<LPARAM>(&header)), 7);
    EXPECT_EQ(dlg.lastNotify, &header);
    dlg.lastNotify = nullptr;
    header.code = static_cast<UINT>(NM_DBLCLK);
    EXPECT_EQ(dlg.SendMessage(WM_NOTIFY, IDC_TAB_PAGES, reinterpret_cast<LPARAM>(&header)), 0);
    EXPECT_EQ(dlg.lastNotify, nullptr);

    EXPECT_EQ(dlg.SendMessage(kSumMessage, 30, 12), 42);
}

TEST_F(MessageMapTest, DerivedEntriesComeFirstAndTheBaseMapsStillAnswer) {
    CDerivedMapDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MAP));
    ClickButton(dlg, IDC_BTN_HELP);
    ClickButton(dlg, IDC_BTN_OWN);
    EXPECT_EQ(dlg.SendMessage(kSumMessage, 1, 2), 3);
    ClickButton(dlg, IDOK);  // CDialog's own map, two levels up
    EXPECT_EQ(g_log, (Log{"derived help", "own", "OnOK"}));
}

TEST_F(MessageMapTest, OkCancelAndCloseBoxCallTheVirtualHandlers) {
    CMapDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MAP));
    ClickButton(dlg, IDOK);
    ClickButton(dlg, IDCANCEL);
    dlg.SendMessage(WM_CLOSE);  // the dialog manager posts IDCANCEL for it
    for (MSG msg; ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) ::DispatchMessageA(&msg);
    EXPECT_EQ(g_log, (Log{"OnOK", "OnCancel", "OnCancel"}));
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
}

// Reflection: what a control's own object handles is not handled again by the parent. The tab
// control's own notifications are proven by the tab framework's tests.

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

class CParentDlg : public CDialog {
public:
    CSelfClickingButton m_ownButton;
    CButton m_plainButton;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_BTN_OWN, m_ownButton);
        DDX_Control(pDX, IDC_BTN_PLAIN, m_plainButton);
    }
    const MessageMap* GetMessageMap() const override {
        static const MessageMapEntry entries[] = {
            CommandEntry(IDC_BTN_OWN, BN_CLICKED, &CParentDlg::OnOwnClicked),
            CommandEntry(IDC_BTN_PLAIN, BN_CLICKED, &CParentDlg::OnPlainClicked),
        };
        static const MessageMap map{CDialog::GetMessageMap(), entries};
        return &map;
    }
    void OnOwnClicked() { g_log.push_back("parent got own button"); }
    void OnPlainClicked() { g_log.push_back("parent got plain button"); }
};

TEST_F(MessageMapTest, CommandTheButtonHandlesStaysThereAndOthersReachTheParent) {
    CParentDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MAP));
    ClickButton(dlg, IDC_BTN_OWN);
    ClickButton(dlg, IDC_BTN_PLAIN);  // its object leaves the click
    EXPECT_EQ(g_log, (Log{"button clicked itself", "parent got plain button"}));
}

}  // namespace
