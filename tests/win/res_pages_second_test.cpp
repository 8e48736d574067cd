// The trusted root certificate, Windows logon, firewall policy, wired/wireless switch and
// start-up authentication pages, made from the program's own templates: every control with its
// kind, style and place, the Korean captions of the templates, the interface texts on the right
// controls, the lock of the certificate page and which labels are drawn in the skin colour; and
// the program's own pictures, as the program loads them from its resources.
#include "pages/page5_dlg.h"
#include "pages/page6_dlg.h"
#include "pages/page7_dlg.h"
#include "pages/page8_dlg.h"
#include "pages/page9_dlg.h"
#include "tests/win/template_support.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace templates;

constexpr DWORD kDropList = WS_VSCROLL | kTab;

// Each table lists the template's controls in their order in the template: the tab order, and
// where a radio group ends. Every control of these pages is visible.
const std::vector<Control> kTrustedRootControls = {
    {1042, Kind::Label, 10, 8, 237, 8, kGroup, L"신뢰된 인증 루트 기관"},
    {1052, Kind::ListView, 10, 20, 237, 100,
     LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | WS_BORDER | kGroup | kTab, L""},
    {1053, Kind::PushButton, 10, 126, 50, 14, kGroup | kTab, L"가져오기"},
};

const std::vector<Control> kWindowsLogonControls = {
    {1055, Kind::Checkbox, 10, 8, 237, 10, kGroup | kTab, L"Windows Logon 기능을 사용하겠습니다"},
    {1056, Kind::Label, 22, 26, 225, 8, kGroup, L"802.1x 인증에 사용할 랜카드를 선택하세요"},
    {1057, Kind::ListCombo, 22, 37, 180, 80, kDropList, L""},
    {1058, Kind::Label, 22, 57, 225, 8, kGroup, L"802.1x 인증에 사용할 프로파일을 선택하세요"},
    {1059, Kind::ListCombo, 22, 68, 180, 80, kDropList, L""},
    {1060, Kind::Label, 22, 90, 70, 8, kGroup, L"인증 대기시간"},
    {1062, Kind::Edit, 96, 88, 30, 12, ES_AUTOHSCROLL | WS_BORDER | kTab, L""},
    {1061, Kind::Label, 130, 90, 20, 8, kGroup, L"초"},
};

const std::vector<Control> kFirewallControls = {
    {1065, Kind::ListView, 10, 8, 237, 118, LVS_SINGLESEL | WS_BORDER | kGroup | kTab, L""},
};

const std::vector<Control> kSwitchControls = {
    {1066, Kind::Checkbox, 10, 8, 237, 10, kGroup | kTab, L"유,무선 자동전환 사용."},
    {1067, Kind::Checkbox, 22, 22, 225, 10, kTab, L"무선 전환시 사용자에게 알림."},
    {1072, Kind::Label, 22, 40, 225, 8, kGroup, L"유선 인증에 사용할 프로파일을 선택하세요"},
    {1068, Kind::ListCombo, 22, 50, 145, 80, CBS_SORT | kDropList, L""},
    {1073, Kind::Label, 22, 68, 225, 8, kGroup, L"무선 인증에 사용할 프로파일을 선택하세요"},
    {1069, Kind::ListCombo, 22, 78, 145, 80, CBS_SORT | kDropList, L""},
    {1074, Kind::Label, 22, 96, 225, 8, kGroup, L"유선 인증에 사용할 랜카드를 선택하세요"},
    {1070, Kind::ListCombo, 22, 106, 145, 80, CBS_SORT | kDropList, L""},
    {1075, Kind::Label, 22, 124, 225, 8, kGroup, L"무선 인증에 사용할 랜카드를 선택하세요"},
    {1071, Kind::ListCombo, 22, 134, 145, 80, CBS_SORT | kDropList, L""},
};

