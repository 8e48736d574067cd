// Dialogs from real templates: how modeless and modal dialogs begin and end.
#include "tests/win/afx_test_ids.h"
#include "tests/win/afx_test_support.h"

#include <gtest/gtest.h>

namespace {

// Records its life; in its initialisation it types into its field and posts `endWith`.
class CLifeDlg : public CDialog {
public:
    explicit CLifeDlg(UINT nIDTemplate = IDD_AFX_MODAL) : CDialog(nIDTemplate, nullptr) {}

    Log log;
    std::string m_strValue = "loaded";
    WPARAM endWith = 0;

protected:
    BOOL OnInitDialog() override {
        log.push_back("init");
        CDialog::OnInitDialog();
        if (endWith != 0) {
            SetDlgItemText(IDC_EDIT_VALUE, "typed");
            PostMessage(WM_COMMAND, endWith);
        }
        return TRUE;
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

TEST(DialogTest, ModalDialogEndedFromInsideSavesItsFieldsOnOkOnly) {
    const struct {
        WPARAM command;
        const char* value;
        Log log;
    } cases[] = {{IDOK, "typed", {"init", "load", "save", "last message"}},
                 {IDCANCEL, "loaded", {"init", "load", "last message"}}};
    for (const auto& c : cases) {
        CLifeDlg dlg;
        dlg.endWith = c.command;
        EXPECT_EQ(dlg.DoModal(), static_cast<INT_PTR>(c.command));
        EXPECT_EQ(dlg.m_strValue, c.value);
        EXPECT_EQ(dlg.log, c.log);
        EXPECT_EQ(dlg.m_hWnd, nullptr);
    }
}

}  // namespace
