// The start list, auto-connect, default card and general options pages and the start entry and
// advanced settings dialogs: their controls and Korean captions, the interface texts on the right
// controls, what a locked page disables, the skin, and the dialogs' own behaviour.
#include "pages/auto_start_dlg.h"
#include "pages/details_dlg.h"
#include "pages/page1_dlg.h"
#include "pages/page2_dlg.h"
#include "pages/page3_dlg.h"
#include "pages/page4_dlg.h"
#include "tests/win/template_support.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace templates;

const std::vector<Control> kStartListControls = {
    {1029, kCheckbox, L"자동실행하기", "213"},
    {1054, kLabel, L"아래의 Ovanta 정보들을 이용하여 여러 개를 자동 실행", "214"},
    {1006, kList, L"List1", nullptr, WS_VISIBLE | LVS_SINGLESEL | LVS_NOCOLUMNHEADER | WS_TABSTOP},
    {1009, kButton, L"추가", "216"},
    {1010, kButton, L"제거", "217"},
    {1011, kButton, L"수정", "218"},
    {1027, kLabel, L"마지막으로 실행한 Ovanta 정보를 이용하여 자동 실행", nullptr, 0},
    {1028, kLabel, L"아래의 Ovanta 정보들을 이용하여 여러 개를 자동 실행", nullptr, 0},
};
const std::vector<Control> kAutoConnectControls = {
    {1020, kCheckbox, L"자동연결", "219"},
    {1046, kLabel, L"아이디와 패스워드가 기억되어 있으면 자동으로 연결을 시도한다.", "220"},
};
const std::vector<Control> kDefaultCardControls = {
    {1021, kCheckbox, L"기본 무선 네트워크 카드 ", "221"},
    {1014, kDropList, L""},
    {1022, kCheckbox, L"기본 유선 네트워크 카드", "222"},
    {1015, kDropList, L""},
};
const std::vector<Control> kGeneralOptionsControls = {
    {1024, kCheckbox, L"윈도우 부팅시 트레이 아이콘 보이기", "223"},
    {1047, kLabel, L"언어 선택", "225"},
    {1012, kRadio, L"한국어", "226"},
    {1013, kRadio, L"English", "227"},
    {1049, kButton, L"고급설정", "228"},
    {1063, kCheckbox, L"WZCSVC 사용", nullptr, 0},
    {1076, kCheckbox, L"인증패킷 브로드캐스팅", "258"},
    {1089, kLabel, L"보안", "270"},
    {1088, kRadio, L"TLS 1.0 사용", "271"},
    {1086, kRadio, L"TLS 1.2 사용", "272"},
    {1090, kCheckbox, L"PC이름 자동 바꾸기", "280"},
};
// The labels' texts come through the start list page.
const std::vector<Control> kStartEntryControls = {
    {1032, kLabel, L"네트워크 카드", "208"},
    {1030, kSortedDropDown, L""},
    {1035, kLabel, L"프로파일 이름", "209"},
    {1033, kSortedDropDown, L""},
    {1037, kLabel, L"인증 정보", "210"},
    {1038, kLabel, L"아이디", "211"},
    {1036, kEdit, L"", nullptr, WS_VISIBLE | ES_AUTOHSCROLL},
    {1041, kLabel, L"암호", "212"},
    {1040, kPassword, L"", nullptr, WS_VISIBLE | ES_AUTOHSCROLL},
    {IDOK, kButton, L"OK", nullptr, 0},
    {IDCANCEL, kButton, L"Cancel", nullptr, 0},
    {1031, kButton, L"Button1", nullptr, 0},
    {1034, kButton, L"Button1", nullptr, 0},
    {1039, kButton, L"인증서...", nullptr, 0},
};
// The texts come through the general options page.
const std::vector<Control> kDetailsControls = {
    {1050, kCheckbox, L"디버그 데이터를 작성하기", "236"},
    {IDOK, kButton, L"확인", "237"},
    {IDCANCEL, kButton, L"취소", "238"},
};

