// The start list, auto-connect, default card and general options pages and the start entry and
// advanced settings dialogs, made from the program's own templates: every control with its
// kind, style and place, the Korean captions of the templates, the interface texts on the right
// controls, what a locked page disables, and which labels are drawn in the skin colour.
#include "pages/auto_start_dlg.h"
#include "pages/details_dlg.h"
#include "pages/page1_dlg.h"
#include "pages/page2_dlg.h"
#include "pages/page3_dlg.h"
#include "pages/page4_dlg.h"
#include "tests/win/afx_test_support.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

// What a control is: its window class and the type bits of its style.
enum class Kind {
    Checkbox,
    Radio,
    PushButton,
    DefaultButton,
    Label,
    ListView,
    EditCombo,
    ListCombo,
    Edit
};

struct Control {
    int id;
    Kind kind;
    int x, y, cx, cy;        // dialog units
    DWORD style;             // the style besides WS_CHILD, WS_VISIBLE and the kind's type bits
    bool visible;            // WS_VISIBLE
    const wchar_t* caption;  // the template's caption
};

constexpr DWORD kTab = WS_TABSTOP;
constexpr DWORD kGroup = WS_GROUP;

// Each table lists the template's controls in their order in the template (the tab order, and
// where radio groups end).
const std::vector<Control> kStartListControls = {
    {1029, Kind::Checkbox, 10, 8, 160, 10, kGroup | kTab, true, L"자동실행하기"},
    {1054, Kind::Label, 10, 24, 237, 8, kGroup, true,
     L"아래의 Ovanta 정보들을 이용하여 여러 개를 자동 실행"},
    {1006, Kind::ListView, 10, 36, 180, 90, LVS_SINGLESEL | LVS_NOCOLUMNHEADER | WS_BORDER | kTab,
     true, L"List1"},
    {1009, Kind::PushButton, 197, 36, 50, 14, kTab, true, L"추가"},
    {1010, Kind::PushButton, 197, 54, 50, 14, kTab, true, L"제거"},
    {1011, Kind::PushButton, 197, 72, 50, 14, kTab, true, L"수정"},
    {1027, Kind::Label, 10, 132, 160, 8, kGroup, false,
     L"마지막으로 실행한 Ovanta 정보를 이용하여 자동 실행"},
    {1028, Kind::Label, 10, 144, 160, 8, kGroup, false,
     L"아래의 Ovanta 정보들을 이용하여 여러 개를 자동 실행"},
};

const std::vector<Control> kAutoConnectControls = {
    {1020, Kind::Checkbox, 10, 8, 160, 10, kGroup | kTab, true, L"자동연결"},
    {1046, Kind::Label, 22, 22, 225, 20, kGroup, true,
     L"아이디와 패스워드가 기억되어 있으면 자동으로 연결을 시도한다."},
};

const std::vector<Control> kDefaultCardControls = {
    {1021, Kind::Checkbox, 10, 8, 200, 10, kGroup | kTab, true, L"기본 무선 네트워크 카드 "},
    {1014, Kind::ListCombo, 22, 22, 180, 80, WS_VSCROLL | kTab, true, L""},
    {1022, Kind::Checkbox, 10, 44, 200, 10, kGroup | kTab, true, L"기본 유선 네트워크 카드"},
    {1015, Kind::ListCombo, 22, 58, 180, 80, WS_VSCROLL | kTab, true, L""},
};

const std::vector<Control> kGeneralOptionsControls = {
    {1024, Kind::Checkbox, 10, 8, 237, 10, kGroup | kTab, true,
     L"윈도우 부팅시 트레이 아이콘 보이기"},
    {1047, Kind::Label, 10, 40, 100, 8, kGroup, true, L"언어 선택"},
    {1012, Kind::Radio, 22, 52, 80, 10, kGroup | kTab, true, L"한국어"},
    {1013, Kind::Radio, 110, 52, 80, 10, kGroup | kTab, true, L"English"},
    {1049, Kind::PushButton, 10, 138, 50, 14, kGroup | kTab, true, L"고급설정"},
    {1063, Kind::Checkbox, 66, 140, 80, 10, kTab, false, L"WZCSVC 사용"},
    {1076, Kind::Checkbox, 10, 22, 237, 10, kTab, true, L"인증패킷 브로드캐스팅"},
    {1088, Kind::Radio, 22, 82, 80, 10, kGroup | kTab, true, L"TLS 1.0 사용"},
    {1086, Kind::Radio, 110, 82, 80, 10, 0, true, L"TLS 1.2 사용"},
    {1089, Kind::Label, 10, 70, 100, 8, kGroup, true, L"보안"},
    {1090, Kind::Checkbox, 10, 100, 237, 10, kGroup | kTab, true, L"PC이름 자동 바꾸기"},
};

