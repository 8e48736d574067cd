// The start list, auto-connect, default card and general options pages and the start entry and
// advanced settings dialogs: the interface texts on the right controls, what a locked page
// disables, the skin, the dialogs' own behaviour and what the general options page hands back.
#include "pages/auto_start_dlg.h"
#include "pages/details_dlg.h"
#include "pages/page1_dlg.h"
#include "pages/page2_dlg.h"
#include "pages/page3_dlg.h"
#include "pages/page4_dlg.h"
#include "tests/win/template_support.h"
#include "tools/driver/driver.h"

namespace {

using namespace templates;

const std::vector<PageCase> kPages = {
    {{"213", "214", "216", "217", "218", "208", "209", "210", "211", "212"},
     {1029, 1054, 1009, 1010, 1011},
     {1029, 1006, 1009, 1010, 1011},
     {1006, 1029, 1054},
     MakePage<CPage1Dlg>,
     {1006, 1009, 1010, 1011}},  // closed while auto-start is off
    {{"219", "220"}, {1020, 1046}, {1020}, {1020, 1046}, MakePage<CPage2Dlg>},
    {{"221", "222"},
     {1021, 1022},
     {1021, 1022, 1014, 1015},
     {1021, 1022},
     MakePage<CPage3Dlg>,
     {1014, 1015}},  // closed while their boxes are unticked
    {{"223", "258", "225", "226", "227", "228", "236", "237", "238", "240", "270", "271", "272",
      "280"},
     {1024, 1076, 1047, 1012, 1013, 1049, 0, 0, 0, 0, 1089, 1088, 1086, 1090},
     {1049, 1024, 1076, 1012, 1013},
     {1012, 1013, 1024, 1047, 1076, 1086, 1088, 1089, 1090},
     MakePage<CPage4Dlg>},
};

TEST_F(PageHost, PagesAreHiddenChildrenWithTheirTextsSkinAndLock) {
    ExpectPages(kPages, &parent);
}

// Each dialog gets its texts through the page that opens it: the start list page hands on its
// last five, the general options page four from its middle.
TEST_F(PageHost, StartEntryAndAdvancedSettingsTakeTheirTextsThroughTheirPages) {
    CPage1Dlg startList;
    startList.SetInterfaceTexts(kPages[0].texts.data());
    CAutoStartDlg entry(&parent);
    entry.SetInterfaceTexts(&startList.m_strText[CPage1Dlg::kTextEntryFirst]);
    ASSERT_TRUE(entry.Create(CAutoStartDlg::IDD, &parent));
    ExpectTexts(entry, {{1032, "208"}, {1035, "209"}, {1037, "210"}, {1038, "211"}, {1041, "212"}});
    ExpectSkinnedExactly(entry.m_hWnd, {1032, 1035, 1037, 1038, 1041});

    CPage4Dlg options;
    options.SetInterfaceTexts(kPages[3].texts.data());
    CDetailsDlg details(&parent);
    details.SetInterfaceTexts(&options.m_strText[CPage4Dlg::kTextDetailsFirst]);
    ASSERT_TRUE(details.Create(CDetailsDlg::IDD, &parent));
    ExpectTexts(details, {{1050, "236"}, {IDOK, "237"}, {IDCANCEL, "238"}});
    std::string caption;
    details.GetWindowText(caption);
    EXPECT_EQ(caption, "240");
}

// Its OK and Cancel are image buttons that carry the menu's commands, below the password field.
// There is a background picture for 96 dpi but none for 110: printed onto a filled picture, the
// dialog shows the background or leaves the fill.
TEST_F(PageHost, StartEntryDrawsItsButtonsBelowThePasswordFieldOnThePictureForTheResolution) {
    const COLORREF fill = RGB(1, 2, 3);
    for (int dpi : {96, 110}) {
        CAutoStartDlg dialog(&parent);
        dialog.m_strInstallDir = driver::OwnFolder();
        dialog.m_nDpi = dpi;
        ASSERT_TRUE(dialog.Create(CAutoStartDlg::IDD, &parent));
        RECT edit = {};
        GetWindowRect(GetDlgItem(dialog.m_hWnd, 1040), &edit);
        for (int id : {ID_MENU_AUTO_START_OK, ID_MENU_AUTO_START_CANCEL}) {
            HWND button = GetDlgItem(dialog.m_hWnd, id);
            RECT place = {};
            GetWindowRect(button, &place);
            EXPECT_GT(place.top, edit.bottom) << id;
            EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & (WS_VISIBLE | BS_TYPEMASK),
                      WS_VISIBLE | BS_OWNERDRAW)
                << id;
        }
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CBitmap picture;
        picture.Attach(CreateBitmap(300, 200, 1, 32, nullptr));
        HGDIOBJ old = dc.SelectObject(&picture);
        const RECT all = {0, 0, 300, 200};
        dc.FillRect(&all, CBrush(fill));
        dialog.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.m_hDC), PRF_CLIENT);
        EXPECT_EQ(GetPixel(dc, 0, 0), dpi == 96 ? RGB(31, 90, 133) : fill) << "top left, " << dpi;
        EXPECT_EQ(GetPixel(dc, 200, 100) != fill, dpi == 96);
        dc.SelectObject(old);
    }
}

WPARAM g_leaveWith = IDOK;  // how the advanced settings are left, their box clicked first
LRESULT CALLBACK ClickAndLeave(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && GetDlgItem(HWND(wParam), 1050)) {
        PostMessageA(GetDlgItem(HWND(wParam), 1050), BM_CLICK, 0, 0);
        PostMessageA(HWND(wParam), WM_COMMAND, g_leaveWith, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The general options page: each stored state, one user action, and what the page hands back. A
// stored PC name switch other than 0 and 1 shows the checkbox as 1 does, in its own place.
TEST_F(PageHost, GeneralOptionsShowTheStoredChoicesAndHandBackWhatTheyShow) {
    const struct {
        int language, tls, locked, showPcName, autoPcName, click, leave;  // click 0: none
        int languageBack, tlsBack, autoPcNameBack, debugDataBack;  // debug data handed in as 1
    } cases[] = {
        {2, 2, 0, 1, 0, 0, IDOK, 1, 0, 0, 1},    {0, 1, 0, 1, 1, 1013, IDOK, 1, 1, 1, 1},
        {1, 0, 0, 1, 0, 1012, IDOK, 0, 0, 0, 1}, {0, 0, 1, 1, 0, 1086, IDOK, 0, 1, 0, 1},
        {1, 1, 1, 3, 0, 1090, IDOK, 1, 1, 1, 1}, {0, 0, 0, 0, 2, 1013, IDOK, 1, 0, 2, 1},
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
        EXPECT_EQ(page.GetDlgItem(1090)->GetStyle() & (WS_VISIBLE | WS_MAXIMIZE | WS_MINIMIZE),
                  c.showPcName != 0 ? WS_VISIBLE : 0u);
        ASSERT_TRUE(page.StoreValues());
        EXPECT_EQ(
            std::tuple(page.m_nLanguage, page.m_nTlsVersion, page.m_bAutoPcName, page.m_bDebugData),
            std::tuple(c.languageBack, c.tlsBack, c.autoPcNameBack, c.debugDataBack));
    }
    UnhookWindowsHookEx(hook);
}

}  // namespace
