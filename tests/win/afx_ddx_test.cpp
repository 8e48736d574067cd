// Dialog data exchange: the members of a real dialog exchanged with its controls in both
// directions, with MFC's rules for combo boxes and radio groups. (Checkboxes are exchanged by
// the general options page, whose tests prove them.)
#include "tests/win/afx_test_ids.h"

#include "afx/afxcmn.h"

#include <gtest/gtest.h>

namespace {

// Exchanges its two combo boxes' texts and its radio group's position.
class CFieldsDlg : public CDialog {
public:
    std::string m_strEditable;
    std::string m_strListed;
    int m_nRadio = -1;
    CComboBox m_editable;
    CComboBox m_listed;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_COMBO_EDITABLE, m_editable);
        DDX_Control(pDX, IDC_COMBO_LIST, m_listed);
        DDX_CBString(pDX, IDC_COMBO_EDITABLE, m_strEditable);
        DDX_CBString(pDX, IDC_COMBO_LIST, m_strListed);
        DDX_Radio(pDX, IDC_RADIO_FIRST, m_nRadio);
    }
};

class DataExchangeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dlg.Create(IDD_AFX_FIELDS)); }

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

// Writing a position ticks that radio alone and makes it the group's one tab stop, whatever the
// buttons showed before; -1 clears them all.
TEST_F(DataExchangeTest, RadioPositionTicksItsRadioAloneAsTheGroupsTabStop) {
    HWND radios[3];
    for (int i = 0; i < 3; ++i) radios[i] = ::GetDlgItem(dlg.m_hWnd, IDC_RADIO_FIRST + i);
    const auto shown = [&radios] {
        std::string states;
        for (HWND radio : radios) {
            states += ::SendMessageA(radio, BM_GETCHECK, 0, 0) == BST_CHECKED ? 'x' : '-';
            states += (::GetWindowLongA(radio, GWL_STYLE) & WS_TABSTOP) != 0 ? 't' : ' ';
        }
        return states;
    };
    // the second ticked already, the first still the tab stop its template made it
    ::SendMessageA(radios[1], BM_SETCHECK, BST_CHECKED, 0);
    ::SetWindowLongA(radios[0], GWL_STYLE, ::GetWindowLongA(radios[0], GWL_STYLE) | WS_TABSTOP);
    const std::pair<int, const char*> cases[] = {
        {1, "- xt- "}, {2, "- - xt"}, {-1, "- - - "}, {0, "xt- - "}};
    for (const auto& [position, expected] : cases) {
        dlg.m_nRadio = position;
        ASSERT_TRUE(dlg.UpdateData(FALSE));
        EXPECT_EQ(shown(), expected) << position;
        ASSERT_TRUE(dlg.UpdateData(TRUE));
        EXPECT_EQ(dlg.m_nRadio, position);
    }
}

}  // namespace
