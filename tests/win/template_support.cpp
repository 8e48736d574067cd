#include "tests/win/template_support.h"

#include "tests/win/afx_test_support.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <ios>

namespace templates {

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

bool IsOfKind(Kind kind, DWORD style) {
    switch (kind) {
        case Kind::Checkbox:
            return (style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
        case Kind::Radio:
            return (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
        case Kind::PushButton:
        case Kind::DefaultButton:
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

DWORD DeclaredStyle(const Control& control) {
    return WS_CHILD | (control.visible ? WS_VISIBLE : 0) | TypeBitsOf(control.kind) | control.style;
}

std::vector<int> IdsOf(const std::vector<Control>& controls) {
    std::vector<int> ids;
    for (const Control& c : controls) ids.push_back(c.id);
    return ids;
}

namespace {

// Reads the fields of a template one after another. The fields are copied out rather than
// pointed at: after a variable-length string a WORD field need not be aligned for its type.
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
    // Every item of a template starts on a DWORD boundary of the resource.
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

}  // namespace

std::optional<StoredTemplate> ReadStoredTemplate(int id) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));  // RT_DIALOG
    if (!found) return std::nullopt;
    auto start = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    TemplateReader reader(start);
    if (reader.Take<WORD>() != 1 || reader.Take<WORD>() != 0xFFFF) return std::nullopt;  // not EX
    StoredTemplate result;
    reader.Take<DWORD>();  // help id
    reader.Take<DWORD>();  // extended style
    result.style = reader.Take<DWORD>();
    const WORD count = reader.Take<WORD>();
    reader.Take<short>();
    reader.Take<short>();
    result.cx = reader.Take<short>();
    result.cy = reader.Take<short>();
    WORD ordinal = 0;
    reader.TakeNameOrOrdinal(&ordinal);  // menu
    reader.TakeNameOrOrdinal(&ordinal);  // window class
    result.title = reader.TakeText();
    if (result.style & DS_SETFONT) {
        result.pointSize = reader.Take<WORD>();
        reader.Take<WORD>();  // weight
        reader.Take<BYTE>();  // italic
        reader.Take<BYTE>();  // character set
        result.typeface = reader.TakeText();
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
        result.items.push_back(item);
    }
    return result;
}

void ExpectDeclaredAsListed(const StoredItem& item, const Control& control) {
    EXPECT_EQ(item.id, static_cast<DWORD>(control.id));
    const DWORD style = DeclaredStyle(control);
    EXPECT_EQ(item.style, style) << std::hex << item.style << " " << style;
    EXPECT_EQ(item.x, control.x);
    EXPECT_EQ(item.y, control.y);
    EXPECT_EQ(item.cx, control.cx);
    EXPECT_EQ(item.cy, control.cy);
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

bool HasStyle(HWND window, DWORD bits) {
    return (static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & bits) == bits;
}

RECT PlaceInParent(HWND control) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT DialogUnitsToPixels(HWND dialog, int x, int y, int cx, int cy) {
    RECT place = {x, y, cx, cy};
    MapDialogRect(dialog, &place);
    return {place.left, place.top, place.left + place.right, place.top + place.bottom};
}

std::vector<int> ChildIds(HWND dialog) {
    std::vector<int> ids;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        ids.push_back(GetDlgCtrlID(child));
    }
    return ids;
}

void ExpectMadeAsListed(HWND dialog, HWND control, const Control& expected) {
    EXPECT_EQ(ClassName(control), ClassOf(expected.kind));
    EXPECT_EQ(HasStyle(control, WS_VISIBLE), expected.visible);
    const RECT place =
        DialogUnitsToPixels(dialog, expected.x, expected.y, expected.cx, expected.cy);
    const RECT actual = PlaceInParent(control);
    EXPECT_EQ(actual.left, place.left);
    EXPECT_EQ(actual.top, place.top);
    EXPECT_EQ(actual.right, place.right);
    // a combo box's window is its closed field; the template's height is the open list
    if (expected.kind != Kind::EditCombo && expected.kind != Kind::ListCombo) {
        EXPECT_EQ(actual.bottom, place.bottom);
    }
}

void ExpectClientSize(HWND dialog, int cx, int cy) {
    RECT client = {};
    GetClientRect(dialog, &client);
    const RECT size = DialogUnitsToPixels(dialog, 0, 0, cx, cy);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
}

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

std::string TextOf(const CWnd& window, int id) {
    std::string text;
    window.GetDlgItemText(id, text);
    return text;
}

void ExpectHiddenChildOf(const CWnd& page, HWND parent) {
    EXPECT_TRUE(page.GetStyle() & WS_CHILD);
    EXPECT_FALSE(page.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(GetParent(page.m_hWnd), parent);
}

void ExpectCaptions(const CWnd& window, const std::vector<Control>& controls,
                    const std::map<int, std::string>& texts) {
    for (const Control& c : controls) {
        const auto text = texts.find(c.id);
        if (text != texts.end()) {
            EXPECT_EQ(TextOf(window, c.id), text->second) << c.id;
        } else {
            EXPECT_EQ(WideText(GetDlgItem(window.m_hWnd, c.id)), c.caption) << c.id;
        }
    }
}

std::set<int> DisabledControls(HWND window, const std::vector<Control>& controls) {
    std::set<int> disabled;
    for (const Control& c : controls) {
        if (!IsWindowEnabled(GetDlgItem(window, c.id))) disabled.insert(c.id);
    }
    return disabled;
}

bool DrawnSkinned(HWND window, HWND control) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SetTextColor(RGB(1, 2, 3));
    dc.SetBkMode(OPAQUE);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(window, WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc.m_hDC),
                                                       reinterpret_cast<LPARAM>(control)));
    const bool hollow = brush == GetStockObject(NULL_BRUSH);
    const bool coloured = GetTextColor(dc) == RGB(119, 116, 81) && GetBkMode(dc) == TRANSPARENT;
    EXPECT_EQ(hollow, coloured);
    return hollow && coloured;
}