const std::vector<Control> kStartUpControls = {
    {1087, Kind::Checkbox, 10, 8, 237, 10, kGroup | kTab, L"초기 접속 사용."},
    {1078, Kind::Radio, 22, 26, 225, 10, kGroup | kTab, L"유선 프로파일 사용."},
    {1079, Kind::Radio, 22, 80, 225, 10, 0, L"무선 프로파일 사용."},
    {1083, Kind::Label, 34, 40, 213, 8, kGroup, L"로그인시 사용할 유선 프로파일을 선택하세요..."},
    {1081, Kind::EditCombo, 34, 51, 150, 80, CBS_AUTOHSCROLL | kDropList | kGroup, L""},
    {1084, Kind::Label, 34, 94, 213, 8, kGroup, L"로그인시 사용할 무선 프로파일을 선택하세요..."},
    {1082, Kind::EditCombo, 34, 105, 150, 80, CBS_AUTOHSCROLL | kDropList | kGroup, L""},
};

struct Template {
    const char* name;
    int id;
    const std::vector<Control>* controls;
};

const Template kTemplates[] = {
    {"trusted root certificate page", 153, &kTrustedRootControls},
    {"Windows logon page", 156, &kWindowsLogonControls},
    {"firewall policy page", 157, &kFirewallControls},
    {"wired/wireless switch page", 159, &kSwitchControls},
    {"start-up authentication page", 161, &kStartUpControls},
};

// A hidden top-level window that parents the pages, as the main dialog does.
class PagesSecond : public PageHost {};

// The templates.

TEST_F(PagesSecond, EveryTemplateIsWrittenWithExactlyItsControlsStylesAndRectangles) {
    for (const Template& t : kTemplates) {
        SCOPED_TRACE(t.name);
        const std::optional<StoredTemplate> stored = ReadStoredTemplate(t.id);
        ASSERT_TRUE(stored.has_value());
        EXPECT_EQ(stored->style, static_cast<DWORD>(DS_SETFONT | DS_CONTROL | WS_CHILD));
        EXPECT_EQ(stored->cx, 257);
        EXPECT_EQ(stored->cy, 161);
        EXPECT_EQ(stored->typeface, L"Tahoma");
        ASSERT_EQ(stored->items.size(), t.controls->size());
        for (size_t i = 0; i < stored->items.size(); ++i) {
            SCOPED_TRACE((*t.controls)[i].id);
            ExpectDeclaredAsListed(stored->items[i], (*t.controls)[i]);
        }
    }
}

