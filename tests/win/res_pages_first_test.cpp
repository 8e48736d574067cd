// The start list, auto-connect, default card and general options pages and the start entry and
// advanced settings dialogs: the interface texts on the right controls, what a locked page
// disables, the skin, and the dialogs' own behaviour.
#include "pages/auto_start_dlg.h"
#include "pages/details_dlg.h"
#include "pages/page1_dlg.h"
#include "pages/page2_dlg.h"
#include "pages/page3_dlg.h"
#include "pages/page4_dlg.h"
#include "tests/win/template_support.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace templates;

// Both defaults switched on, so that only the lock disables the lists (an unticked box disables
// its list as well).
std::unique_ptr<CSkinnedPage> MakeDefaultCardPage(const Texts& texts, bool locked, CWnd* parent) {
    auto page = std::make_unique<CPage3Dlg>();
    page->SetInterfaceTexts(texts.data());
    page->m_bLocked = locked;
    page->m_bDefaultWireless = page->m_bDefaultWired = 1;
    if (!page->Create(CPage3Dlg::IDD, parent)) return nullptr;
    return page;
}

const std::vector<PageCase> kPages = {
    {{"213", "214", "216", "217", "218", "208", "209", "210", "211", "212"},
     {{1029, "213"}, {1054, "214"}, {1009, "216"}, {1010, "217"}, {1011, "218"}},
     {1029, 1006, 1009, 1010, 1011},
     {1006, 1029, 1054},
     MakePage<CPage1Dlg>,
     {1006, 1009, 1010, 1011}},  // closed while auto-start is off
    {{"219", "220"}, {{1020, "219"}, {1046, "220"}}, {1020}, {1020, 1046}, MakePage<CPage2Dlg>},
    {{"221", "222"},
     {{1021, "221"}, {1022, "222"}},
     {1021, 1022, 1014, 1015},
     {1021, 1022},
     MakeDefaultCardPage},
    {{"223", "258", "225", "226", "227", "228", "236", "237", "238", "240", "270", "271", "272",
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

using PagesFirst = PageHost;

TEST_F(PagesFirst, PagesAreHiddenChildrenWithTheirTextsSkinAndLock) {
    ExpectPages(kPages, &parent);
}

// Each dialog gets its texts through the page that opens it: the start list page hands on its
// last five, the general options page four from its middle.
TEST_F(PagesFirst, StartEntryAndAdvancedSettingsTakeTheirTextsThroughTheirPages) {
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
    EXPECT_EQ(WideText(details.m_hWnd), L"240");
}

// Its OK and Cancel are image buttons that carry the menu's commands, below the password field.
TEST_F(PagesFirst, StartEntryDrawsItsOwnButtonsBelowThePasswordField) {
    CAutoStartDlg dialog(&parent);
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
}

// There is a background picture for 96 dpi but none for 110: printed onto a filled picture, the
// dialog shows the background or leaves the fill.
TEST_F(PagesFirst, StartEntryBackgroundIsThePictureForTheResolution) {
    const COLORREF fill = RGB(1, 2, 3);
    for (int dpi : {96, 110}) {
        CAutoStartDlg dialog(&parent);
        dialog.m_strInstallDir = driver::OwnFolder();
        dialog.m_nDpi = dpi;
        ASSERT_TRUE(dialog.Create(CAutoStartDlg::IDD, &parent));
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

}  // namespace