const std::vector<Control> kStartEntryControls = {
    {1032, Kind::Label, 24, 40, 64, 8, kGroup, true, L"네트워크 카드"},
    {1030, Kind::EditCombo, 92, 38, 170, 100, CBS_SORT | CBS_AUTOHSCROLL | WS_VSCROLL | kTab, true,
     L""},
    {1035, Kind::Label, 24, 60, 64, 8, kGroup, true, L"프로파일 이름"},
    {1033, Kind::EditCombo, 92, 58, 170, 100, CBS_SORT | CBS_AUTOHSCROLL | WS_VSCROLL | kTab, true,
     L""},
    {1037, Kind::Label, 24, 84, 100, 8, kGroup, true, L"인증 정보"},
    {1038, Kind::Label, 36, 100, 52, 8, kGroup, true, L"아이디"},
    {1036, Kind::Edit, 92, 98, 170, 13, ES_AUTOHSCROLL | WS_BORDER | kTab, true, L""},
    {1041, Kind::Label, 36, 118, 52, 8, kGroup, true, L"암호"},
    {1040, Kind::Edit, 92, 116, 170, 13, ES_PASSWORD | ES_AUTOHSCROLL | WS_BORDER | kTab, true,
     L""},
    {IDOK, Kind::PushButton, 24, 170, 40, 14, kGroup | kTab, false, L"OK"},
    {IDCANCEL, Kind::PushButton, 68, 170, 40, 14, kTab, false, L"Cancel"},
    {1031, Kind::PushButton, 266, 38, 14, 12, kTab, false, L"Button1"},
    {1034, Kind::PushButton, 266, 58, 14, 12, kTab, false, L"Button1"},
    {1039, Kind::PushButton, 112, 170, 50, 14, kTab, false, L"인증서..."},
};

const std::vector<Control> kDetailsControls = {
    {1050, Kind::Checkbox, 10, 12, 166, 10, kGroup | kTab, true, L"디버그 데이터를 작성하기"},
    {IDOK, Kind::DefaultButton, 74, 40, 50, 14, kGroup | kTab, true, L"확인"},
    {IDCANCEL, Kind::PushButton, 129, 40, 50, 14, kTab, true, L"취소"},
};

struct Template {
    const char* name;
    int id;
    DWORD style;
    int cx, cy;            // dialog units
    const wchar_t* title;  // the caption in the template
    const std::vector<Control>* controls;
};

constexpr DWORD kPageStyle = DS_SETFONT | DS_CONTROL | WS_CHILD;

const Template kTemplates[] = {
    {"start list page", 129, kPageStyle, 257, 161, L"", &kStartListControls},
    {"auto-connect page", 130, kPageStyle, 257, 161, L"", &kAutoConnectControls},
    {"default card page", 131, kPageStyle, 257, 161, L"", &kDefaultCardControls},
    {"general options page", 132, kPageStyle, 257, 161, L"", &kGeneralOptionsControls},
    {"start entry dialog", 134, DS_SETFONT | DS_CENTER | WS_POPUP, 289, 196, L"",
     &kStartEntryControls},
    {"advanced settings dialog", 152,
     DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 186, 62,
     L"고급 설정", &kDetailsControls},
};

