// The trusted root certificate, Windows logon, firewall policy, wired/wireless switch and
// start-up authentication pages: their controls and Korean captions, the interface texts on the
// right controls, the lock of the certificate page, the skin and the pages' tables; and the
// program's own icons and bitmaps.
#include "pages/page5_dlg.h"
#include "pages/page6_dlg.h"
#include "pages/page7_dlg.h"
#include "pages/page8_dlg.h"
#include "pages/page9_dlg.h"
#include "tests/win/template_support.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace templates;

const std::vector<Control> kTrustedRootControls = {
    {1042, kLabel, L"신뢰된 인증 루트 기관", "230"},
    {1052, kList, L""},
    {1053, kButton, L"가져오기", "233"},
};
const std::vector<Control> kWindowsLogonControls = {
    {1055, kCheckbox, L"Windows Logon 기능을 사용하겠습니다", "242"},
    {1056, kLabel, L"802.1x 인증에 사용할 랜카드를 선택하세요", "243"},
    {1057, kDropList, L""},
    {1058, kLabel, L"802.1x 인증에 사용할 프로파일을 선택하세요", "244"},
    {1059, kDropList, L""},
    {1060, kLabel, L"인증 대기시간", "245"},
    {1062, kEdit, L""},
    {1061, kLabel, L"초", "246"},
};
const std::vector<Control> kFirewallControls = {
    {1065, kList, L"", nullptr, WS_VISIBLE | LVS_SINGLESEL},
};
const std::vector<Control> kSwitchControls = {
    {1066, kCheckbox, L"유,무선 자동전환 사용.", "252"},
    {1067, kCheckbox, L"무선 전환시 사용자에게 알림.", "253"},
    {1068, kSortedDropList, L""},
    {1069, kSortedDropList, L""},
    {1070, kSortedDropList, L""},
    {1071, kSortedDropList, L""},
    {1072, kLabel, L"유선 인증에 사용할 프로파일을 선택하세요", "254"},
    {1073, kLabel, L"무선 인증에 사용할 프로파일을 선택하세요", "255"},
    {1074, kLabel, L"유선 인증에 사용할 랜카드를 선택하세요", "256"},
    {1075, kLabel, L"무선 인증에 사용할 랜카드를 선택하세요", "257"},
};
const std::vector<Control> kStartUpControls = {
    {1087, kCheckbox, L"초기 접속 사용.", "264"},
    {1078, kRadio, L"유선 프로파일 사용.", "260"},
    {1079, kRadio, L"무선 프로파일 사용.", "261"},
    {1081, kDropDown, L""},
    {1082, kDropDown, L""},
    {1083, kLabel, L"로그인시 사용할 유선 프로파일을 선택하세요...", "262"},
    {1084, kLabel, L"로그인시 사용할 무선 프로파일을 선택하세요...", "263"},
};

const Template kTemplates[] = {
    {153, L"", kPageStyle, kNotPageStyle, kTrustedRootControls},
    {156, L"", kPageStyle, kNotPageStyle, kWindowsLogonControls},
    {157, L"", kPageStyle, kNotPageStyle, kFirewallControls},
    {159, L"", kPageStyle, kNotPageStyle, kSwitchControls},
    {161, L"", kPageStyle, kNotPageStyle, kStartUpControls},
};

const std::vector<PageCase> kPages = {
    {&kTemplates[0],
     {"230", "231", "232", "233", "234", "235"},
     {1042, 1052},  // importing still works
     {1042},
     MakePage<CPage5Dlg>},
    {&kTemplates[1],
     {"242", "243", "244", "245", "246"},
     {},
     {1055, 1056, 1057, 1058, 1059, 1060, 1061},
     MakePage<CPage6Dlg>},
    {&kTemplates[2], {}, {}, {}, MakePage<CPage7Dlg>},
    {&kTemplates[3],
     {"252", "253", "254", "255", "256", "257"},
     {},
     {1066, 1067, 1072, 1073, 1074, 1075},
     MakePage<CPage8Dlg>},
    {&kTemplates[4],
     {"260", "261", "262", "263", "264"},
     {},
     {1078, 1079, 1081, 1082, 1083, 1084, 1087},
     MakePage<CPage9Dlg>},
};

class PagesSecond : public PageHost {};

TEST_F(PagesSecond, EveryTemplateHoldsItsControlsWithTheirKindsAndKoreanCaptions) {
    for (const Template& t : kTemplates) ExpectTemplate(t, parent.m_hWnd);
}

