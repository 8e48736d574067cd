// Dialog data exchange: the members of a real dialog exchanged with its controls in both
// directions, with MFC's rules for combo boxes. (Radio groups and checkboxes are exchanged by
// the general options page, whose tests prove them.)
#include "tests/win/afx_test_ids.h"
#include "tests/win/afx_test_support.h"

#include <gtest/gtest.h>

namespace {

// Exchanges its two combo boxes' texts.
class CFieldsDlg : public CDialog {
public:
    std::string m_strEditable;
    std::string m_strListed;
    CComboBox m_editable;
    CComboBox m_listed;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_COMBO_EDITABLE, m_editable);
        DDX_Control(pDX, IDC_COMBO_LIST, m_listed);
        DDX_CBString(pDX, IDC_COMBO_EDITABLE, m_strEditable);
        DDX_CBString(pDX, IDC_COMBO_LIST, m_strListed);
    }
};

class DataExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitTestControls();
        ASSERT_TRUE(dlg.Create(IDD_AFX_FIELDS));
    }

    CFieldsDlg dlg;
};

TEST_F(DataExchangeTest, ComboValueSelectsTheFirstLineStartingWithItIgnoringCase) {
    ASSERT_TRUE(dlg.UpdateData(FALSE));  // attaches the two combo boxes
    for (CComboBox* box : {&dlg.m_editable, &dlg.m_listed}) {
        for (const char* line : {"Alpha", "beta", "Beta two"}) box->AddString(line);
    }
    dlg.m_strEditable = "BE";
    dlg.m_strListed = "beta t";
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(dlg.m_editable.GetCurSel(), 1);
    EXPECT_EQ(dlg.m_listed.GetCurSel(), 2);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_strEditable, "beta");
    EXPECT_EQ(dlg.m_strListed, "Beta two");

    // Without a matching line the value becomes the edit text, and a list is left as it is.
    dlg.m_strEditable = "Gamma";
    dlg.m_strListed = "Gamma";
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_strEditable, "Gamma");
    EXPECT_EQ(dlg.m_strListed, "Beta two");
}

}  // namespace
