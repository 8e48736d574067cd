// Dialogs from real templates: how a modeless dialog begins and ends.
#include "tests/win/afx_test_ids.h"
#include "tests/win/afx_test_support.h"

#include <gtest/gtest.h>

namespace {

// Records its life.
class CLifeDlg : public CDialog {
public:
    CLifeDlg() : CDialog(IDD_AFX_MODAL, nullptr) {}

    Log log;
    std::string m_strValue = "loaded";

protected:
    BOOL OnInitDialog() override {
        log.push_back("init");
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override {
        log.push_back(pDX->m_bSaveAndValidate ? "save" : "load");
        DDX_Text(pDX, IDC_EDIT_VALUE, m_strValue);
    }
    void PostNcDestroy() override { log.push_back("last message"); }
};

TEST(DialogTest, ModelessDialogLivesFromCreateToDestroyWindowOrItsObjectsEnd) {
    CLifeDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MODAL));
    const HWND hDlg = dlg.m_hWnd;
    EXPECT_EQ(CWnd::FromHandlePermanent(hDlg), &dlg);
    EXPECT_EQ(dlg.log, (Log{"init", "load"}));
    std::string text;
    dlg.GetDlgItemText(IDC_EDIT_VALUE, text);
    EXPECT_EQ(text, "loaded");

    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_FALSE(::IsWindow(hDlg));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hDlg), nullptr);
    EXPECT_EQ(dlg.log.back(), "last message");

    HWND hOther = nullptr;
    {
        CLifeDlg other;
        ASSERT_TRUE(other.Create(IDD_AFX_MODAL));
        hOther = other.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hOther));
}

// A control found once is taken from what was found only while it is still that control.
TEST(DialogTest, AControlMadeAgainUnderItsIdIsFoundAgain) {
    CLifeDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_AFX_MODAL));
    const HWND first = dlg.GetDlgItemHandle(IDC_EDIT_VALUE);
    ASSERT_NE(first, nullptr);
    ASSERT_TRUE(::DestroyWindow(first));
    EXPECT_EQ(dlg.GetDlgItemHandle(IDC_EDIT_VALUE), nullptr);

    const HWND again =
        ::CreateWindowExA(0, "EDIT", "again", WS_CHILD, 0, 0, 50, 12, dlg.m_hWnd,
                          reinterpret_cast<HMENU>(INT_PTR{IDC_EDIT_VALUE}), nullptr, nullptr);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(dlg.GetDlgItemHandle(IDC_EDIT_VALUE), again);
    EXPECT_TRUE(dlg.DestroyWindow());
}

}  // namespace