// The start entry dialog is a bare pop-up: its picture reaches every edge.
constexpr DWORD kNotBare = WS_CHILD | WS_CAPTION | WS_THICKFRAME | DS_MODALFRAME;
const Template kStartList = {129, L"", kPageStyle, kNotPageStyle, kStartListControls, 257, 161};
const Template kAutoConnect = {130, L"", kPageStyle, kNotPageStyle, kAutoConnectControls, 257, 161};
const Template kDefaultCard = {131, L"", kPageStyle, kNotPageStyle, kDefaultCardControls};
const Template kGeneralOptions = {132, L"", kPageStyle, kNotPageStyle, kGeneralOptionsControls};
const Template kStartEntry = {134, L"", WS_POPUP, kNotBare, kStartEntryControls, 289, 196};
const Template kDetails = {152, L"고급 설정", WS_POPUP | WS_CAPTION, WS_CHILD, kDetailsControls};

const std::vector<PageCase> kPages = {
    {&kStartList,
     {"213", "214", "216", "217", "218", "208", "209", "210", "211", "212"},
     {1029, 1006, 1009, 1010, 1011},
     {1006, 1029, 1054},
     MakePage<CPage1Dlg>},
    {&kAutoConnect, {"219", "220"}, {1020}, {1020, 1046}, MakePage<CPage2Dlg>},
    {&kDefaultCard, {"221", "222"}, {1021, 1022, 1014, 1015}, {1021, 1022}, MakePage<CPage3Dlg>},
    {&kGeneralOptions,
     {"223", "258", "225", "226", "227", "228", "236", "237", "238", "240", "270", "271", "272",
      "280"},
     {1049, 1024, 1076, 1012, 1013},
     {1012, 1013, 1024, 1047, 1076, 1086, 1088, 1089, 1090},
     MakePage<CPage4Dlg>},
};

class PagesFirst : public PageHost {};

TEST_F(PagesFirst, EveryTemplateHoldsItsControlsWithTheirKindsAndKoreanCaptions) {
    for (const Template* t :
         {&kStartList, &kAutoConnect, &kDefaultCard, &kGeneralOptions, &kStartEntry, &kDetails}) {
        ExpectTemplate(*t, parent.m_hWnd);
    }
}

// DDX_Radio reads a radio's value within the group that starts at it: the language radios stand
// alone (the page clears the other one itself) and the TLS radios share one group.
TEST_F(PagesFirst, LanguageRadiosStandAloneAndTheTlsRadiosShareOneGroup) {
    const auto page = MakePage<CPage4Dlg>(kPages[3].texts, false, &parent);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(RadioGroupFrom(page->m_hWnd, 1012), std::vector<int>{1012});
    EXPECT_EQ(RadioGroupFrom(page->m_hWnd, 1013), std::vector<int>{1013});
    EXPECT_EQ(RadioGroupFrom(page->m_hWnd, 1088), (std::vector<int>{1088, 1086}));
}

TEST_F(PagesFirst, StartEntryMenuDeclaresTheThreeCommandsWithKoreanNames) {
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(146));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    const std::pair<UINT, std::wstring> items[] = {
        {32771, L"확인"}, {32772, L"취소"}, {32773, L"인증서"}};
    for (int i = 0; i < 3; ++i) {
        wchar_t name[32] = {};
        GetMenuStringW(menu, i, name, 32, MF_BYPOSITION);
        EXPECT_EQ(std::make_pair(GetMenuItemID(menu, i), std::wstring(name)), items[i]);
    }
    DestroyMenu(menu);
}

TEST_F(PagesFirst, PagesAreHiddenChildrenWithTheirTextsSkinAndLock) {
    ExpectPages(kPages, &parent);
}

bool Shown(const CWnd& dialog, int id) {
    return GetWindowLongA(GetDlgItem(dialog.m_hWnd, id), GWL_STYLE) & WS_VISIBLE;
}