TEST_F(PagesSecond, EveryTemplateMakesItsControlsInOrderWithTheirKindPlaceAndCaption) {
    for (const Template& t : kTemplates) {
        SCOPED_TRACE(t.name);
        const UniqueWindow dialog = MakeBare(t.id);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(ChildIds(dialog.get()), IdsOf(*t.controls));
        for (const Control& c : *t.controls) {
            SCOPED_TRACE(c.id);
            HWND control = GetDlgItem(dialog.get(), c.id);
            ASSERT_NE(control, nullptr);
            ExpectMadeAsListed(dialog.get(), control, c);
            const auto style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
            EXPECT_TRUE(IsOfKind(c.kind, style)) << std::hex << style;
            // the dialog manager turns an edit control's border into a sunken client edge
            const bool border = (style & WS_BORDER) != 0 ||
                                (GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
            EXPECT_EQ(border, (c.style & WS_BORDER) != 0);
            // a combo box hands its scroll bar on to its list, which shows it only when needed
            const bool combo = c.kind == Kind::EditCombo || c.kind == Kind::ListCombo;
            const DWORD required = c.style & ~WS_BORDER & ~(combo ? WS_VSCROLL : 0);
            EXPECT_EQ(style & required, required) << std::hex << style;
            EXPECT_EQ((style & WS_GROUP) != 0, (c.style & WS_GROUP) != 0);
            EXPECT_EQ((style & WS_TABSTOP) != 0, (c.style & WS_TABSTOP) != 0);
            if (c.kind != Kind::EditCombo && c.kind != Kind::ListCombo) {
                EXPECT_EQ(WideText(control), c.caption);
            }
        }
    }
}

TEST_F(PagesSecond, PageTemplatesAreHiddenChildPanelsInTahomaOfTheStartListPageSize) {
    for (const Template& t : kTemplates) {
        SCOPED_TRACE(t.name);
        const UniqueWindow page = MakeBare(t.id);
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(HasStyle(page.get(), WS_CHILD | DS_CONTROL));
        const auto style = static_cast<DWORD>(GetWindowLongA(page.get(), GWL_STYLE));
        EXPECT_EQ(style & (WS_POPUP | WS_VISIBLE | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME), 0u);
        EXPECT_EQ(GetParent(page.get()), host);
        ExpectClientSize(page.get(), 257, 161);

        LOGFONTA font = {};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(page.get(), WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        EXPECT_STREQ(font.lfFaceName, "Tahoma");
    }
}

TEST_F(PagesSecond, StartUpRadiosFormOneGroupThatTheWiredLabelEnds) {
    const UniqueWindow page = MakeBare(161);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(RadioGroupFrom(page.get(), 1078), (std::vector<int>{1078, 1079}));
    EXPECT_EQ(GetWindow(GetDlgItem(page.get(), 1079), GW_HWNDNEXT), GetDlgItem(page.get(), 1083));
}

// Ticking one radio of the group clears the other, as the auto radio buttons of one group do.
TEST_F(PagesSecond, ClickingOneStartUpRadioClearsTheOther) {
    const UniqueWindow page = MakeBare(161);
    ASSERT_NE(page, nullptr);
    SendMessageA(GetDlgItem(page.get(), 1078), BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(page.get(), 1078), BST_CHECKED);
    SendMessageA(GetDlgItem(page.get(), 1079), BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(page.get(), 1079), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(page.get(), 1078), BST_UNCHECKED);
}

// The page classes. Each page gets the text numbers themselves as its texts, in the order the
// main dialog hands them on, so every caption shows which text reached it.

struct PageCase {
    const char* name;
    const std::vector<Control>* controls;
    Texts texts;
    std::map<int, std::string> captions;  // control, text
    std::set<int> skinned;
    // Sets the texts and the installation folder, then makes the page under parent.
    std::function<std::unique_ptr<CSkinnedPage>(const Texts&, CWnd* parent)> make;
};

template <class Page>
std::unique_ptr<CSkinnedPage> MakePage(const Texts& texts, CWnd* parent) {
    auto page = std::make_unique<Page>();
    if constexpr (Page::IDD != IDD_PAGE_FIREWALL) {
        EXPECT_EQ(texts.size(), static_cast<size_t>(Page::kTextCount));
        page->SetInterfaceTexts(texts.data());
    }
    page->m_strInstallDir = driver::OwnFolder();
    if (!page->Create(Page::IDD, parent)) return nullptr;
    return page;
}

const PageCase kPages[] = {
    {"trusted root certificate page",
     &kTrustedRootControls,
     {"230", "231", "232", "233", "234", "235"},
     {{1042, "230"}, {1053, "233"}},
     {1042},
     MakePage<CPage5Dlg>},
    {"Windows logon page",
     &kWindowsLogonControls,
     {"242", "243", "244", "245", "246"},
     {{1055, "242"}, {1056, "243"}, {1058, "244"}, {1060, "245"}, {1061, "246"}},
     {1055, 1056, 1057, 1058, 1059, 1060, 1061},
     MakePage<CPage6Dlg>},
    {"firewall policy page", &kFirewallControls, {}, {}, {}, MakePage<CPage7Dlg>},
    {"wired/wireless switch page",
     &kSwitchControls,
     {"252", "253", "254", "255", "256", "257"},
     {{1066, "252"}, {1067, "253"}, {1072, "254"}, {1073, "255"}, {1074, "256"}, {1075, "257"}},
     {1066, 1067, 1072, 1073, 1074, 1075},
     MakePage<CPage8Dlg>},
    {"start-up authentication page",
     &kStartUpControls,
     {"260", "261", "262", "263", "264"},
     {{1078, "260"}, {1079, "261"}, {1083, "262"}, {1084, "263"}, {1087, "264"}},
     {1078, 1079, 1081, 1082, 1083, 1084, 1087},
     MakePage<CPage9Dlg>},
};

TEST_F(PagesSecond, PagesAreMadeAsHiddenChildrenOfTheirParent) {
    for (const PageCase& p : kPages) {
        SCOPED_TRACE(p.name);
        auto page = p.make(p.texts, &parent);
        ASSERT_NE(page, nullptr);
        ExpectHiddenChildOf(*page, host);
    }
}

TEST_F(PagesSecond, InterfaceTextsLandOnTheirControlsAndTheOthersKeepTheTemplateCaption) {
    for (const PageCase& p : kPages) {
        SCOPED_TRACE(p.name);
        auto page = p.make(p.texts, &parent);
        ASSERT_NE(page, nullptr);
        ExpectCaptions(*page, *p.controls, p.captions);
    }
}

// Only the first five pages can be locked; of these, only the certificate page is here.
TEST_F(PagesSecond, ALockedCertificatePageGreysTheListAndItsLabelButStillImports) {
    for (bool locked : {false, true}) {
        CPage5Dlg page;
        page.SetInterfaceTexts(kPages[0].texts.data());
        page.m_bLocked = locked;
        ASSERT_TRUE(page.Create(CPage5Dlg::IDD, &parent));
        EXPECT_EQ(DisabledControls(page.m_hWnd, kTrustedRootControls),
                  locked ? (std::set<int>{1042, 1052}) : std::set<int>{})
            << locked;
    }
}

TEST_F(PagesSecond, PagesWithoutALockHaveEveryControlEnabled) {
    for (const PageCase& p : kPages) {
        SCOPED_TRACE(p.name);
        auto page = p.make(p.texts, &parent);
        ASSERT_NE(page, nullptr);
        for (const Control& c : *p.controls) {
            EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(page->m_hWnd, c.id))) << c.id;
        }
    }
}

