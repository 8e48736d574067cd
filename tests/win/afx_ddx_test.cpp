// Dialog data exchange: the members of a real dialog exchanged with its controls in both
// directions, with MFC's rules for radio groups and combo boxes.
#include "tests/win/afx_test_ids.h"
#include "tests/win/afx_test_support.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// Exchanges whatever fields a test switches on, in template order.
class CFieldsDlg : public CDialog {
public:
    int m_nColour = -1;
    std::string m_strEditable;
    std::string m_strListed;
    CComboBox m_editable;
    CComboBox m_listed;

    bool colour = false;
    bool combos = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_COMBO_EDITABLE, m_editable);
        DDX_Control(pDX, IDC_COMBO_LIST, m_listed);
        if (colour) DDX_Radio(pDX, IDC_RADIO_RED, m_nColour);
        if (combos) {
            DDX_CBString(pDX, IDC_COMBO_EDITABLE, m_strEditable);
            DDX_CBString(pDX, IDC_COMBO_LIST, m_strListed);
        }
    }
};

class DataExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitTestControls();
        ASSERT_TRUE(dlg.Create(IDD_AFX_FIELDS));
    }

    UINT Checked(int id) const { return dlg.IsDlgButtonChecked(id); }

    CFieldsDlg dlg;
};

TEST_F(DataExchangeTest, RadioValueIsThePositionOfTheTickedButtonInItsGroup) {
    dlg.colour = true;
    // The static inside the group is not counted: blue is the third radio button.
    const std::pair<int, int> cases[] = {{IDC_RADIO_GREEN, 1}, {IDC_RADIO_BLUE, 2}, {0, -1}};
    for (const auto& [ticked, position] : cases) {
        for (int id : {IDC_RADIO_RED, IDC_RADIO_GREEN, IDC_RADIO_BLUE})
            dlg.CheckDlgButton(id, id == ticked ? BST_CHECKED : BST_UNCHECKED);
        ASSERT_TRUE(dlg.UpdateData(TRUE));
        EXPECT_EQ(dlg.m_nColour, position);
    }

    // Loading ticks only that button and leaves the next group alone.
    dlg.CheckDlgButton(IDC_RADIO_RED, BST_CHECKED);
    dlg.CheckDlgButton(IDC_CHECK_NEXT_GROUP, BST_CHECKED);
    dlg.m_nColour = 2;
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(Checked(IDC_RADIO_RED), BST_UNCHECKED);
    EXPECT_EQ(Checked(IDC_RADIO_BLUE), BST_CHECKED);
    dlg.m_nColour = -1;
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(Checked(IDC_RADIO_BLUE), BST_UNCHECKED);
    EXPECT_EQ(Checked(IDC_CHECK_NEXT_GROUP), BST_CHECKED);
}

TEST_F(DataExchangeTest, ComboValueSelectsTheFirstLineStartingWithItIgnoringCase) {
    dlg.combos = true;
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
