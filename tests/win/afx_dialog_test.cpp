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

}  // namespace
