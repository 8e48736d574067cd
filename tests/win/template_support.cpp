#include "tests/win/template_support.h"

#include "tests/win/afx_test_support.h"

#include <commctrl.h>

#include <algorithm>
#include <ios>

namespace templates {

namespace {

DWORD StyleOf(HWND window) {
    return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
}

void ExpectMade(HWND dialog, const Control& c) {
    SCOPED_TRACE(c.id);
    HWND control = GetDlgItem(dialog, c.id);
    ASSERT_NE(control, nullptr);
    const DWORD style = StyleOf(control);
    char name[64] = {};
    GetClassNameA(control, name, sizeof name);
    EXPECT_STREQ(name, c.kind.windowClass);
    EXPECT_EQ(style & c.kind.mask, c.kind.bits) << std::hex << style;
    EXPECT_EQ(style & c.style, c.style) << std::hex << style;
    EXPECT_EQ(style & WS_VISIBLE, c.style & WS_VISIBLE);
    EXPECT_EQ(WideText(control), c.caption);
}

INT_PTR CALLBACK BareDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

}  // namespace

void ExpectTemplate(const Template& t, HWND owner) {
    SCOPED_TRACE(t.id);
    const std::unique_ptr<HWND__, decltype(&DestroyWindow)> dialog(
        CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(t.id), owner, BareDialogProc,
                           0),
        &DestroyWindow);
    ASSERT_NE(dialog, nullptr);
    const DWORD style = StyleOf(dialog.get());
    EXPECT_EQ(style & t.style, t.style) << std::hex << style;
    EXPECT_EQ(style & t.absent, 0u) << std::hex << style;
    EXPECT_EQ(WideText(dialog.get()), t.title);

    std::vector<int> made;
    for (HWND c = GetWindow(dialog.get(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        made.push_back(GetDlgCtrlID(c));
    }
    std::vector<int> listed;
    for (const Control& c : t.controls) listed.push_back(c.id);
    std::sort(made.begin(), made.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(made, listed);
    for (const Control& c : t.controls) ExpectMade(dialog.get(), c);

    if (t.cx == 0) return;
    RECT client = {}, size = {0, 0, t.cx, t.cy};
    GetClientRect(dialog.get(), &client);
    MapDialogRect(dialog.get(), &size);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog.get(), WM_GETFONT, 0, 0)), sizeof font,
               &font);
    EXPECT_STREQ(font.lfFaceName, "Tahoma");
}

std::wstring WideText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

std::vector<int> RadioGroupFrom(HWND dialog, int id) {
    std::vector<int> ids;
    HWND control = GetDlgItem(dialog, id);
    do {
        if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            ids.push_back(GetDlgCtrlID(control));
        }
        control = GetWindow(control, GW_HWNDNEXT);
    } while (control && !(StyleOf(control) & WS_GROUP));
    return ids;
}

void ExpectSkinnedExactly(HWND window, const std::vector<Control>& controls,
                          const std::set<int>& skinned) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    for (const Control& c : controls) {
        dc.SetTextColor(RGB(1, 2, 3));
        dc.SetBkMode(OPAQUE);
        const LRESULT brush =
            SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.m_hDC),
                         reinterpret_cast<LPARAM>(GetDlgItem(window, c.id)));
        const bool hollow = brush == reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        const bool coloured = GetTextColor(dc) == RGB(119, 116, 81) && GetBkMode(dc) == TRANSPARENT;
        EXPECT_EQ(hollow, coloured) << c.id;
        EXPECT_EQ(hollow && coloured, skinned.count(c.id) == 1) << c.id;
    }
}

void ExpectTexts(const CWnd& window, const std::vector<Control>& controls) {
    for (const Control& c : controls) {
        if (c.text) {
            std::string text;
            window.GetDlgItemText(c.id, text);
            EXPECT_EQ(text, c.text) << c.id;
        } else {
            EXPECT_EQ(WideText(GetDlgItem(window.m_hWnd, c.id)), c.caption) << c.id;
        }
    }
}

void ExpectPages(const std::vector<PageCase>& pages, CWnd* parent) {
    for (const PageCase& p : pages) {
        for (bool locked : {false, true}) {
            if (locked && p.locked.empty()) continue;  // a page that cannot be locked
            SCOPED_TRACE(std::to_string(p.page->id) + (locked ? " locked" : ""));
            auto page = p.make(p.texts, locked, parent);
            ASSERT_NE(page, nullptr);
            EXPECT_EQ(page->GetStyle() & (WS_CHILD | WS_VISIBLE), static_cast<DWORD>(WS_CHILD))
                << "the tab control shows one page at a time";
            EXPECT_EQ(GetParent(page->m_hWnd), parent->m_hWnd);
            ExpectTexts(*page, p.page->controls);
            ExpectSkinnedExactly(page->m_hWnd, p.page->controls, p.skinned);
            std::set<int> disabled;
            for (const Control& c : p.page->controls) {
                if (!IsWindowEnabled(GetDlgItem(page->m_hWnd, c.id))) disabled.insert(c.id);
            }
            EXPECT_EQ(disabled, locked ? p.locked : std::set<int>{});
        }
    }
}

void PageHost::SetUp() {
    InitTestControls();
    parent.Attach(CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                                  nullptr, nullptr));
    ASSERT_NE(parent.m_hWnd, nullptr);
}

void PageHost::TearDown() {
    DestroyWindow(parent.Detach());
}

}  // namespace templates