TEST_F(PagesSecond, OnlyThePageSkinnedControlsAreDrawnInTheSkinColour) {
    for (const PageCase& p : kPages) {
        SCOPED_TRACE(p.name);
        auto page = p.make(p.texts, &parent);
        ASSERT_NE(page, nullptr);
        ExpectSkinnedExactly(page->m_hWnd, *p.controls, p.skinned);
    }
}

// Opens the page's protected logo to the tests.
template <class Page>
struct LogoProbe : Page {
    using CSkinnedPage::logo;
};

template <class Page>
std::pair<int, int> LogoSize(CWnd* parent, int dpi, const Texts& texts) {
    LogoProbe<Page> page;
    if constexpr (Page::IDD != IDD_PAGE_FIREWALL) page.SetInterfaceTexts(texts.data());
    page.m_strInstallDir = driver::OwnFolder();
    page.m_nDpi = dpi;
    EXPECT_TRUE(page.Create(Page::IDD, parent));
    BITMAP bitmap = {};
    if (page.logo() == nullptr || !GetObjectA(page.logo(), sizeof bitmap, &bitmap)) return {0, 0};
    return {bitmap.bmWidth, bitmap.bmHeight};
}

TEST_F(PagesSecond, EveryPageLoadsTheLogoOfItsResolutionAndNoneForAnUnknownOne) {
    using Size = std::pair<int, int>;
    const struct {
        int dpi;
        Size size;  // of the installation's pictures; none for an unknown resolution
    } cases[] = {{96, {120, 40}}, {144, {180, 60}}, {110, {0, 0}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        EXPECT_EQ(LogoSize<CPage5Dlg>(&parent, c.dpi, kPages[0].texts), c.size);
        EXPECT_EQ(LogoSize<CPage6Dlg>(&parent, c.dpi, kPages[1].texts), c.size);
        EXPECT_EQ(LogoSize<CPage7Dlg>(&parent, c.dpi, {}), c.size);
        EXPECT_EQ(LogoSize<CPage8Dlg>(&parent, c.dpi, kPages[3].texts), c.size);
        EXPECT_EQ(LogoSize<CPage9Dlg>(&parent, c.dpi, kPages[4].texts), c.size);
    }
}

// The certificate page's list.

struct ColumnInfo {
    std::string heading;
    int width;
};

std::vector<ColumnInfo> Columns(HWND list) {
    std::vector<ColumnInfo> columns;
    for (int i = 0;; ++i) {
        char heading[64] = {};
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = heading;
        column.cchTextMax = sizeof heading;
        if (!SendMessageA(list, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column))) break;
        EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT) << i;
        columns.push_back({heading, column.cx});
    }
    return columns;
}

TEST_F(PagesSecond, CertificateColumnsShareTheListWidthTwoThirdsToOneThirdUnderTheirHeaderTexts) {
    CPage5Dlg page;
    page.SetInterfaceTexts(kPages[0].texts.data());
    ASSERT_TRUE(page.Create(CPage5Dlg::IDD, &parent));
    HWND list = ::GetDlgItem(page.m_hWnd, 1052);
    RECT client = {};
    GetClientRect(list, &client);
    const int w = client.right;
    const std::vector<ColumnInfo> columns = Columns(list);
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[0].heading, "231");
    EXPECT_EQ(columns[0].width, 2 * w / 3 - 40);
    EXPECT_EQ(columns[1].heading, "232");
    EXPECT_EQ(columns[1].width, w / 3 + 40);
}

