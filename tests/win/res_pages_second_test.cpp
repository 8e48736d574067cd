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
#include "tests/win/afx_test_support.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// What a control is, as its window class and the type bits of its style tell.
enum class Kind { Checkbox, Radio, PushButton, Label, ListView, EditCombo, ListCombo, Edit };

struct Control {
    int id;
    Kind kind;
    int x, y, cx, cy;        // dialog units
    DWORD style;             // bits that must be set besides the kind's
    const wchar_t* caption;  // the template's caption
};

constexpr DWORD kTab = WS_TABSTOP;
constexpr DWORD kGroup = WS_GROUP;
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

const char* ClassOf(Kind kind) {
    switch (kind) {
        case Kind::Checkbox:
        case Kind::Radio:
        case Kind::PushButton:
            return "Button";
        case Kind::Label:
            return "Static";
        case Kind::ListView:
            return "SysListView32";
        case Kind::EditCombo:
        case Kind::ListCombo:
            return "ComboBox";
        case Kind::Edit:
            return "Edit";
    }
    return "";
}

// Whether the type bits of the style make the control that kind.
bool IsOfKind(Kind kind, DWORD style) {
    switch (kind) {
        case Kind::Checkbox:
            return (style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
        case Kind::Radio:
            return (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
        case Kind::PushButton:
            // the dialog manager moves the default-button bit to the focused push button
            return (style & BS_TYPEMASK) == BS_PUSHBUTTON ||
                   (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        case Kind::Label:
            return (style & SS_TYPEMASK) == SS_LEFT;
        case Kind::ListView:
            return (style & LVS_TYPEMASK) == LVS_REPORT;
        case Kind::EditCombo:
            return (style & 3) == CBS_DROPDOWN;
        case Kind::ListCombo:
            return (style & 3) == CBS_DROPDOWNLIST;
        case Kind::Edit:
            return (style & (ES_MULTILINE | ES_PASSWORD | ES_READONLY | ES_NUMBER)) == 0;
    }
    return false;
}

bool HasStyle(HWND window, DWORD bits) {
    return (static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & bits) == bits;
}

std::wstring WideText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

std::string ClassName(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The place the dialog manager gives a control of the template: it converts the position and
// the size each on their own, so the right edge is not the converted x + cx.
RECT InDialogUnits(HWND dialog, int x, int y, int cx, int cy) {
    RECT rect = {x, y, cx, cy};
    MapDialogRect(dialog, &rect);
    return {rect.left, rect.top, rect.left + rect.right, rect.top + rect.bottom};
}

RECT PlaceInParent(HWND control) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// A template alone, made by the dialog manager without any class of the program.
INT_PTR CALLBACK BareDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// A hidden top-level window that parents the pages, as the main dialog does.
class PagesSecond : public ::testing::Test {
protected:
    void SetUp() override {
        InitTestControls();
        host = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                               nullptr, nullptr);
        ASSERT_NE(host, nullptr);
        parent.Attach(host);
    }
    void TearDown() override {
        parent.Detach();
        DestroyWindow(host);
    }

    HWND MakeBare(int id) const {
        return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), host,
                                  BareDialogProc, 0);
    }

    HWND host = nullptr;
    CWnd parent;
};

// The templates.

// A control as the template resource itself describes it (DLGITEMTEMPLATEEX).
struct TemplateItem {
    int id;
    DWORD style;
    int x, y, cx, cy;
};

struct TemplateResource {
    DWORD style = 0;
    int cx = 0, cy = 0;
    std::wstring font;
    std::vector<TemplateItem> items;
};

// Steps over a name or ordinal field of a template: 0, 0xFFFF and a number, or a string.
const WORD* SkipNameOrOrdinal(const WORD* p) {
    if (*p == 0) return p + 1;
    if (*p == 0xFFFF) return p + 2;
    while (*p != 0) ++p;
    return p + 1;
}

const WORD* AlignToDword(const WORD* p, const void* start) {
    const auto offset = reinterpret_cast<const BYTE*>(p) - static_cast<const BYTE*>(start);
    return reinterpret_cast<const WORD*>(static_cast<const BYTE*>(start) + ((offset + 3) & ~3));
}

TemplateResource ReadTemplate(int id) {
    TemplateResource result;
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));  // dialog
    if (found == nullptr) return result;
    const void* start = LockResource(LoadResource(module, found));
    const auto* p = static_cast<const WORD*>(start);
    if (p[0] != 1 || p[1] != 0xFFFF) return result;  // not a DIALOGEX
    DWORD value = 0;
    std::memcpy(&value, p + 6, sizeof value);
    result.style = value;
    const WORD count = p[8];
    result.cx = static_cast<short>(p[11]);
    result.cy = static_cast<short>(p[12]);
    p = SkipNameOrOrdinal(SkipNameOrOrdinal(p + 13));  // menu, class
    p = SkipNameOrOrdinal(p);                          // caption
    if (result.style & DS_SETFONT) {
        p += 3;  // point size, weight, italic and character set
        for (; *p != 0; ++p) result.font += static_cast<wchar_t>(*p);
        ++p;
    }
    for (WORD i = 0; i < count; ++i) {
        p = AlignToDword(p, start);
        TemplateItem item = {};
        std::memcpy(&value, p + 4, sizeof value);
        item.style = value;
        item.x = static_cast<short>(p[6]);
        item.y = static_cast<short>(p[7]);
        item.cx = static_cast<short>(p[8]);
        item.cy = static_cast<short>(p[9]);
        std::memcpy(&value, p + 10, sizeof value);
        item.id = static_cast<int>(value);
        p = SkipNameOrOrdinal(SkipNameOrOrdinal(p + 12));  // class, caption
        const WORD extra = *p++;
        p = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(p) + extra);
        result.items.push_back(item);
    }
    return result;
}