const char* ClassOf(Kind kind) {
    switch (kind) {
        case Kind::Checkbox:
        case Kind::Radio:
        case Kind::PushButton:
        case Kind::DefaultButton:
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

DWORD TypeBitsOf(Kind kind) {
    switch (kind) {
        case Kind::Checkbox:
            return BS_AUTOCHECKBOX;
        case Kind::Radio:
            return BS_AUTORADIOBUTTON;
        case Kind::PushButton:
            return BS_PUSHBUTTON;
        case Kind::DefaultButton:
            return BS_DEFPUSHBUTTON;
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

// A DLGTEMPLATEEX as the program's resources hold it, before any window adds to or takes from
// the styles it declares (a combo box hands its scroll bar to its list, an edit control trades
// its border for a client edge).
struct StoredItem {
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    std::string windowClass;
    std::wstring title;
};

struct StoredTemplate {
    DWORD style = 0;
    short cx = 0, cy = 0;
    std::wstring title;
    WORD pointSize = 0;
    std::wstring typeface;
    std::vector<StoredItem> items;
};

class TemplateReader {
public:
    explicit TemplateReader(const BYTE* start) : m_start(start), m_at(start) {}

    template <class T>
    T Take() {
        T value;
        std::memcpy(&value, m_at, sizeof value);
        m_at += sizeof value;
        return value;
    }
    std::wstring TakeText() {
        std::wstring text;
        for (WCHAR c = Take<WCHAR>(); c != 0; c = Take<WCHAR>()) text += c;
        return text;
    }
    // A name, or an ordinal (0xFFFF, then the number) with an empty name; none is a single 0.
    std::wstring TakeNameOrOrdinal(WORD* ordinal) {
        *ordinal = 0;
        WORD first;
        std::memcpy(&first, m_at, sizeof first);
        if (first != 0xFFFF) return TakeText();
        m_at += sizeof first;
        *ordinal = Take<WORD>();
        return L"";
    }
    void AlignToDword() {
        while ((m_at - m_start) % 4 != 0) ++m_at;
    }

private:
    const BYTE* m_start;
    const BYTE* m_at;
};

// The predefined classes that a template names by number.
std::string ClassOfOrdinal(WORD ordinal) {
    switch (ordinal) {
        case 0x80:
            return "Button";
        case 0x81:
            return "Edit";
        case 0x82:
            return "Static";
        case 0x85:
            return "ComboBox";
    }
    return "#" + std::to_string(ordinal);
}

bool ReadStoredTemplate(int id, StoredTemplate* result) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));  // RT_DIALOG
    if (!found) return false;
    auto start = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    TemplateReader reader(start);
    if (reader.Take<WORD>() != 1 || reader.Take<WORD>() != 0xFFFF) return false;  // not EX
    reader.Take<DWORD>();                                                         // help id
    reader.Take<DWORD>();                                                         // extended style
    result->style = reader.Take<DWORD>();
    const WORD count = reader.Take<WORD>();
    reader.Take<short>();
    reader.Take<short>();
    result->cx = reader.Take<short>();
    result->cy = reader.Take<short>();
    WORD ordinal = 0;
    reader.TakeNameOrOrdinal(&ordinal);  // menu
    reader.TakeNameOrOrdinal(&ordinal);  // window class
    result->title = reader.TakeText();
    if (result->style & DS_SETFONT) {
        result->pointSize = reader.Take<WORD>();
        reader.Take<WORD>();  // weight
        reader.Take<BYTE>();  // italic
        reader.Take<BYTE>();  // character set
        result->typeface = reader.TakeText();
    }
    for (WORD i = 0; i < count; ++i) {
        reader.AlignToDword();
        StoredItem item;
        reader.Take<DWORD>();  // help id
        reader.Take<DWORD>();  // extended style
        item.style = reader.Take<DWORD>();
        item.x = reader.Take<short>();
        item.y = reader.Take<short>();
        item.cx = reader.Take<short>();
        item.cy = reader.Take<short>();
        item.id = reader.Take<DWORD>();
        std::wstring name = reader.TakeNameOrOrdinal(&ordinal);
        item.windowClass =
            ordinal != 0 ? ClassOfOrdinal(ordinal) : std::string(name.begin(), name.end());
        item.title = reader.TakeNameOrOrdinal(&ordinal);
        const WORD extra = reader.Take<WORD>();
        for (WORD b = 0; b < extra; ++b) reader.Take<BYTE>();
        result->items.push_back(item);
    }
    return true;
}

std::wstring WideText(HWND hWnd) {
    wchar_t text[512] = {};
    GetWindowTextW(hWnd, text, 512);
    return text;
}

std::string ClassName(HWND hWnd) {
    char name[64] = {};
    GetClassNameA(hWnd, name, sizeof name);
    return name;
}

// The dialog manager converts a control's position and its size each on their own.
RECT DialogUnits(HWND dialog, int x, int y, int cx, int cy) {
    RECT place = {x, y, cx, cy};
    MapDialogRect(dialog, &place);
    return {place.left, place.top, place.left + place.right, place.top + place.bottom};
}

RECT PlaceInParent(HWND control) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool HasStyle(HWND hWnd, DWORD bits) {
    return (GetWindowLongA(hWnd, GWL_STYLE) & bits) == bits;
}

// A template alone, made by the dialog manager without any class of the program.
INT_PTR CALLBACK BareDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// The windows of the tests: a hidden top-level host that parents the pages and owns the dialogs.
class PagesFirst : public ::testing::Test {
protected:
    void SetUp() override {
        InitTestControls();
        host = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                               nullptr, nullptr);
        parent.Attach(host);
    }
    void TearDown() override {
        parent.Detach();
        DestroyWindow(host);
    }

    HWND host = nullptr;
    CWnd parent;
};