TEST_F(PagesSecond, CertificateListIsWhiteWithFullRowSelectionAndTheCertificateIcon) {
    CPage5Dlg page;
    page.SetInterfaceTexts(kPages[0].texts.data());
    ASSERT_TRUE(page.Create(CPage5Dlg::IDD, &parent));
    HWND list = ::GetDlgItem(page.m_hWnd, 1052);
    EXPECT_EQ(SendMessageA(list, LVM_GETBKCOLOR, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(SendMessageA(list, LVM_GETTEXTBKCOLOR, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(SendMessageA(list, LVM_GETTEXTCOLOR, 0, 0), RGB(0, 0, 0));
    EXPECT_TRUE(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);

    auto images =
        reinterpret_cast<HIMAGELIST>(SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(images, page.m_imageList.GetSafeHandle()) << "the page owns the list it shows";
    EXPECT_EQ(ImageList_GetImageCount(images), 1);
    int cx = 0;
    int cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(images, &cx, &cy));
    EXPECT_EQ(cx, 17);
    EXPECT_EQ(cy, 16);
}

TEST_F(PagesSecond, CertificatePageKeepsTheImportDialogTextsForItsImport) {
    CPage5Dlg page;
    page.SetInterfaceTexts(kPages[0].texts.data());
    EXPECT_EQ(page.m_strText[CPage5Dlg::kTextImportFilter], "234");
    EXPECT_EQ(page.m_strText[CPage5Dlg::kTextImportTitle], "235");
}

// The firewall page's table.

TEST_F(PagesSecond, FirewallTableHasItsSevenFixedColumnsAndNoRowBeforeItsTabIsEntered) {
    CPage7Dlg page;
    ASSERT_TRUE(page.Create(CPage7Dlg::IDD, &parent));
    HWND list = ::GetDlgItem(page.m_hWnd, 1065);
    const std::vector<ColumnInfo> columns = Columns(list);
    const std::vector<std::pair<std::string, int>> expected = {
        {"Direction", 65}, {"From IP", 110}, {"To IP", 110}, {"Protocol", 57},
        {"Action", 50},    {"FPort", 45},    {"TPort", 45}};
    ASSERT_EQ(columns.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(columns[i].heading, expected[i].first);
        EXPECT_EQ(columns[i].width, expected[i].second);
    }
    EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(page.m_listRules.m_hWnd, list);
}

TEST_F(PagesSecond, LeavingTheFirewallTabEmptiesTheTable) {
    CPage7Dlg page;
    ASSERT_TRUE(page.Create(CPage7Dlg::IDD, &parent));
    page.m_listRules.InsertItem(0, "InBound");
    page.m_listRules.InsertItem(1, "OutBound");
    ASSERT_EQ(page.m_listRules.GetItemCount(), 2);
    CTabPageSSL& asTabPage = page;
    asTabPage.OnTabPageDeactivate(3, 3);
    EXPECT_EQ(page.m_listRules.GetItemCount(), 0);
}

TEST_F(PagesSecond, EnteringTheFirewallTabForgetsTheLastRuleRead) {
    CPage7Dlg page;
    ASSERT_TRUE(page.Create(CPage7Dlg::IDD, &parent));
    page.m_nRuleCount[0] = 2;
    page.m_nRuleCount[1] = 1;
    page.m_strFromIp = "10.0.0.1";
    page.m_strToIp = "10.0.0.2";
    page.m_strFromPort = "53";
    page.m_strToPort = "1024";
    page.m_strProtocol = "UDP";
    page.m_strAction = "Deny";
    CTabPageSSL& asTabPage = page;
    asTabPage.OnTabPageActivate(3, 3);
    EXPECT_EQ(page.m_nRuleCount[0], 0);
    EXPECT_EQ(page.m_nRuleCount[1], 0);
    for (const std::string* text : {&page.m_strFromIp, &page.m_strToIp, &page.m_strFromPort,
                                    &page.m_strToPort, &page.m_strProtocol, &page.m_strAction}) {
        EXPECT_EQ(*text, "");
    }
}

// The program's own pictures.

HINSTANCE Module() {
    return GetModuleHandleA(nullptr);
}

#pragma pack(push, 2)
struct IconDirectoryEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInResource;
    WORD id;
};
struct IconDirectory {
    WORD reserved, type, count;
    IconDirectoryEntry entries[1];
};
#pragma pack(pop)

// The sizes and colour depths an icon resource offers, from its group directory.
std::vector<std::pair<int, int>> IconImages(int id) {
    std::vector<std::pair<int, int>> images;
    HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14));  // group
    if (found == nullptr) return images;
    const auto* directory =
        static_cast<const IconDirectory*>(LockResource(LoadResource(Module(), found)));
    for (int i = 0; i < directory->count; ++i) {
        const IconDirectoryEntry& entry = directory->entries[i];
        images.push_back({entry.width, entry.bitCount});
    }
    return images;
}

// The alpha of the image SIZE of icon ID at (x, y), straight from its resource.
int IconAlpha(int id, int size, int x, int y) {
    const int image = LookupIconIdFromDirectoryEx(
        static_cast<BYTE*>(LockResource(LoadResource(
            Module(), FindResourceA(Module(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14))))),
        TRUE, size, size, LR_DEFAULTCOLOR);
    HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(image), MAKEINTRESOURCEA(3));  // icon
    if (found == nullptr) return -1;
    const auto* header =
        static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(Module(), found)));
    if (header->biBitCount != 32 || header->biWidth != size) return -1;
    // the colour rows run bottom-up, 4 bytes a pixel, alpha last
    const auto* pixels = reinterpret_cast<const std::uint8_t*>(header) + header->biSize;
    return pixels[((size - 1 - y) * size + x) * 4 + 3];
}