// The type bits each kind is written with.
DWORD KindStyle(Kind kind) {
    switch (kind) {
        case Kind::Checkbox:
            return BS_AUTOCHECKBOX;
        case Kind::Radio:
            return BS_AUTORADIOBUTTON;
        case Kind::PushButton:
            return BS_PUSHBUTTON;
        case Kind::Label:
            return SS_LEFT;
        case Kind::ListView:
            return LVS_REPORT;
        case Kind::EditCombo:
            return CBS_DROPDOWN;
        case Kind::ListCombo:
            return CBS_DROPDOWNLIST;
        case Kind::Edit:
            return ES_LEFT;
    }
    return 0;
}

TEST_F(PagesSecond, EveryTemplateIsWrittenWithExactlyItsControlsStylesAndRectangles) {
    for (const Template& t : kTemplates) {
        SCOPED_TRACE(t.name);
        const TemplateResource resource = ReadTemplate(t.id);
        EXPECT_EQ(resource.style, static_cast<DWORD>(DS_SETFONT | DS_CONTROL | WS_CHILD));
        EXPECT_EQ(resource.cx, 257);
        EXPECT_EQ(resource.cy, 161);
        EXPECT_EQ(resource.font, L"Tahoma");
        ASSERT_EQ(resource.items.size(), t.controls->size());
        for (size_t i = 0; i < resource.items.size(); ++i) {
            const TemplateItem& item = resource.items[i];
            const Control& c = (*t.controls)[i];
            SCOPED_TRACE(c.id);
            EXPECT_EQ(item.id, c.id);
            EXPECT_EQ(item.style, WS_CHILD | WS_VISIBLE | KindStyle(c.kind) | c.style)
                << std::hex << item.style;
            EXPECT_EQ(item.x, c.x);
            EXPECT_EQ(item.y, c.y);
            EXPECT_EQ(item.cx, c.cx);
            EXPECT_EQ(item.cy, c.cy);
        }
    }
}