// The templates.

TEST_F(PagesFirst, EveryTemplateDeclaresItsControlsInOrderWithExactlyTheirStylePlaceAndCaption) {
    for (const Template& t : kTemplates) {
        SCOPED_TRACE(t.name);
        StoredTemplate stored;
        ASSERT_TRUE(ReadStoredTemplate(t.id, &stored));
        EXPECT_EQ(stored.style, t.style) << std::hex << stored.style;
        EXPECT_EQ(stored.cx, t.cx);
        EXPECT_EQ(stored.cy, t.cy);
        EXPECT_EQ(stored.title, t.title);
        EXPECT_EQ(stored.pointSize, 8);
        EXPECT_EQ(stored.typeface, L"Tahoma");

        ASSERT_EQ(stored.items.size(), t.controls->size());
        for (size_t i = 0; i < stored.items.size(); ++i) {
            const StoredItem& item = stored.items[i];
            const Control& c = (*t.controls)[i];
            SCOPED_TRACE(c.id);
            EXPECT_EQ(item.id, static_cast<DWORD>(c.id));
            // class names are compared without regard to case; the compiler writes them upper
            EXPECT_EQ(lstrcmpiA(item.windowClass.c_str(), ClassOf(c.kind)), 0) << item.windowClass;
            const DWORD style =
                WS_CHILD | (c.visible ? WS_VISIBLE : 0) | TypeBitsOf(c.kind) | c.style;
            EXPECT_EQ(item.style, style) << std::hex << item.style << " " << style;
            EXPECT_EQ(item.x, c.x);
            EXPECT_EQ(item.y, c.y);
            EXPECT_EQ(item.cx, c.cx);
            EXPECT_EQ(item.cy, c.cy);
            EXPECT_EQ(item.title, c.caption);
        }
    }
}

TEST_F(PagesFirst, EveryControlIsMadeOfItsClassWhereItsTemplatePutsIt) {
    for (const Template& t : kTemplates) {
        SCOPED_TRACE(t.name);
        HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(t.id), host,
                                         BareDialogProc, 0);
        ASSERT_NE(dialog, nullptr);
        std::vector<int> order;
        for (HWND child = GetWindow(dialog, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            order.push_back(GetDlgCtrlID(child));
        }
        std::vector<int> expectedOrder;
        for (const Control& c : *t.controls) expectedOrder.push_back(c.id);
        EXPECT_EQ(order, expectedOrder) << "the tab order";

        for (const Control& c : *t.controls) {
            SCOPED_TRACE(c.id);
            HWND control = GetDlgItem(dialog, c.id);
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(ClassName(control), ClassOf(c.kind));
            EXPECT_EQ(HasStyle(control, WS_VISIBLE), c.visible);
            const RECT expected = DialogUnits(dialog, c.x, c.y, c.cx, c.cy);
            const RECT actual = PlaceInParent(control);
            EXPECT_EQ(actual.left, expected.left);
            EXPECT_EQ(actual.top, expected.top);
            EXPECT_EQ(actual.right, expected.right);
            // a combo box's window is its closed field; the template's height is the open list
            if (c.kind != Kind::EditCombo && c.kind != Kind::ListCombo) {
                EXPECT_EQ(actual.bottom, expected.bottom);
            }
        }

        RECT client = {};
        GetClientRect(dialog, &client);
        const RECT size = DialogUnits(dialog, 0, 0, t.cx, t.cy);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);
        DestroyWindow(dialog);
    }
}

