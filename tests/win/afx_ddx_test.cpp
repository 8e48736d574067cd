// Dialog data exchange: the members of a real dialog exchanged with its controls in both
// directions, with MFC's rules for radio groups, check boxes, integer fields and combo boxes.
#include "tests/win/afx_test_ids.h"
#include "tests/win/afx_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Exchanges whatever fields a test switches on, in template order.
class CFieldsDlg : public CDialog {
public:
    int m_nFirstNumber = 0;
    int m_nSecondNumber = 0;
    std::string m_strText;
    int m_nColour = -1;
    int m_nGreenAlone = -1;
    int m_nAlone = -1;
    int m_nThreeState = 0;
    std::string m_strEditable;
    std::string m_strListed;
    int m_nListedIndex = -1;

    bool numbers = false;
    bool text = false;
    bool colour = false;
    bool greenAlone = false;
    bool alone = false;
    bool threeState = false;
    bool combos = false;
    bool comboIndex = false;

    CComboBox m_editable;
    CComboBox m_listed;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_COMBO_EDITABLE, m_editable);
        DDX_Control(pDX, IDC_COMBO_LIST, m_listed);
        if (numbers) {
            DDX_Text(pDX, IDC_EDIT_FIRST_NUMBER, m_nFirstNumber);
            DDX_Text(pDX, IDC_EDIT_SECOND_NUMBER, m_nSecondNumber);
        }
        if (text) DDX_Text(pDX, IDC_EDIT_TEXT, m_strText);
        if (colour) DDX_Radio(pDX, IDC_RADIO_RED, m_nColour);
        if (greenAlone) DDX_Radio(pDX, IDC_RADIO_GREEN, m_nGreenAlone);
        if (alone) DDX_Radio(pDX, IDC_RADIO_ALONE, m_nAlone);
        if (threeState) DDX_Check(pDX, IDC_CHECK_THREE_STATE, m_nThreeState);
        if (combos) {
            DDX_CBString(pDX, IDC_COMBO_EDITABLE, m_strEditable);
            DDX_CBString(pDX, IDC_COMBO_LIST, m_strListed);
        }
        if (comboIndex) DDX_CBIndex(pDX, IDC_COMBO_LIST, m_nListedIndex);
    }
};

class DataExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitTestControls();
        ASSERT_TRUE(dlg.Create(IDD_AFX_FIELDS));
    }
    void TearDown() override { dlg.DestroyWindow(); }

    UINT Checked(int id) const { return dlg.IsDlgButtonChecked(id); }
    void Check(int id, UINT state) { dlg.CheckDlgButton(id, state); }
    std::string Text(int id) const {
        std::string value;
        dlg.GetDlgItemText(id, value);
        return value;
    }

    BoxRecordingApp app;
    CFieldsDlg dlg;
};

TEST_F(DataExchangeTest, RadioValueIsThePositionOfTheTickedButtonInItsGroup) {
    dlg.colour = true;
    Check(IDC_RADIO_GREEN, BST_CHECKED);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_nColour, 1);

    // The static inside the group is not counted: blue is the third radio button.
    Check(IDC_RADIO_GREEN, BST_UNCHECKED);
    Check(IDC_RADIO_BLUE, BST_CHECKED);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_nColour, 2);

    Check(IDC_RADIO_BLUE, BST_UNCHECKED);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_nColour, -1);
}

TEST_F(DataExchangeTest, LoadingARadioValueTicksOnlyThatButtonOfTheGroup) {
    dlg.colour = true;
    Check(IDC_RADIO_RED, BST_CHECKED);
    Check(IDC_RADIO_ALONE, BST_CHECKED);  // the next group is not touched
    dlg.m_nColour = 2;
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(Checked(IDC_RADIO_RED), BST_UNCHECKED);
    EXPECT_EQ(Checked(IDC_RADIO_GREEN), BST_UNCHECKED);
    EXPECT_EQ(Checked(IDC_RADIO_BLUE), BST_CHECKED);
    EXPECT_EQ(Checked(IDC_RADIO_ALONE), BST_CHECKED);

    dlg.m_nColour = -1;
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(Checked(IDC_RADIO_BLUE), BST_UNCHECKED);
    EXPECT_EQ(Checked(IDC_RADIO_ALONE), BST_CHECKED);
}

TEST_F(DataExchangeTest, RadioExchangeStartsAtTheNamedButtonEvenInsideAGroup) {
    // Green is not the first of its group: counting starts at green and ends at the next group.
    dlg.greenAlone = true;
    dlg.alone = true;
    Check(IDC_RADIO_RED, BST_CHECKED);
    Check(IDC_RADIO_ALONE, BST_CHECKED);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_nGreenAlone, -1);
    EXPECT_EQ(dlg.m_nAlone, 0);

    Check(IDC_RADIO_RED, BST_UNCHECKED);
    Check(IDC_RADIO_BLUE, BST_CHECKED);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_nGreenAlone, 1);
}

TEST_F(DataExchangeTest, CheckBoxExchangesAllThreeStates) {
    dlg.threeState = true;
    for (int state : {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}) {
        dlg.m_nThreeState = state;
        ASSERT_TRUE(dlg.UpdateData(FALSE));
        EXPECT_EQ(Checked(IDC_CHECK_THREE_STATE), static_cast<UINT>(state));
        dlg.m_nThreeState = -5;
        ASSERT_TRUE(dlg.UpdateData(TRUE));
        EXPECT_EQ(dlg.m_nThreeState, state);
    }
}