struct IconCase {
    const char* name;
    int id;
    std::vector<int> sizes;
};

const IconCase kIcons[] = {
    {"window icon", 128, {16, 32, 48}},
    {"wired profile", 154, {16, 32}},
    {"wireless profile", 155, {16, 32}},
};

TEST_F(PagesSecond, IconsOfferTheirSizesIn32BitsWithAlpha) {
    for (const IconCase& icon : kIcons) {
        SCOPED_TRACE(icon.name);
        std::vector<std::pair<int, int>> expected;
        for (int size : icon.sizes) expected.push_back({size, 32});
        EXPECT_EQ(IconImages(icon.id), expected);
        for (int size : icon.sizes) {
            SCOPED_TRACE(size);
            HICON loaded = static_cast<HICON>(
                LoadImageA(Module(), MAKEINTRESOURCEA(icon.id), IMAGE_ICON, size, size, 0));
            ASSERT_NE(loaded, nullptr);
            ICONINFO info = {};
            ASSERT_TRUE(GetIconInfo(loaded, &info));
            BITMAP colour = {};
            GetObjectA(info.hbmColor, sizeof colour, &colour);
            EXPECT_EQ(colour.bmWidth, size);
            EXPECT_EQ(colour.bmHeight, size);
            DeleteObject(info.hbmColor);
            DeleteObject(info.hbmMask);
            DestroyIcon(loaded);
            // a rounded tile: its corner is see-through, its middle solid
            EXPECT_EQ(IconAlpha(icon.id, size, 0, 0), 0);
            EXPECT_EQ(IconAlpha(icon.id, size, size / 2, size / 4), 255);
        }
    }
}

TEST_F(PagesSecond, ProfileIconsFillTheStartListImageListWirelessFirst) {
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 2));
    for (int id : {155, 154}) {
        HICON icon =
            static_cast<HICON>(LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
        ASSERT_NE(icon, nullptr) << id;
        EXPECT_EQ(images.Add(icon), id == 155 ? 0 : 1);
        DestroyIcon(icon);
    }
    EXPECT_EQ(images.GetImageCount(), 2);
}

struct BitmapCase {
    const char* name;
    int id;
    int cx, cy;
};

const BitmapCase kBitmaps[] = {
    {"OK pressed", 138, 61, 21}, {"Cancel normal", 139, 61, 21}, {"Cancel pressed", 140, 61, 21},
    {"OK normal", 145, 61, 21},  {"certificate", 153, 17, 16},
};