TEST_F(PagesFirst, StartEntryDialogIsABorderlessPopupWithoutCaption) {
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(134), host,
                                     BareDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    const DWORD style = GetWindowLongA(dialog, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_EQ(style & (WS_CHILD | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_SYSMENU), 0u);
    EXPECT_EQ(GetWindowLongA(dialog, GWL_EXSTYLE) & (WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE), 0);
    RECT window = {};
    RECT client = {};
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    EXPECT_EQ(window.right - window.left, client.right) << "the picture reaches every edge";
    DestroyWindow(dialog);
}

// DDX_Radio reads a radio's value within the group that starts at it and runs to the next
// control that starts a group.
TEST_F(PagesFirst, LanguageRadiosStandAloneAndTheTlsRadiosShareOneGroup) {
    HWND page = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(132), host,
                                   BareDialogProc, 0);
    ASSERT_NE(page, nullptr);
    auto groupFrom = [page](int id) {
        std::vector<int> ids;
        HWND control = GetDlgItem(page, id);
        do {
            if ((SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0) {
                ids.push_back(GetDlgCtrlID(control));
            }
            control = GetWindow(control, GW_HWNDNEXT);
        } while (control && !HasStyle(control, WS_GROUP));
        return ids;
    };
    EXPECT_EQ(groupFrom(1012), std::vector<int>{1012});
    EXPECT_EQ(groupFrom(1013), std::vector<int>{1013});
    EXPECT_EQ(groupFrom(1088), (std::vector<int>{1088, 1086}));
    EXPECT_EQ(groupFrom(1086), std::vector<int>{1086});
    EXPECT_EQ(GetWindow(GetDlgItem(page, 1086), GW_HWNDNEXT), GetDlgItem(page, 1089));
    DestroyWindow(page);
}

TEST_F(PagesFirst, StartEntryMenuDeclaresTheThreeCommandsWithKoreanNames) {
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(146));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    const struct {
        UINT id;
        const wchar_t* name;
    } items[] = {{32771, L"확인"}, {32772, L"취소"}, {32773, L"인증서"}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(GetMenuItemID(menu, i), items[i].id);
        wchar_t name[32] = {};
        GetMenuStringW(menu, i, name, 32, MF_BYPOSITION);
        EXPECT_STREQ(name, items[i].name);
    }
    DestroyMenu(menu);
}

// The page classes. Each page gets the text numbers themselves as its texts, in the order the
// main dialog hands them on, so every caption shows which text reached it.

using Texts = std::vector<std::string>;

struct PageCase {
    const char* name;
    const std::vector<Control>* controls;
    Texts texts;
    std::vector<std::pair<int, const char*>> captions;  // control, text
    std::set<int> editing;                              // disabled when the page is locked
    std::set<int> skinned;
    // Sets the texts and the lock, then makes the page under parent.
    std::function<std::unique_ptr<CDialog>(const Texts&, bool locked, CWnd* parent)> make;
};

template <class Page>
std::unique_ptr<CDialog> MakePage(const Texts& texts, bool locked, CWnd* parent) {
    auto page = std::make_unique<Page>();
    EXPECT_EQ(texts.size(), static_cast<size_t>(Page::kTextCount));
    page->SetInterfaceTexts(texts.data());
    page->m_bLocked = locked;
    if constexpr (std::is_same_v<Page, CPage4Dlg>) {
        page->m_nShowTls = 1;  // as the main dialog always sets it
        page->m_nShowPcName = 1;
    }
    if (!page->Create(Page::IDD, parent)) return nullptr;
    return page;
}

const PageCase kPages[] = {
    {"start list page",
     &kStartListControls,
     {"213", "214", "216", "217", "218", "208", "209", "210", "211", "212"},
     {{1029, "213"}, {1054, "214"}, {1009, "216"}, {1010, "217"}, {1011, "218"}},
     {1029, 1006, 1009, 1010, 1011},
     {1006, 1029, 1054},
     MakePage<CPage1Dlg>},
    {"auto-connect page",
     &kAutoConnectControls,
     {"219", "220"},
     {{1020, "219"}, {1046, "220"}},
     {1020},
     {1020, 1046},
     MakePage<CPage2Dlg>},
    {"default card page",
     &kDefaultCardControls,
     {"221", "222"},
     {{1021, "221"}, {1022, "222"}},
     {1021, 1022, 1014, 1015},
     {1021, 1022},
     MakePage<CPage3Dlg>},
    {"general options page",
     &kGeneralOptionsControls,
     {"223", "258", "225", "226", "227", "228", "236", "237", "238", "240", "270", "271", "272",
      "280"},
     {{1024, "223"},
      {1076, "258"},
      {1047, "225"},
      {1012, "226"},
      {1013, "227"},
      {1049, "228"},
      {1089, "270"},
      {1088, "271"},
      {1086, "272"},
      {1090, "280"}},
     {1049, 1024, 1076, 1012, 1013},
     {1012, 1013, 1024, 1047, 1076, 1086, 1088, 1089, 1090},
     MakePage<CPage4Dlg>},
};

