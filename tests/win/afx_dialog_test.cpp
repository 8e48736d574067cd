// Dialogs and the application object: modeless and modal dialogs from real templates, how they
// begin and end, and the handle map that finds their objects.
#include "tests/win/afx_test_ids.h"
#include "tests/win/afx_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

constexpr UINT kFinishMessage = WM_APP + 10;

// Records its life: initialisation, every exchange with its direction, the last message.
class CLifeDlg : public CDialog {
public:
    explicit CLifeDlg(UINT nIDTemplate = IDD_AFX_MODAL, CWnd* pParentWnd = nullptr)
        : CDialog(nIDTemplate, pParentWnd) {}

    Log log;
    std::string m_strValue = "loaded";
    int m_nValue = 0;
    bool exchangeNumber = false;
    // What OnInitDialog does after the base initialisation.
    std::string typeIntoValue;
    std::vector<std::pair<UINT, WPARAM>> postInInit;
    // Seen by the finishing message.
    bool stillOpenAtFinish = false;
    int focusAtFinish = 0;
    // Seen by the initialisation.
    HWND ownerAtInit = nullptr;
    BOOL ownerEnabledAtInit = TRUE;

protected:
    BOOL OnInitDialog() override {
        log.push_back("init");
        ownerAtInit = ::GetWindow(m_hWnd, GW_OWNER);
        ownerEnabledAtInit = ::IsWindowEnabled(ownerAtInit);
        CDialog::OnInitDialog();
        if (!typeIntoValue.empty()) SetDlgItemText(IDC_EDIT_VALUE, typeIntoValue);
        for (const auto& [message, wParam] : postInInit) PostMessage(message, wParam);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override {
        log.push_back(pDX->m_bSaveAndValidate ? "save" : "load");
        if (exchangeNumber) {
            DDX_Text(pDX, IDC_EDIT_VALUE, m_nValue);
        } else {
            DDX_Text(pDX, IDC_EDIT_VALUE, m_strValue);
        }
    }
    const MessageMap* GetMessageMap() const override {
        static const MessageMapEntry entries[] = {
            MessageEntry(kFinishMessage, &CLifeDlg::OnFinish),
        };
        static const MessageMap map{CDialog::GetMessageMap(), entries};
        return &map;
    }
    LRESULT OnFinish(WPARAM wParam, LPARAM) {
        stillOpenAtFinish = true;
        focusAtFinish = ::GetDlgCtrlID(::GetFocus());
        EndDialog(static_cast<int>(wParam));
        return 0;
    }
    void PostNcDestroy() override { log.push_back("last message"); }
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { InitTestControls(); }
};

TEST_F(DialogTest, ModelessCreateInitialisesLoadsAndRegistersTheObject) {
    CLifeDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MODAL));
    ASSERT_NE(dlg.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(dlg.m_hWnd), &dlg);
    EXPECT_EQ(dlg.log, (Log{"init", "load"}));
    std::string text;
    dlg.GetDlgItemText(IDC_EDIT_VALUE, text);
    EXPECT_EQ(text, "loaded");
    dlg.DestroyWindow();
}

TEST_F(DialogTest, DestroyWindowEndsTheWindowAndLetsTheObjectGo) {
    CLifeDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MODAL));
    HWND hDlg = dlg.m_hWnd;
    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_FALSE(::IsWindow(hDlg));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hDlg), nullptr);
    EXPECT_EQ(dlg.log.back(), "last message");
}

TEST_F(DialogTest, ModelessDialogIsDestroyedWithItsObject) {
    HWND hDlg = nullptr;
    {
        CLifeDlg dlg;
        ASSERT_TRUE(dlg.Create(IDD_AFX_MODAL));
        hDlg = dlg.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hDlg));
    EXPECT_EQ(CWnd::FromHandlePermanent(hDlg), nullptr);
}

TEST_F(DialogTest, ChildTemplateBecomesAChildOfTheGivenParent) {
    CLifeDlg parent;
    ASSERT_TRUE(parent.Create(IDD_AFX_MODAL));
    CDialog child;
    ASSERT_TRUE(child.Create(IDD_AFX_CHILD, &parent));
    EXPECT_EQ(::GetParent(child), parent.m_hWnd);
    EXPECT_TRUE(child.GetStyle() & WS_CHILD);
    EXPECT_EQ(child.GetParent(), &parent);
    parent.DestroyWindow();
    // The child went with its parent, and its object let it go.
    EXPECT_EQ(child.m_hWnd, nullptr);
}

TEST_F(DialogTest, OkFromInsideTheModalDialogSavesTheFieldsAndEndsWithIdok) {
    CLifeDlg dlg;
    dlg.typeIntoValue = "typed";
    dlg.postInInit = {{WM_COMMAND, IDOK}};
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.log, (Log{"init", "load", "save", "last message"}));
    EXPECT_EQ(dlg.m_strValue, "typed");
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(DialogTest, CancelEndsTheModalDialogWithoutSaving) {
    CLifeDlg dlg;
    dlg.typeIntoValue = "typed";
    dlg.postInInit = {{WM_COMMAND, IDCANCEL}};
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.log, (Log{"init", "load", "last message"}));
    EXPECT_EQ(dlg.m_strValue, "loaded");
}