TEST_F(PagesSecond, EveryTemplateMakesItsControlsInOrderWithTheirKindPlaceAndCaption) {
    for (const Template& t : kTemplates) {
        SCOPED_TRACE(t.name);
        HWND dialog = MakeBare(t.id);
        ASSERT_NE(dialog, nullptr);
        std::vector<int> order;
        for (HWND child = GetWindow(dialog, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            order.push_back(GetDlgCtrlID(child));
        }
        std::vector<int> expectedOrder;
        for (const Control& c : *t.controls) expectedOrder.push_back(c.id);
        EXPECT_EQ(order, expectedOrder);

        for (const Control& c : *t.controls) {
            SCOPED_TRACE(c.id);
            HWND control = GetDlgItem(dialog, c.id);
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(ClassName(control), ClassOf(c.kind));
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
            EXPECT_TRUE(style & WS_VISIBLE);
            if (c.kind != Kind::EditCombo && c.kind != Kind::ListCombo) {
                EXPECT_EQ(WideText(control), c.caption);
            }

            const RECT expected = InDialogUnits(dialog, c.x, c.y, c.cx, c.cy);
            const RECT actual = PlaceInParent(control);
            EXPECT_EQ(actual.left, expected.left);
            EXPECT_EQ(actual.top, expected.top);
            EXPECT_EQ(actual.right, expected.right);
            // a combo box's window is its closed field; the template's height is the open list
            if (c.kind != Kind::EditCombo && c.kind != Kind::ListCombo) {
                EXPECT_EQ(actual.bottom, expected.bottom);
            }
        }
        DestroyWindow(dialog);
    }
}

TEST_F(PagesSecond, PageTemplatesAreHiddenChildPanelsInTahomaOfTheStartListPageSize) {
    for (const Template& t : kTemplates) {
        SCOPED_TRACE(t.name);
        HWND page = MakeBare(t.id);
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(HasStyle(page, WS_CHILD | DS_CONTROL));
        const auto style = static_cast<DWORD>(GetWindowLongA(page, GWL_STYLE));
        EXPECT_EQ(style & (WS_POPUP | WS_VISIBLE | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME), 0u);
        EXPECT_EQ(GetParent(page), host);

        RECT client = {};
        GetClientRect(page, &client);
        const RECT size = InDialogUnits(page, 0, 0, 257, 161);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);

        LOGFONTA font = {};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(page, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        EXPECT_STREQ(font.lfFaceName, "Tahoma");
        DestroyWindow(page);
    }
}

// The radios of a group, as the dialog manager and DDX_Radio see it: from the first control up
// to the next control that starts a group.
std::vector<int> RadioGroupFrom(HWND dialog, int id) {
    std::vector<int> ids;
    HWND control = GetDlgItem(dialog, id);
    do {
        if ((SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0) {
            ids.push_back(GetDlgCtrlID(control));
        }
        control = GetWindow(control, GW_HWNDNEXT);
    } while (control && !HasStyle(control, WS_GROUP));
    return ids;
}

TEST_F(PagesSecond, StartUpRadiosFormOneGroupThatTheWiredLabelEnds) {
    HWND page = MakeBare(161);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(RadioGroupFrom(page, 1078), (std::vector<int>{1078, 1079}));
    EXPECT_EQ(GetWindow(GetDlgItem(page, 1079), GW_HWNDNEXT), GetDlgItem(page, 1083));
    DestroyWindow(page);
}

// Ticking one radio of the group clears the other, as the auto radio buttons of one group do.
TEST_F(PagesSecond, ClickingOneStartUpRadioClearsTheOther) {
    HWND page = MakeBare(161);
    ASSERT_NE(page, nullptr);
    SendMessageA(GetDlgItem(page, 1078), BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(page, 1078), BST_CHECKED);
    SendMessageA(GetDlgItem(page, 1079), BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(page, 1079), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(page, 1078), BST_UNCHECKED);
    DestroyWindow(page);
}

// The page classes. Each page gets the text numbers themselves as its texts, in the order the
// main dialog hands them on, so every caption shows which text reached it.

using Texts = std::vector<std::string>;

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

std::string TextOf(const CWnd& window, int id) {
    std::string text;
    window.GetDlgItemText(id, text);
    return text;
}

TEST_F(PagesSecond, PagesAreMadeAsHiddenChildrenOfTheirParent) {
    for (const PageCase& p : kPages) {
        SCOPED_TRACE(p.name);
        auto page = p.make(p.texts, &parent);
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(page->GetStyle() & WS_CHILD);
        EXPECT_FALSE(page->GetStyle() & WS_VISIBLE);
        EXPECT_EQ(::GetParent(page->m_hWnd), host);
    }
}

TEST_F(PagesSecond, InterfaceTextsLandOnTheirControlsAndTheOthersKeepTheTemplateCaption) {
    for (const PageCase& p : kPages) {
        SCOPED_TRACE(p.name);
        auto page = p.make(p.texts, &parent);
        ASSERT_NE(page, nullptr);
        for (const Control& c : *p.controls) {
            const auto caption = p.captions.find(c.id);
            if (caption != p.captions.end()) {
                EXPECT_EQ(TextOf(*page, c.id), caption->second) << c.id;
            } else {
                EXPECT_EQ(WideText(::GetDlgItem(page->m_hWnd, c.id)), c.caption) << c.id;
            }
        }
    }
}

// Only the first five pages can be locked; of these, only the certificate page is here.
TEST_F(PagesSecond, ALockedCertificatePageGreysTheListAndItsLabelButStillImports) {
    for (bool locked : {false, true}) {
        CPage5Dlg page;
        page.SetInterfaceTexts(kPages[0].texts.data());
        page.m_bLocked = locked;
        ASSERT_TRUE(page.Create(CPage5Dlg::IDD, &parent));
        std::set<int> disabled;
        for (const Control& c : kTrustedRootControls) {
            if (!::IsWindowEnabled(::GetDlgItem(page.m_hWnd, c.id))) disabled.insert(c.id);
        }
        EXPECT_EQ(disabled, locked ? (std::set<int>{1042, 1052}) : std::set<int>{}) << locked;
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

// Sends WM_CTLCOLORSTATIC for the control and reports whether it came back skinned: the skin
// colour on a hollow brush, transparent.
bool DrawnSkinned(HWND window, HWND control) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkMode(dc, OPAQUE);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(window, WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(control)));
    const bool hollow = brush == GetStockObject(NULL_BRUSH);
    const bool coloured = GetTextColor(dc) == RGB(119, 116, 81) && GetBkMode(dc) == TRANSPARENT;
    DeleteDC(dc);
    EXPECT_EQ(hollow, coloured);
    return hollow && coloured;
}

TEST_F(PagesSecond, OnlyThePageSkinnedControlsAreDrawnInTheSkinColour) {
    for (const PageCase& p : kPages) {
        SCOPED_TRACE(p.name);
        auto page = p.make(p.texts, &parent);
        ASSERT_NE(page, nullptr);
        for (const Control& c : *p.controls) {
            EXPECT_EQ(DrawnSkinned(page->m_hWnd, ::GetDlgItem(page->m_hWnd, c.id)),
                      p.skinned.count(c.id) == 1)
                << c.id;
        }
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
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP target = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, target);
    RECT all = {0, 0, cx, cy};
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    ImageList_Draw(images, 0, dc, 0, 0, ILD_TRANSPARENT);
    GdiFlush();
    std::vector<COLORREF> pixels;
    const auto* p = static_cast<const DWORD*>(bits);
    for (int i = 0; i < cx * cy; ++i) {
        pixels.push_back(RGB((p[i] >> 16) & 0xFF, (p[i] >> 8) & 0xFF, p[i] & 0xFF));
    }
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
    return pixels;
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