void ExpectSkinnedExactly(HWND window, const std::vector<Control>& controls,
                          const std::set<int>& skinned) {
    for (const Control& c : controls) {
        EXPECT_EQ(DrawnSkinned(window, GetDlgItem(window, c.id)), skinned.count(c.id) == 1) << c.id;
    }
}

std::vector<COLORREF> PaintedPixels(int cx, int cy, COLORREF background,
                                    const std::function<void(HDC)>& paint) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;  // top-down, so the pixels come out row by row from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    // the bitmap outlives the context it is selected into
    CBitmap target;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    target.Attach(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    std::vector<COLORREF> pixels;
    if (bits == nullptr) return pixels;
    HGDIOBJ old = dc.SelectObject(&target);
    const RECT all = {0, 0, cx, cy};
    dc.FillRect(&all, CBrush(background));
    paint(dc);
    GdiFlush();
    const auto* p = static_cast<const DWORD*>(bits);
    for (int i = 0; i < cx * cy; ++i) {
        pixels.push_back(RGB((p[i] >> 16) & 0xFF, (p[i] >> 8) & 0xFF, p[i] & 0xFF));
    }
    dc.SelectObject(old);
    return pixels;
}

void PageHost::SetUp() {
    InitTestControls();
    host = CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr, nullptr,
                           nullptr);
    ASSERT_NE(host, nullptr);
    parent.Attach(host);
}

void PageHost::TearDown() {
    parent.Detach();
    DestroyWindow(host);
}

namespace {

INT_PTR CALLBACK BareDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

}  // namespace

UniqueWindow PageHost::MakeBare(int id) const {
    return UniqueWindow(CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), host,
                                           BareDialogProc, 0));
}

}  // namespace templates
