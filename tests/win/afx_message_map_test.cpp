// Message maps: the real dialog from its template, driven with messages; the handlers record
// what they received.
#include "tests/win/afx_test_ids.h"
#include "tests/win/afx_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kSumMessage = WM_APP + 1;
constexpr UINT kPingMessage = WM_APP + 2;

class CMapDlg : public CDialog {
public:
    std::vector<std::string> log;
    LRESULT notifyAnswer = 0;
    const NMHDR* lastNotify = nullptr;
    CWnd* ctlColorControl = nullptr;
    UINT ctlColorKind = 0xFFFF;
    CBrush labelBrush{RGB(1, 2, 3)};

protected:
    const MessageMap* GetMessageMap() const override {
        static const MessageMapEntry entries[] = {
            CommandEntry(IDC_BTN_HELP, BN_CLICKED, &CMapDlg::OnHelp),
            CommandEntry(IDC_EDIT_NAME, EN_CHANGE, &CMapDlg::OnNameChange),
            NotifyEntry(IDC_TAB_PAGES, NM_RCLICK, &CMapDlg::OnTabRightClick),
            MessageEntry(kSumMessage, &CMapDlg::OnSum),
            MessageEntry(kPingMessage, &CMapDlg::OnPing),
            MessageEntry(WM_SETTEXT, &CMapDlg::OnSetText),
            CtlColorEntry(&CMapDlg::OnCtlColor),
        };
        static const MessageMap map{CDialog::GetMessageMap(), entries};
        return &map;
    }
    void OnOK() override { log.push_back("OnOK"); }
    void OnCancel() override { log.push_back("OnCancel"); }

    void OnHelp() { log.push_back("help"); }
    void OnNameChange() { log.push_back("name changed"); }
    void OnTabRightClick(NMHDR* pNMHDR, LRESULT* pResult) {
        log.push_back("tab right click");
        lastNotify = pNMHDR;
        *pResult = notifyAnswer;
    }
    LRESULT OnSum(WPARAM wParam, LPARAM lParam) {
        log.push_back("sum");
        return static_cast<LRESULT>(wParam) + lParam;
    }
    void OnPing() { log.push_back("ping"); }
    LRESULT OnSetText(WPARAM, LPARAM lParam) {
        // The default runs inside the handler: the caption is already the new one afterwards.
        LRESULT answer = Default();
        std::string caption;
        GetWindowText(caption);
        log.push_back("set text " + std::string(reinterpret_cast<const char*>(lParam)) + " -> " +
                      caption);
        return answer;
    }
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
        HBRUSH hDefault = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
        ctlColorControl = pWnd;
        ctlColorKind = nCtlColor;
        return pWnd->GetDlgCtrlID() == IDC_STATIC_LABEL ? static_cast<HBRUSH>(labelBrush)
                                                        : hDefault;
    }
};

// A derived dialog: its own entries come first, the base's still work.
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
    void OnDerivedHelp() { log.push_back("derived help"); }
    void OnOwn() { log.push_back("own"); }
};

class MessageMapTest : public ::testing::Test {
protected:
    void SetUp() override { InitTestControls(); }

    static void Click(CWnd& dlg, int id) { ::SendMessageA(::GetDlgItem(dlg, id), BM_CLICK, 0, 0); }
};

using Log = std::vector<std::string>;

TEST_F(MessageMapTest, CommandReachesTheHandlerOfItsControlAndCode) {
    CMapDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MAP));
    Click(dlg, IDC_BTN_HELP);
    ::SetDlgItemTextA(dlg, IDC_EDIT_NAME, "x");  // EN_CHANGE
    // The same control with another code, and another control with the same code, are not it.
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BTN_HELP, BN_DOUBLECLICKED),
                    reinterpret_cast<LPARAM>(::GetDlgItem(dlg, IDC_BTN_HELP)));
    Click(dlg, IDC_BTN_OWN);
    EXPECT_EQ(dlg.log, (Log{"help", "name changed"}));
    dlg.DestroyWindow();
}