// An empty text hides its checkbox rather than showing it unlabelled; the advanced settings
// button is never offered.
TEST_F(PagesFirst, GeneralOptionsHideTheCheckboxWhoseTextTheClientLeftEmpty) {
    const struct {
        int emptied;  // index of the text left empty, -1 for none
        bool trayShown, broadcastShown;
    } cases[] = {{-1, true, true}, {0, false, true}, {1, true, false}};
    for (const auto& c : cases) {
        Texts texts = kPages[3].texts;
        if (c.emptied >= 0) texts[c.emptied].clear();
        auto page = MakePage<CPage4Dlg>(texts, false, &parent);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(Shown(*page, 1024), c.trayShown) << c.emptied;
        EXPECT_EQ(Shown(*page, 1076), c.broadcastShown) << c.emptied;
        EXPECT_FALSE(Shown(*page, 1049));
    }
}

// The start list page hands the start entry dialog its last five texts.
TEST_F(PagesFirst, StartEntryTakesItsTextsThroughTheStartListPageAndDrawsItsOwnButtons) {
    CPage1Dlg page;
    page.SetInterfaceTexts(kPages[0].texts.data());
    CAutoStartDlg dialog(&parent);
    dialog.SetInterfaceTexts(&page.m_strText[CPage1Dlg::kTextEntryFirst]);
    ASSERT_TRUE(dialog.Create(CAutoStartDlg::IDD, &parent));
    ExpectTexts(dialog, kStartEntryControls);
    ExpectSkinnedExactly(dialog.m_hWnd, kStartEntryControls, {1032, 1035, 1037, 1038, 1041});

    // the image buttons carry the menu's commands and hang below the password field
    RECT edit = {}, ok = {}, cancel = {};
    GetWindowRect(GetDlgItem(dialog.m_hWnd, 1040), &edit);
    GetWindowRect(GetDlgItem(dialog.m_hWnd, 32771), &ok);
    GetWindowRect(GetDlgItem(dialog.m_hWnd, 32772), &cancel);
    const RECT okPlace = {edit.right - 132, edit.bottom + 20, edit.right - 71, edit.bottom + 41};
    const RECT cancelPlace = {edit.right - 61, edit.bottom + 20, edit.right, edit.bottom + 41};
    EXPECT_TRUE(EqualRect(&ok, &okPlace));
    EXPECT_TRUE(EqualRect(&cancel, &cancelPlace));
    for (int id : {32771, 32772}) {
        EXPECT_EQ(
            GetWindowLongA(GetDlgItem(dialog.m_hWnd, id), GWL_STYLE) & (WS_VISIBLE | BS_TYPEMASK),
            WS_VISIBLE | BS_OWNERDRAW);
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

TEST_F(PagesFirst, AdvancedSettingsTakeTitleAndCaptionsFromTheGeneralOptionsTexts) {
    CPage4Dlg page;
    page.SetInterfaceTexts(kPages[3].texts.data());
    CDetailsDlg dialog(&parent);
    dialog.SetInterfaceTexts(&page.m_strText[CPage4Dlg::kTextDetailsFirst]);
    ASSERT_TRUE(dialog.Create(CDetailsDlg::IDD, &parent));
    ExpectTexts(dialog, kDetailsControls);
    EXPECT_EQ(WideText(dialog.m_hWnd), L"240");
}

// The box is ticked from the member. A click on it is read at once; OK reads it and Cancel leaves
// the member alone, though the box was changed behind the dialog's back.
TEST_F(PagesFirst, AdvancedSettingsExchangeTheBoxWithTheMember) {
    for (int press : {1050, IDOK, IDCANCEL}) {
        for (int debugData : {0, 1}) {
            CDetailsDlg dialog(&parent);
            dialog.m_bDebugData = debugData;
            ASSERT_TRUE(dialog.Create(CDetailsDlg::IDD, &parent));
            EXPECT_EQ(dialog.IsDlgButtonChecked(1050), static_cast<UINT>(debugData));
            if (press == 1050) {
                SendMessageA(GetDlgItem(dialog.m_hWnd, 1050), BM_CLICK, 0, 0);
            } else {
                dialog.CheckDlgButton(1050, debugData ? BST_UNCHECKED : BST_CHECKED);
                dialog.SendMessage(WM_COMMAND, MAKEWPARAM(press, BN_CLICKED));
            }
            EXPECT_EQ(dialog.m_bDebugData, press == IDCANCEL ? debugData : 1 - debugData)
                << press << " " << debugData;
        }
    }
}

}  // namespace
