// Control wrappers where they do more than pass one message on, and the owners of GDI handles.
#include "tests/win/afx_test_ids.h"
#include "tests/win/afx_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitTestControls();
        ASSERT_TRUE(dlg.Create(IDD_AFX_FIELDS));
    }
    void TearDown() override { dlg.DestroyWindow(); }

    CDialog dlg;
};

TEST_F(ControlsTest, ListViewMadeByTheObjectGivesBackLongTextsAndItemData) {
    CListCtrl list;
    ASSERT_TRUE(list.CreateEx(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, CRect(0, 0, 200, 100),
                              &dlg, 2000));
    EXPECT_EQ(list.GetParent(), &dlg);
    EXPECT_EQ(list.InsertColumn(0, "Name", LVCFMT_LEFT, 150), 0);
    const std::string longText(1000, 'x');
    EXPECT_EQ(list.InsertItem(0, "short"), 0);
    EXPECT_EQ(list.InsertItem(1, longText.c_str()), 1);
    ASSERT_TRUE(list.SetItemData(1, 0xC0FFEE));

    EXPECT_EQ(list.GetItemCount(), 2);
    EXPECT_EQ(list.GetItemText(0, 0), "short");
    EXPECT_EQ(list.GetItemText(1, 0), longText);
    EXPECT_EQ(list.GetItemText(5, 0), "");
    EXPECT_EQ(list.GetItemData(1), 0xC0FFEEu);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_ALL), 0);

    ASSERT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.GetItemText(0, 0), longText);
}

TEST_F(ControlsTest, WindowMadeByAnObjectGoesWithIt) {
    HWND hList = nullptr;
    {
        CListCtrl list;
        ASSERT_TRUE(list.CreateEx(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, CRect(0, 0, 100, 50),
                                  &dlg, 2001));
        hList = list.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hList));
}

TEST_F(ControlsTest, ComboBoxReportsNoSelectionAndReadsLines) {
    CComboBox combo;
    ASSERT_TRUE(combo.SubclassDlgItem(IDC_COMBO_LIST, &dlg));
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    combo.AddString("one");
    combo.AddString("two");
    EXPECT_EQ(combo.GetCount(), 2);
    EXPECT_EQ(combo.SelectString(-1, "T"), 1);
    std::string line;
    combo.GetLBText(combo.GetCurSel(), line);
    EXPECT_EQ(line, "two");
    EXPECT_EQ(combo.FindStringExact(-1, "ONE"), 0);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
}

TEST_F(ControlsTest, GdiObjectsAndOwnedContextsAreDeletedWithTheirOwners) {
    HGDIOBJ hBrush = nullptr;
    HDC hMemoryDC = nullptr;
    HDC hScreenDC = ::GetDC(nullptr);
    {
        CBrush brush(RGB(10, 20, 30));
        hBrush = brush.GetSafeHandle();
        ASSERT_EQ(::GetObjectType(hBrush), static_cast<DWORD>(OBJ_BRUSH));
        CDC memory;
        ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
        hMemoryDC = memory.m_hDC;
        CDC borrowed;
        borrowed.Attach(hScreenDC);
    }
    EXPECT_EQ(::GetObjectType(hBrush), 0u);
    EXPECT_EQ(::GetObjectType(hMemoryDC), 0u);
    EXPECT_NE(::GetObjectType(hScreenDC), 0u);  // only borrowed
    ::ReleaseDC(nullptr, hScreenDC);

    CBrush kept(RGB(1, 1, 1));
    HGDIOBJ hKept = kept.Detach();
    EXPECT_EQ(kept.GetSafeHandle(), nullptr);
    EXPECT_EQ(::GetObjectType(hKept), static_cast<DWORD>(OBJ_BRUSH));
    ::DeleteObject(hKept);
}

TEST_F(ControlsTest, TabControlCountsAndSelectsItsTabs) {
    CDialog map;
    ASSERT_TRUE(map.Create(IDD_AFX_MAP));
    CTabCtrl tab;
    ASSERT_TRUE(tab.SubclassDlgItem(IDC_TAB_PAGES, &map));
    EXPECT_EQ(tab.GetCurSel(), -1);
    EXPECT_EQ(tab.InsertItem(0, "First"), 0);
    EXPECT_EQ(tab.InsertItem(1, "Second"), 1);
    EXPECT_EQ(tab.GetItemCount(), 2);
    EXPECT_EQ(tab.SetCurSel(1), 0);
    EXPECT_EQ(tab.GetCurSel(), 1);
    CRect item;
    EXPECT_TRUE(tab.GetItemRect(1, &item));
    EXPECT_FALSE(item.IsRectEmpty());
    EXPECT_FALSE(tab.GetItemRect(5, &item));
    map.DestroyWindow();
}

TEST(ImageListTest, HoldsTheIconsAddedToIt) {
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 2));
    HICON hIcon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
    EXPECT_EQ(images.Add(hIcon), 0);
    EXPECT_EQ(images.Add(hIcon), 1);
    EXPECT_EQ(images.GetImageCount(), 2);
}

}  // namespace