TEST_F(MessageMapTest, NotificationHandlerGetsTheHeaderAndItsResultIsTheAnswer) {
    CMapDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MAP));
    dlg.notifyAnswer = 7;
    NMHDR header = {::GetDlgItem(dlg, IDC_TAB_PAGES), IDC_TAB_PAGES, static_cast<UINT>(NM_RCLICK)};
    EXPECT_EQ(dlg.SendMessage(WM_NOTIFY, IDC_TAB_PAGES, reinterpret_cast<LPARAM>(&header)), 7);
    EXPECT_EQ(dlg.lastNotify, &header);

    // Another code from the same control is not handled.
    NMHDR other = {header.hwndFrom, IDC_TAB_PAGES, static_cast<UINT>(NM_DBLCLK)};
    EXPECT_EQ(dlg.SendMessage(WM_NOTIFY, IDC_TAB_PAGES, reinterpret_cast<LPARAM>(&other)), 0);
    EXPECT_EQ(dlg.log, (Log{"tab right click"}));
    dlg.DestroyWindow();
}

TEST_F(MessageMapTest, PlainMessageHandlersAnswerWithTheirResultOrZero) {
    CMapDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MAP));
    EXPECT_EQ(dlg.SendMessage(kSumMessage, 30, 12), 42);
    EXPECT_EQ(dlg.SendMessage(kPingMessage, 30, 12), 0);
    EXPECT_EQ(dlg.log, (Log{"sum", "ping"}));
    dlg.DestroyWindow();
}

TEST_F(MessageMapTest, HandlerCanRunTheDefaultHandlingFirst) {
    CMapDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MAP));
    EXPECT_TRUE(dlg.SetWindowText("New caption"));
    EXPECT_EQ(dlg.log, (Log{"set text New caption -> New caption"}));
    dlg.DestroyWindow();
}

TEST_F(MessageMapTest, ControlColourHandlerSeesTheControlAndItsKindAndChoosesTheBrush) {
    CMapDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MAP));
    HWND hLabel = ::GetDlgItem(dlg, IDC_STATIC_LABEL);
    HDC hDC = ::GetDC(hLabel);
    const LRESULT labelBrush = dlg.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                                               reinterpret_cast<LPARAM>(hLabel));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(labelBrush), static_cast<HBRUSH>(dlg.labelBrush));
    EXPECT_EQ(dlg.ctlColorControl->m_hWnd, hLabel);
    EXPECT_EQ(dlg.ctlColorKind, static_cast<UINT>(CTLCOLOR_STATIC));

    // Another control gets the dialog's default brush.
    HWND hEdit = ::GetDlgItem(dlg, IDC_EDIT_NAME);
    const LRESULT editBrush = dlg.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hDC),
                                              reinterpret_cast<LPARAM>(hEdit));
    EXPECT_NE(editBrush, 0);
    EXPECT_NE(reinterpret_cast<HBRUSH>(editBrush), static_cast<HBRUSH>(dlg.labelBrush));
    EXPECT_EQ(dlg.ctlColorKind, static_cast<UINT>(CTLCOLOR_EDIT));
    ::ReleaseDC(hLabel, hDC);
    dlg.DestroyWindow();
}

TEST_F(MessageMapTest, DerivedEntriesComeFirstAndTheBaseMapStillAnswers) {
    CDerivedMapDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MAP));
    Click(dlg, IDC_BTN_HELP);
    Click(dlg, IDC_BTN_OWN);
    EXPECT_EQ(dlg.SendMessage(kSumMessage, 1, 2), 3);
    Click(dlg, IDOK);  // CDialog's own map, two levels up
    EXPECT_EQ(dlg.log, (Log{"derived help", "own", "sum", "OnOK"}));
    dlg.DestroyWindow();
}

TEST_F(MessageMapTest, OkCancelEscapeAndCloseBoxCallTheVirtualHandlers) {
    CMapDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MAP));
    Click(dlg, IDOK);
    Click(dlg, IDCANCEL);
    dlg.SendMessage(WM_CLOSE);  // the dialog manager posts IDCANCEL for it
    PumpMessages();
    EXPECT_EQ(dlg.log, (Log{"OnOK", "OnCancel", "OnCancel"}));
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
    dlg.DestroyWindow();
}

}  // namespace
