// The trusted root certificate, Windows logon, firewall policy, wired/wireless switch and
// start-up authentication pages: the interface texts on the right controls, the lock of the
// certificate page, the skin and the pages' tables.
#include "pages/page5_dlg.h"
#include "pages/page6_dlg.h"
#include "pages/page7_dlg.h"
#include "pages/page8_dlg.h"
#include "pages/page9_dlg.h"
#include "tests/win/template_support.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

using namespace templates;

const std::vector<PageCase> kPages = {
    {{"230", "231", "232", "233", "234", "235"},
     {{1042, "230"}, {1053, "233"}},
     {1042, 1052},  // importing still works
     {1042},
     MakePage<CPage5Dlg>},
    {{"242", "243", "244", "245", "246"},
     {{1055, "242"}, {1056, "243"}, {1058, "244"}, {1060, "245"}, {1061, "246"}},
     {},
     {1055, 1056, 1057, 1058, 1059, 1060, 1061},
     MakePage<CPage6Dlg>,
     {1056, 1057, 1058, 1059, 1060, 1061, 1062}},  // logon authentication is off
    {{}, {}, {}, {}, MakePage<CPage7Dlg>},
    {{"252", "253", "254", "255", "256", "257"},
     {{1066, "252"}, {1067, "253"}, {1072, "254"}, {1073, "255"}, {1074, "256"}, {1075, "257"}},
     {},
     {1066, 1067, 1072, 1073, 1074, 1075},
     MakePage<CPage8Dlg>},
    {{"260", "261", "262", "263", "264"},
     {{1078, "260"}, {1079, "261"}, {1083, "262"}, {1084, "263"}, {1087, "264"}},
     {},
     {1078, 1079, 1081, 1082, 1083, 1084, 1087},
     MakePage<CPage9Dlg>},
};

// The start-up page enables its lists only on a client without start-up values.
class PagesSecond : public PageHost {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(driver::Run("\"" + driver::OwnFolder() + "\\ovasim.exe\" reset --english"), 0);
    }
};

// Of these pages only the certificate page can be locked.
TEST_F(PagesSecond, PagesAreHiddenChildrenWithTheirTextsSkinAndLock) {
    ExpectPages(kPages, &parent);
}

// The page ticks one radio and leaves clearing the other to the group.
TEST_F(PagesSecond, StartUpRadiosFormOneGroup) {
    const auto page = MakePage<CPage9Dlg>(kPages[4].texts, false, &parent);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(RadioGroupFrom(page->m_hWnd, 1078), (std::vector<int>{1078, 1079}));
}

struct Column {
    std::string heading;
    int width;
};

std::vector<Column> Columns(HWND list) {
    std::vector<Column> columns;
    char heading[64] = {};
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = heading;
    column.cchTextMax = sizeof heading;
    for (int i = 0; SendMessageA(list, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column)); ++i)
        columns.push_back({heading, column.cx});
    return columns;
}

TEST_F(PagesSecond, CertificateListSharesItsWidthUnderItsHeaderTextsWithTheCertificateIcon) {
    auto page = MakePage<CPage5Dlg>(kPages[0].texts, false, &parent);
    ASSERT_NE(page, nullptr);
    HWND list = GetDlgItem(page->m_hWnd, 1052);
    RECT client = {};
    GetClientRect(list, &client);
    const std::vector<Column> columns = Columns(list);
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[0].heading, "231 (0)") << "no certificate folder";
    EXPECT_EQ(columns[1].heading, "232");
    EXPECT_NEAR(columns[0].width + columns[1].width, client.right, 1) << "two thirds and a third";
    EXPECT_GT(columns[0].width, columns[1].width);
    EXPECT_TRUE(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);
    auto images =
        reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), 1);
}

TEST_F(PagesSecond, FirewallTableHasItsSevenColumnsAndLeavingItsTabEmptiesIt) {
    CPage7Dlg page;
    ASSERT_TRUE(page.Create(CPage7Dlg::IDD, &parent));
    HWND list = GetDlgItem(page.m_hWnd, 1065);
    EXPECT_EQ(Columns(list).size(), 7u);
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0) << "no rule is read before";

    page.m_listRules.InsertItem(0, "InBound");
    page.m_listRules.InsertItem(1, "OutBound");
    ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 2);
    static_cast<CTabPageSSL&>(page).OnTabPageDeactivate(3, 3);
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0);
}

}  // namespace