// The page ticks one radio and leaves clearing the other to the group.
TEST_F(PagesSecond, StartUpRadiosFormOneGroup) {
    const auto page = MakePage<CPage9Dlg>(kPages[4].texts, false, &parent);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(RadioGroupFrom(page->m_hWnd, 1078), (std::vector<int>{1078, 1079}));
}

// Of these pages only the certificate page can be locked.
TEST_F(PagesSecond, PagesAreHiddenChildrenWithTheirTextsSkinAndLock) {
    ExpectPages(kPages, &parent);
}

std::vector<std::pair<std::string, int>> Columns(HWND list) {
    std::vector<std::pair<std::string, int>> columns;
    char heading[64] = {};
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = heading;
    column.cchTextMax = sizeof heading;
    for (int i = 0; SendMessageA(list, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column)); ++i) {
        EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT) << i;
        columns.push_back({heading, column.cx});
    }
    return columns;
}

TEST_F(PagesSecond, CertificateListSharesItsWidthUnderItsHeaderTextsWithTheCertificateIcon) {
    auto page = MakePage<CPage5Dlg>(kPages[0].texts, false, &parent);
    ASSERT_NE(page, nullptr);
    HWND list = GetDlgItem(page->m_hWnd, 1052);
    RECT client = {};
    GetClientRect(list, &client);
    const int w = client.right;
    const std::vector<std::pair<std::string, int>> columns = {{"231", 2 * w / 3 - 40},
                                                              {"232", w / 3 + 40}};
    EXPECT_EQ(Columns(list), columns);
    EXPECT_EQ(SendMessageA(list, LVM_GETBKCOLOR, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(SendMessageA(list, LVM_GETTEXTBKCOLOR, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(SendMessageA(list, LVM_GETTEXTCOLOR, 0, 0), RGB(0, 0, 0));
    EXPECT_TRUE(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);

    auto images =
        reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), 1);
    int cx = 0, cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(images, &cx, &cy));
    EXPECT_EQ(std::make_pair(cx, cy), std::make_pair(17, 16));
}

TEST_F(PagesSecond, FirewallTableHasItsSevenColumnsAndLeavingItsTabEmptiesIt) {
    CPage7Dlg page;
    ASSERT_TRUE(page.Create(CPage7Dlg::IDD, &parent));
    HWND list = GetDlgItem(page.m_hWnd, 1065);
    const std::vector<std::pair<std::string, int>> columns = {
        {"Direction", 65}, {"From IP", 110}, {"To IP", 110}, {"Protocol", 57},
        {"Action", 50},    {"FPort", 45},    {"TPort", 45}};
    EXPECT_EQ(Columns(list), columns);
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0) << "no rule is read before";

    page.m_listRules.InsertItem(0, "InBound");
    page.m_listRules.InsertItem(1, "OutBound");
    ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 2);
    static_cast<CTabPageSSL&>(page).OnTabPageDeactivate(3, 3);
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0);
}

// The width and colour depth of each image an icon resource offers, from its group directory: a
// 6-byte header with the count at 4, then 14-byte entries with the width at 0 and the depth at 6.
std::vector<std::pair<int, int>> IconImages(int id) {
    std::vector<std::pair<int, int>> images;
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14));  // group
    if (found == nullptr) return images;
    const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    for (int i = 0; i < directory[4]; ++i) {
        const BYTE* entry = directory + 6 + 14 * i;
        images.push_back({entry[0], entry[6] | entry[7] << 8});
    }
    return images;
}

TEST_F(PagesSecond, IconsOfferTheirSizesIn32Bits) {
    const std::pair<int, std::vector<int>> icons[] = {
        {128, {16, 32, 48}}, {154, {16, 32}}, {155, {16, 32}}};
    for (const auto& [id, sizes] : icons) {
        std::vector<std::pair<int, int>> expected;
        for (int size : sizes) {
            expected.push_back({size, 32});
            HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                     size, size, 0);
            EXPECT_NE(icon, nullptr) << id << " " << size;
            DestroyIcon(static_cast<HICON>(icon));
        }
        EXPECT_EQ(IconImages(id), expected) << id;
    }
}

TEST_F(PagesSecond, BitmapsLoadInTheirSizesWith24BitsAPixel) {
    const std::pair<int, SIZE> bitmaps[] = {
        {138, {61, 21}}, {139, {61, 21}}, {140, {61, 21}}, {145, {61, 21}}, {153, {17, 16}}};
    for (const auto& [id, size] : bitmaps) {
        auto bitmap =
            static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        BITMAP info = {};
        GetObjectA(bitmap, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, size.cx) << id;
        EXPECT_EQ(info.bmHeight, size.cy) << id;
        EXPECT_EQ(info.bmBitsPixel, 24) << id;
        DeleteObject(bitmap);
    }
}

}  // namespace