TEST_F(DialogTest, OkWithAFieldThatFailsKeepsTheDialogOpenWithTheFocusOnIt) {
    BoxRecordingApp app;
    CLifeDlg dlg;
    dlg.exchangeNumber = true;
    dlg.m_nValue = 5;
    dlg.typeIntoValue = "five";
    dlg.postInInit = {{WM_COMMAND, IDOK}, {kFinishMessage, 77}};
    EXPECT_EQ(dlg.DoModal(), 77);
    EXPECT_TRUE(dlg.stillOpenAtFinish);
    EXPECT_EQ(dlg.focusAtFinish, IDC_EDIT_VALUE);
    EXPECT_EQ(dlg.m_nValue, 5);
    EXPECT_EQ(app.boxes, (std::vector<std::string>{"Please enter an integer."}));
}

TEST_F(DialogTest, ModalDialogOpenedFromAPageIsOwnedByTheTopLevelWindowWhichItDisables) {
    CLifeDlg topLevel;
    ASSERT_TRUE(topLevel.Create(IDD_AFX_MODAL));
    CDialog page;
    ASSERT_TRUE(page.Create(IDD_AFX_CHILD, &topLevel));
    CLifeDlg modal(IDD_AFX_MODAL, &page);
    modal.postInInit = {{WM_COMMAND, IDCANCEL}};
    EXPECT_EQ(modal.DoModal(), IDCANCEL);
    EXPECT_EQ(modal.ownerAtInit, topLevel.m_hWnd);
    EXPECT_FALSE(modal.ownerEnabledAtInit);
    EXPECT_TRUE(topLevel.IsWindowEnabled());
    topLevel.DestroyWindow();
}

TEST_F(DialogTest, ModalDialogWithoutATemplateAnswersMinusOne) {
    CLifeDlg dlg(IDD_AFX_MISSING);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_TRUE(dlg.log.empty());
}

TEST_F(DialogTest, SameDialogObjectRunsModallyTwice) {
    CLifeDlg dlg;
    dlg.postInInit = {{WM_COMMAND, IDCANCEL}};
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    dlg.postInInit = {{WM_COMMAND, IDOK}};
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST_F(DialogTest, ControlWithoutAnObjectGetsAPlainOneThatStaysTheSame) {
    CLifeDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MODAL));
    CWnd* pEdit = dlg.GetDlgItem(IDC_EDIT_VALUE);
    ASSERT_NE(pEdit, nullptr);
    EXPECT_EQ(pEdit->m_hWnd, ::GetDlgItem(dlg, IDC_EDIT_VALUE));
    EXPECT_EQ(dlg.GetDlgItem(IDC_EDIT_VALUE), pEdit);
    EXPECT_EQ(CWnd::FromHandlePermanent(pEdit->m_hWnd), nullptr);
    EXPECT_EQ(dlg.GetDlgItem(4711), nullptr);

    // Once an object is attached, that object is the answer.
    CEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_EDIT_VALUE, &dlg));
    EXPECT_EQ(dlg.GetDlgItem(IDC_EDIT_VALUE), &edit);
    dlg.DestroyWindow();
    EXPECT_EQ(edit.m_hWnd, nullptr);
}

TEST_F(DialogTest, DetachedControlGetsItsOwnProcedureBack) {
    CLifeDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MODAL));
    HWND hEdit = ::GetDlgItem(dlg, IDC_EDIT_VALUE);
    const LONG_PTR ownProcedure = ::GetWindowLongPtrA(hEdit, GWLP_WNDPROC);
    {
        CEdit edit;
        ASSERT_TRUE(edit.SubclassWindow(hEdit));
        EXPECT_NE(::GetWindowLongPtrA(hEdit, GWLP_WNDPROC), ownProcedure);
        // Messages still reach the control through the object.
        edit.SetWindowText("through");
    }
    EXPECT_EQ(::GetWindowLongPtrA(hEdit, GWLP_WNDPROC), ownProcedure);
    EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), nullptr);
    std::string text;
    dlg.GetDlgItemText(IDC_EDIT_VALUE, text);
    EXPECT_EQ(text, "through");
    dlg.DestroyWindow();
}

class CountingApp : public CWinApp {
public:
    Log log;
    BOOL InitInstance() override {
        log.push_back("init instance with instance " +
                      std::string(AfxGetInstanceHandle() == m_hInstance ? "set" : "not set"));
        return FALSE;
    }
    int ExitInstance() override {
        log.push_back("exit instance");
        return 42;
    }
};

TEST(AppTest, WinMainRunsInitInstanceAndEndsWithExitInstancesValue) {
    CountingApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    HINSTANCE hInstance = ::GetModuleHandleA(nullptr);
    char commandLine[] = "";
    EXPECT_EQ(AfxWinMain(hInstance, nullptr, commandLine, SW_SHOW), 42);
    EXPECT_EQ(app.m_hInstance, hInstance);
    EXPECT_EQ(app.log, (Log{"init instance with instance set", "exit instance"}));
}

TEST(AppTest, ApplicationIsCurrentOnlyWhileItLives) {
    EXPECT_EQ(AfxGetApp(), nullptr);
    {
        CountingApp app;
        EXPECT_EQ(AfxGetApp(), &app);
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
    // Without an application, resources come from the program's own module.
    EXPECT_EQ(AfxGetInstanceHandle(), ::GetModuleHandleA(nullptr));
}

TEST(AppTest, FrameworkBoxesGoThroughTheApplication) {
    BoxRecordingApp app;
    EXPECT_EQ(AfxMessageBox("hello", MB_OKCANCEL), IDOK);
    EXPECT_EQ(app.boxes, (std::vector<std::string>{"hello"}));
    EXPECT_EQ(app.types, (std::vector<UINT>{MB_OKCANCEL}));
}

}  // namespace