TEST_F(DataExchangeTest, TextAndNumbersShowAndReadBack) {
    dlg.numbers = true;
    dlg.text = true;
    dlg.m_nFirstNumber = -12;
    dlg.m_nSecondNumber = 0;
    dlg.m_strText = "Ovanta";
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(Text(IDC_EDIT_FIRST_NUMBER), "-12");
    EXPECT_EQ(Text(IDC_EDIT_SECOND_NUMBER), "0");
    EXPECT_EQ(Text(IDC_EDIT_TEXT), "Ovanta");

    dlg.SetDlgItemText(IDC_EDIT_FIRST_NUMBER, " 17\t");
    dlg.SetDlgItemText(IDC_EDIT_TEXT, "changed");
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_nFirstNumber, 17);
    EXPECT_EQ(dlg.m_strText, "changed");
    EXPECT_TRUE(app.boxes.empty());
}

TEST_F(DataExchangeTest, FirstBadNumberStopsTheExchangeThere) {
    dlg.numbers = true;
    dlg.text = true;
    dlg.SetDlgItemText(IDC_EDIT_FIRST_NUMBER, "8");
    dlg.SetDlgItemText(IDC_EDIT_SECOND_NUMBER, "eight");
    dlg.SetDlgItemText(IDC_EDIT_TEXT, "after the bad field");
    dlg.m_nSecondNumber = 3;

    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_nFirstNumber, 8);   // before the bad field: exchanged
    EXPECT_EQ(dlg.m_nSecondNumber, 3);  // the bad field: unchanged
    EXPECT_EQ(dlg.m_strText, "");       // after it: not reached
    EXPECT_EQ(app.boxes, (std::vector<std::string>{"Please enter an integer."}));
    HWND hBad = ::GetDlgItem(dlg, IDC_EDIT_SECOND_NUMBER);
    EXPECT_EQ(::GetFocus(), hBad);
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageA(hBad, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);
}

TEST(IntegerFieldTest, AcceptsDecimalIntegersWithBlanksAround) {
    const struct {
        const char* text;
        int value;
    } accepted[] = {{"0", 0},
                    {"42", 42},
                    {"-7", -7},
                    {"+7", 7},
                    {"  12 \t", 12},
                    {"007", 7},
                    {"2147483647", 2147483647},
                    {"-2147483648", -2147483647 - 1}};
    for (const auto& c : accepted) {
        int value = -99;
        EXPECT_TRUE(AfxParseInt(c.text, &value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(IntegerFieldTest, RefusesEverythingElseAndKeepsTheValue) {
    for (const char* text : {"", "  ", "abc", "12x", "1 2", "0x10", "+0", "-0", "2147483648",
                             "-2147483649", "99999999999999999999"}) {
        int value = -99;
        EXPECT_FALSE(AfxParseInt(text, &value)) << '"' << text << '"';
        EXPECT_EQ(value, -99) << text;
    }
}

class ComboExchangeTest : public DataExchangeTest {
protected:
    void SetUp() override {
        DataExchangeTest::SetUp();
        dlg.combos = true;
        ASSERT_TRUE(dlg.UpdateData(FALSE));  // attaches the two combo boxes
        for (CComboBox* box : {&dlg.m_editable, &dlg.m_listed}) {
            for (const char* line : {"Alpha", "beta", "Beta two"}) box->AddString(line);
        }
    }
};

TEST_F(ComboExchangeTest, LoadingSelectsTheFirstLineStartingWithTheValueIgnoringCase) {
    dlg.m_strEditable = "BE";
    dlg.m_strListed = "beta t";
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(dlg.m_editable.GetCurSel(), 1);
    EXPECT_EQ(dlg.m_listed.GetCurSel(), 2);

    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_strEditable, "beta");
    EXPECT_EQ(dlg.m_strListed, "Beta two");
}

TEST_F(ComboExchangeTest, ValueWithoutAMatchingLineBecomesTheEditTextOrChangesNothing) {
    dlg.m_listed.SetCurSel(0);
    dlg.m_strEditable = "Gamma";
    dlg.m_strListed = "Gamma";
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(dlg.m_editable.GetCurSel(), CB_ERR);
    EXPECT_EQ(Text(IDC_COMBO_EDITABLE), "Gamma");
    EXPECT_EQ(dlg.m_listed.GetCurSel(), 0);

    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_strEditable, "Gamma");
    EXPECT_EQ(dlg.m_strListed, "Alpha");
}

TEST_F(ComboExchangeTest, DropDownListWithoutSelectionSavesAnEmptyText) {
    dlg.m_strListed = "stale";
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_strListed, "");
}

TEST_F(ComboExchangeTest, IndexExchangeSelectsAndReadsTheLineNumber) {
    dlg.combos = false;
    dlg.comboIndex = true;
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_nListedIndex, CB_ERR);
    dlg.m_nListedIndex = 2;
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    std::string line;
    dlg.m_listed.GetLBText(dlg.m_listed.GetCurSel(), line);
    EXPECT_EQ(line, "Beta two");
}

TEST_F(ComboExchangeTest, ControlIsAttachedOnceAndKeptAcrossExchanges) {
    HWND hCombo = dlg.m_editable.m_hWnd;
    ASSERT_EQ(hCombo, ::GetDlgItem(dlg, IDC_COMBO_EDITABLE));
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(dlg.m_editable.m_hWnd, hCombo);
    EXPECT_EQ(CWnd::FromHandlePermanent(hCombo), &dlg.m_editable);
}

}  // namespace
