#include "tests/win/template_support.h"

#include "app/message_box.h"
#include "tests/win/afx_test_support.h"

namespace templates {

namespace {

std::vector<HWND> Controls(HWND window) {
    std::vector<HWND> controls;
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        controls.push_back(c);
    return controls;
}

}  // namespace

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
    } while (control && !(GetWindowLongA(control, GWL_STYLE) & WS_GROUP));
    return ids;
}

void ExpectSkinnedExactly(HWND window, const std::set<int>& skinned) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    std::set<int> seen;
    for (HWND control : Controls(window)) {
        dc.SetTextColor(RGB(1, 2, 3));
        dc.SetBkMode(OPAQUE);
        const LRESULT brush =
            SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.m_hDC),
                         reinterpret_cast<LPARAM>(control));
        const bool hollow = brush == reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        const bool coloured = GetTextColor(dc) == RGB(119, 116, 81) && GetBkMode(dc) == TRANSPARENT;
        EXPECT_EQ(hollow, coloured) << GetDlgCtrlID(control);
        if (hollow && coloured) seen.insert(GetDlgCtrlID(control));
    }
    EXPECT_EQ(seen, skinned);
}

void ExpectTexts(const CWnd& window, const Shown& shown) {
    for (const auto& [id, expected] : shown) {
        std::string text;
        window.GetDlgItemText(id, text);
        EXPECT_EQ(text, expected) << id;
    }
}

void ExpectPages(const std::vector<PageCase>& pages, CWnd* parent) {
    for (size_t i = 0; i < pages.size(); ++i) {
        const PageCase& p = pages[i];
        for (bool locked : {false, true}) {
            if (locked && p.locked.empty()) continue;  // a page that cannot be locked
            SCOPED_TRACE("page " + std::to_string(i) + (locked ? " locked" : ""));
            auto page = p.make(p.texts, locked, parent);
            ASSERT_NE(page, nullptr);
            EXPECT_EQ(page->GetStyle() & (WS_CHILD | WS_VISIBLE), static_cast<DWORD>(WS_CHILD))
                << "the tab control shows one page at a time";
            EXPECT_EQ(GetParent(page->m_hWnd), parent->m_hWnd);
            ExpectTexts(*page, p.shown);
            ExpectSkinnedExactly(page->m_hWnd, p.skinned);
            std::set<int> disabled;
            for (HWND control : Controls(page->m_hWnd)) {
                if (!IsWindowEnabled(control)) disabled.insert(GetDlgCtrlID(control));
            }
            EXPECT_EQ(disabled, locked ? p.locked : p.unlockedDisabled);
        }
    }
}

void PageHost::SetUp() {
    SetMessageBoxRecorder([this](HWND, const std::string&, const std::string& title, UINT) {
        boxTitles.push_back(title);
        return IDOK;
    });
    InitTestControls();
    parent.Attach(CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                                  nullptr, nullptr));
    ASSERT_NE(parent.m_hWnd, nullptr);
}

void PageHost::TearDown() {
    DestroyWindow(parent.Detach());
    SetMessageBoxRecorder(nullptr);
}

}  // namespace templates
