// The general options page: each stored state, one user action, and what the page hands back.
#include "pages/page4_dlg.h"
#include "tests/win/template_support.h"

using namespace templates;

static WPARAM g_leaveWith = IDOK;  // how the advanced settings are left, their box clicked first
static LRESULT CALLBACK ClickAndLeave(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && GetDlgItem(HWND(wParam), 1050)) {
        PostMessageA(GetDlgItem(HWND(wParam), 1050), BM_CLICK, 0, 0);
        PostMessageA(HWND(wParam), WM_COMMAND, g_leaveWith, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(PageHost, ShowsTheStoredChoicesAndHandsBackWhatItShows) {
    const struct {
        int language, tls, locked, showPcName, autoPcName, click, leave;  // click 0: none
        int languageBack, tlsBack, autoPcNameBack, debugDataBack;  // debug data handed in as 1
    } cases[] = {
        {2, 2, 0, 1, 0, 0, IDOK, 1, 0, 0, 1},    {0, 1, 0, 1, 1, 1013, IDOK, 1, 1, 1, 1},
        {1, 0, 0, 1, 0, 1012, IDOK, 0, 0, 0, 1}, {0, 0, 1, 1, 0, 1086, IDOK, 0, 1, 0, 1},
        {1, 1, 1, 1, 0, 1090, IDOK, 1, 1, 1, 1}, {0, 0, 0, 0, 2, 1013, IDOK, 1, 0, 2, 1},
        {0, 0, 0, 1, 0, 1049, IDOK, 0, 0, 0, 0}, {0, 0, 0, 1, 0, 1049, IDCANCEL, 0, 0, 0, 1}};
    const HHOOK hook = SetWindowsHookExA(WH_CBT, ClickAndLeave, nullptr, GetCurrentThreadId());
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        CPage4Dlg page;
        page.SetInterfaceTexts(Texts(CPage4Dlg::kTextCount, "text").data());
        page.m_nLanguage = c.language, page.m_nTlsVersion = c.tls, page.m_bLocked = c.locked;
        page.m_nShowPcName = c.showPcName, page.m_bAutoPcName = c.autoPcName, page.m_bDebugData = 1;
        g_leaveWith = c.leave;
        ASSERT_TRUE(page.Create(CPage4Dlg::IDD, &parent));
        HWND p = page.m_hWnd;
        if (c.click) SendDlgItemMessageA(p, c.click, BM_CLICK, 0, 0);
        EXPECT_EQ((std::vector{Ticked(p, 1012), Ticked(p, 1013), Ticked(p, 1088), Ticked(p, 1086)}),
                  (std::vector{!c.languageBack, !!c.languageBack, !c.tlsBack, !!c.tlsBack}));
        EXPECT_EQ((page.GetDlgItem(1090)->GetStyle() & WS_VISIBLE) != 0, c.showPcName != 0);
        ASSERT_TRUE(page.StoreValues());
        EXPECT_EQ(
            std::tuple(page.m_nLanguage, page.m_nTlsVersion, page.m_bAutoPcName, page.m_bDebugData),
            std::tuple(c.languageBack, c.tlsBack, c.autoPcNameBack, c.debugDataBack));
    }
    UnhookWindowsHookEx(hook);
}