std::string TextOf(CWnd& window, int id) {
    std::string text;
    window.GetDlgItemText(id, text);
    return text;
}

TEST_F(PagesFirst, PagesAreMadeAsHiddenChildrenOfTheirParent) {
    for (const PageCase& p : kPages) {
        SCOPED_TRACE(p.name);
        auto page = p.make(p.texts, false, &parent);
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(page->GetStyle() & WS_CHILD);
        EXPECT_FALSE(page->GetStyle() & WS_VISIBLE);
        EXPECT_EQ(::GetParent(page->m_hWnd), host);
    }
}

TEST_F(PagesFirst, InterfaceTextsLandOnTheirControlsAndTheOthersKeepTheTemplateCaption) {
    for (const PageCase& p : kPages) {
        SCOPED_TRACE(p.name);
        auto page = p.make(p.texts, false, &parent);
        ASSERT_NE(page, nullptr);
        for (const auto& [id, text] : p.captions) EXPECT_EQ(TextOf(*page, id), text) << id;
        for (const Control& c : *p.controls) {
            if (std::none_of(p.captions.begin(), p.captions.end(),
                             [&](const auto& caption) { return caption.first == c.id; })) {
                EXPECT_EQ(WideText(::GetDlgItem(page->m_hWnd, c.id)), c.caption) << c.id;
            }
        }
    }
}