// The bitmap resource as a 24-bit DIB section, its rows top-down as BGR triples.
struct Picture {
    int cx = 0, cy = 0, bits = 0;
    std::vector<COLORREF> pixels;
};

Picture LoadPicture(int id) {
    Picture picture;
    auto bitmap = static_cast<HBITMAP>(
        LoadImageA(Module(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap == nullptr) return picture;
    DIBSECTION dib = {};
    if (GetObjectA(bitmap, sizeof dib, &dib) == sizeof dib) {
        picture.cx = dib.dsBm.bmWidth;
        picture.cy = dib.dsBm.bmHeight;
        picture.bits = dib.dsBm.bmBitsPixel;
        const auto* rows = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);
        const bool bottomUp = dib.dsBmih.biHeight > 0;
        for (int y = 0; y < picture.cy && picture.bits == 24; ++y) {
            const std::uint8_t* row =
                rows + static_cast<std::ptrdiff_t>(bottomUp ? picture.cy - 1 - y : y) *
                           dib.dsBm.bmWidthBytes;
            for (int x = 0; x < picture.cx; ++x) {
                picture.pixels.push_back(RGB(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]));
            }
        }
    }
    DeleteObject(bitmap);
    return picture;
}

TEST_F(PagesSecond, BitmapsLoadInTheirSizesWith24BitsAPixel) {
    for (const BitmapCase& b : kBitmaps) {
        SCOPED_TRACE(b.name);
        const Picture picture = LoadPicture(b.id);
        EXPECT_EQ(picture.cx, b.cx);
        EXPECT_EQ(picture.cy, b.cy);
        EXPECT_EQ(picture.bits, 24);
    }
}

TEST_F(PagesSecond, EachImageButtonLooksDifferentPressedAndTheTwoButtonsDifferFromEachOther) {
    const Picture okNormal = LoadPicture(145);
    const Picture okPressed = LoadPicture(138);
    const Picture cancelNormal = LoadPicture(139);
    const Picture cancelPressed = LoadPicture(140);
    ASSERT_FALSE(okNormal.pixels.empty());
    EXPECT_NE(okNormal.pixels, okPressed.pixels);
    EXPECT_NE(cancelNormal.pixels, cancelPressed.pixels);
    EXPECT_NE(okNormal.pixels, cancelNormal.pixels);
}

// The image ImageList_Draw leaves on a background of one colour, pixel by pixel.
std::vector<COLORREF> DrawnOn(HIMAGELIST images, COLORREF background, int cx, int cy) {
    return PaintedPixels(cx, cy, background, [images](HDC dc) {
        ImageList_Draw(images, 0, dc, 0, 0, ILD_TRANSPARENT);
    });
}

TEST_F(PagesSecond, CertificateIconIsTransparentExactlyWhereItsMaskColourIs) {
    const Picture picture = LoadPicture(153);
    ASSERT_EQ(picture.pixels.size(), 17u * 16u);
    constexpr COLORREF kMask = RGB(0, 128, 128);
    EXPECT_EQ(picture.pixels[0], kMask) << "the top left corner lies outside the sheet";
    EXPECT_NE(picture.pixels[8 * 17 + 4], kMask) << "the sheet itself is drawn";

    // Drawn through an image list masked by that colour, onto two backgrounds: a pixel that
    // shows the background both times is transparent.
    HIMAGELIST images = ImageList_LoadImageA(Module(), MAKEINTRESOURCEA(153), 17, 1, kMask,
                                             IMAGE_BITMAP, LR_CREATEDIBSECTION);
    ASSERT_NE(images, nullptr);
    const COLORREF first = RGB(255, 0, 255);
    const COLORREF second = RGB(0, 255, 0);
    const std::vector<COLORREF> onFirst = DrawnOn(images, first, 17, 16);
    const std::vector<COLORREF> onSecond = DrawnOn(images, second, 17, 16);
    ImageList_Destroy(images);
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        const bool transparent = onFirst[i] == first && onSecond[i] == second;
        EXPECT_EQ(transparent, picture.pixels[i] == kMask) << i % 17 << "," << i / 17;
        if (!transparent) {
            EXPECT_EQ(onFirst[i], picture.pixels[i]) << i % 17 << "," << i / 17;
        }
    }
}

}  // namespace