TEST_F(PagesFirst, ALockedPageDisablesExactlyItsEditingControls) {
    for (const PageCase& p : kPages) {
        SCOPED_TRACE(p.name);
        for (bool locked : {false, true}) {
            auto page = p.make(p.texts, locked, &parent);
            ASSERT_NE(page, nullptr);
            std::set<int> disabled;
            for (const Control& c : *p.controls) {
                if (!::IsWindowEnabled(::GetDlgItem(page->m_hWnd, c.id))) disabled.insert(c.id);
            }
            EXPECT_EQ(disabled, locked ? p.editing : std::set<int>{}) << locked;
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

TEST_F(PagesFirst, OnlyThePageSkinnedControlsAreDrawnInTheSkinColour) {
    for (const PageCase& p : kPages) {
        SCOPED_TRACE(p.name);
        auto page = p.make(p.texts, false, &parent);
        ASSERT_NE(page, nullptr);
        for (const Control& c : *p.controls) {
            EXPECT_EQ(DrawnSkinned(page->m_hWnd, ::GetDlgItem(page->m_hWnd, c.id)),
                      p.skinned.count(c.id) == 1)
                << c.id;
        }
    }
}

// The general options page.

bool Shown(CWnd& page, int id) {
    return (::GetWindowLongA(::GetDlgItem(page.m_hWnd, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

TEST_F(PagesFirst, GeneralOptionsHideTheCheckboxWhoseTextTheClientLeftEmpty) {
    const Texts all = kPages[3].texts;
    struct Case {
        int emptied;  // index of the text left empty, -1 for none
        bool trayShown, broadcastShown;
    } cases[] = {{-1, true, true}, {0, false, true}, {1, true, false}};
    for (const Case& c : cases) {
        Texts texts = all;
        if (c.emptied >= 0) texts[c.emptied].clear();
        auto page = MakePage<CPage4Dlg>(texts, false, &parent);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(Shown(*page, 1024), c.trayShown) << c.emptied;
        EXPECT_EQ(Shown(*page, 1076), c.broadcastShown) << c.emptied;
    }
}

TEST_F(PagesFirst, GeneralOptionsNeverOfferTheAdvancedButton) {
    for (bool locked : {false, true}) {
        auto page = MakePage<CPage4Dlg>(kPages[3].texts, locked, &parent);
        ASSERT_NE(page, nullptr);
        EXPECT_FALSE(Shown(*page, 1049));
        EXPECT_FALSE(Shown(*page, 1063));
    }
}

TEST_F(PagesFirst, GeneralOptionsShowTheSecurityGroupAndThePcNameByTheirShowCommands) {
    for (int showTls : {0, 1}) {
        for (int showPcName : {0, 1}) {
            CPage4Dlg page;
            page.SetInterfaceTexts(kPages[3].texts.data());
            page.m_nShowTls = showTls;
            page.m_nShowPcName = showPcName;
            ASSERT_TRUE(page.Create(CPage4Dlg::IDD, &parent));
            for (int id : {1089, 1088, 1086}) EXPECT_EQ(Shown(page, id), showTls == 1) << id;
            EXPECT_EQ(Shown(page, 1090), showPcName == 1);
            EXPECT_TRUE(Shown(page, 1047));
            EXPECT_TRUE(Shown(page, 1012));
            EXPECT_TRUE(Shown(page, 1013));
        }
    }
}

// The start entry dialog.

// The window's client area printed into a 32-bit picture that starts out filled with `fill`.
std::vector<COLORREF> Print(HWND window, COLORREF fill, int* width) {
    RECT client = {};
    GetClientRect(window, &client);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP target = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, target);
    HBRUSH brush = CreateSolidBrush(fill);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    std::vector<COLORREF> picture;
    const DWORD* p = static_cast<const DWORD*>(bits);
    for (int i = 0; i < client.right * client.bottom; ++i) {
        picture.push_back(RGB((p[i] >> 16) & 0xFF, (p[i] >> 8) & 0xFF, p[i] & 0xFF));
    }
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
    *width = client.right;
    return picture;
}

const Texts kStartListTexts = kPages[0].texts;

TEST_F(PagesFirst, StartEntryCaptionsPassThroughTheStartListPage) {
    CPage1Dlg page;
    page.SetInterfaceTexts(kStartListTexts.data());
    CAutoStartDlg dialog(&parent);
    dialog.SetInterfaceTexts(&page.m_strText[CPage1Dlg::kTextEntryFirst]);
    ASSERT_TRUE(dialog.Create(CAutoStartDlg::IDD, &parent));
    const std::pair<int, const char*> captions[] = {
        {1032, "208"}, {1035, "209"}, {1037, "210"}, {1038, "211"}, {1041, "212"}};
    for (const auto& [id, text] : captions) EXPECT_EQ(TextOf(dialog, id), text) << id;
    EXPECT_EQ(WideText(::GetDlgItem(dialog.m_hWnd, 1039)), L"인증서...")
        << "the hidden buttons keep their captions";
}

TEST_F(PagesFirst, StartEntryImageButtonsHangBelowThePasswordFieldAndCarryTheMenuCommands) {
    CAutoStartDlg dialog(&parent);
    ASSERT_TRUE(dialog.Create(CAutoStartDlg::IDD, &parent));
    const RECT edit = PlaceInParent(::GetDlgItem(dialog.m_hWnd, 1040));
    const struct {
        int id;
        RECT rect;
    } buttons[] = {
        {32771, {edit.right - 132, edit.bottom + 20, edit.right - 71, edit.bottom + 41}},
        {32772, {edit.right - 61, edit.bottom + 20, edit.right, edit.bottom + 41}},
    };
    for (const auto& b : buttons) {
        HWND button = ::GetDlgItem(dialog.m_hWnd, b.id);
        ASSERT_NE(button, nullptr) << b.id;
        EXPECT_EQ(ClassName(button), "Button");
        EXPECT_TRUE(HasStyle(button, WS_CHILD | WS_VISIBLE));
        EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
        const RECT actual = PlaceInParent(button);
        EXPECT_TRUE(EqualRect(&b.rect, &actual)) << b.id;
    }
}

TEST_F(PagesFirst, StartEntryBackgroundIsThePictureForTheResolution) {
    struct Case {
        int dpi;
        bool picture;
    } cases[] = {{96, true}, {110, false}};
    for (const Case& c : cases) {
        CAutoStartDlg dialog(&parent);
        dialog.m_strInstallDir = driver::OwnFolder();
        dialog.m_nDpi = c.dpi;
        ASSERT_TRUE(dialog.Create(CAutoStartDlg::IDD, &parent));
        int width = 0;
        const COLORREF fill = RGB(1, 2, 3);
        std::vector<COLORREF> picture = Print(dialog.m_hWnd, fill, &width);
        ASSERT_FALSE(picture.empty());
        if (c.picture) {
            EXPECT_EQ(picture[0], RGB(31, 90, 133)) << "the background's top left pixel";
            EXPECT_NE(picture[width * 100 + 200], fill);
        } else {
            EXPECT_TRUE(std::all_of(picture.begin(), picture.end(),
                                    [fill](COLORREF p) { return p == fill; }));
        }
    }
}

TEST_F(PagesFirst, StartEntryLabelsAreDrawnInTheSkinColourAndItsFieldsAreNot) {
    CAutoStartDlg dialog(&parent);
    ASSERT_TRUE(dialog.Create(CAutoStartDlg::IDD, &parent));
    const std::set<int> skinned = {1032, 1035, 1037, 1038, 1041};
    for (const Control& c : kStartEntryControls) {
        EXPECT_EQ(DrawnSkinned(dialog.m_hWnd, ::GetDlgItem(dialog.m_hWnd, c.id)),
                  skinned.count(c.id) == 1)
            << c.id;
    }
}

// The advanced settings dialog.

const Texts kGeneralOptionsTexts = kPages[3].texts;

TEST_F(PagesFirst, AdvancedSettingsTakeTitleAndCaptionsFromTheGeneralOptionsTexts) {
    CPage4Dlg page;
    page.SetInterfaceTexts(kGeneralOptionsTexts.data());
    CDetailsDlg dialog(&parent);
    dialog.SetInterfaceTexts(&page.m_strText[CPage4Dlg::kTextDetailsFirst]);
    ASSERT_TRUE(dialog.Create(CDetailsDlg::IDD, &parent));
    EXPECT_EQ(TextOf(dialog, 1050), "236");
    EXPECT_EQ(TextOf(dialog, IDOK), "237");
    EXPECT_EQ(TextOf(dialog, IDCANCEL), "238");
    std::string title;
    dialog.GetWindowText(title);
    EXPECT_EQ(title, "240");
}

TEST_F(PagesFirst, AdvancedSettingsTickTheBoxFromTheMemberAndTheMemberFollowsAClick) {
    for (int debugData : {0, 1}) {
        CDetailsDlg dialog(&parent);
        dialog.m_bDebugData = debugData;
        ASSERT_TRUE(dialog.Create(CDetailsDlg::IDD, &parent));
        EXPECT_EQ(dialog.IsDlgButtonChecked(1050), static_cast<UINT>(debugData));
        // a click: the box changes, then tells its dialog
        dialog.CheckDlgButton(1050, debugData ? BST_UNCHECKED : BST_CHECKED);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(1050, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(dialog.m_hWnd, 1050)));
        EXPECT_EQ(dialog.m_bDebugData, 1 - debugData);
    }
}

// Runs modally and, once shown, changes the box behind the dialog's back (no click reaches it)
// and presses `button`: only OK reads the box.
class CDrivenDetailsDlg : public CDetailsDlg {
public:
    CDrivenDetailsDlg(CWnd* pParent, int button) : CDetailsDlg(pParent), m_button(button) {}

protected:
    BOOL OnInitDialog() override {
        const BOOL answer = CDetailsDlg::OnInitDialog();
        CheckDlgButton(1050, m_bDebugData ? BST_UNCHECKED : BST_CHECKED);
        PostMessage(WM_COMMAND, MAKEWPARAM(m_button, BN_CLICKED));
        return answer;
    }

private:
    int m_button;
};

TEST_F(PagesFirst, AdvancedSettingsOkReadsTheBoxAndCancelLeavesTheMember) {
    struct Case {
        int button;
        int debugData;  // before and after
        int result;
    } cases[] = {{IDOK, 0, 1}, {IDOK, 1, 0}, {IDCANCEL, 0, 0}, {IDCANCEL, 1, 1}};
    for (const Case& c : cases) {
        CDrivenDetailsDlg dialog(&parent, c.button);
        dialog.m_bDebugData = c.debugData;
        EXPECT_EQ(dialog.DoModal(), c.button);
        EXPECT_EQ(dialog.m_bDebugData, c.result) << c.button << " " << c.debugData;
    }
}

}  // namespace
