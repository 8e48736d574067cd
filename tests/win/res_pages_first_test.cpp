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
#include "tests/win/template_support.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

using namespace templates;

// Each table lists the template's controls in their order in the template (the tab order, and
// where radio groups end).
const std::vector<Control> kStartListControls = {
    {1029, Kind::Checkbox, 10, 8, 160, 10, kGroup | kTab, L"자동실행하기"},
    {1054, Kind::Label, 10, 24, 237, 8, kGroup,
     L"아래의 Ovanta 정보들을 이용하여 여러 개를 자동 실행"},
    {1006, Kind::ListView, 10, 36, 180, 90, LVS_SINGLESEL | LVS_NOCOLUMNHEADER | WS_BORDER | kTab,
     L"List1"},
    {1009, Kind::PushButton, 197, 36, 50, 14, kTab, L"추가"},
    {1010, Kind::PushButton, 197, 54, 50, 14, kTab, L"제거"},
    {1011, Kind::PushButton, 197, 72, 50, 14, kTab, L"수정"},
    {1027, Kind::Label, 10, 132, 160, 8, kGroup,
     L"마지막으로 실행한 Ovanta 정보를 이용하여 자동 실행", kHidden},
    {1028, Kind::Label, 10, 144, 160, 8, kGroup,
     L"아래의 Ovanta 정보들을 이용하여 여러 개를 자동 실행", kHidden},
};

const std::vector<Control> kAutoConnectControls = {
    {1020, Kind::Checkbox, 10, 8, 160, 10, kGroup | kTab, L"자동연결"},
    {1046, Kind::Label, 22, 22, 225, 20, kGroup,
     L"아이디와 패스워드가 기억되어 있으면 자동으로 연결을 시도한다."},
};

const std::vector<Control> kDefaultCardControls = {
    {1021, Kind::Checkbox, 10, 8, 200, 10, kGroup | kTab, L"기본 무선 네트워크 카드 "},
    {1014, Kind::ListCombo, 22, 22, 180, 80, WS_VSCROLL | kTab, L""},
    {1022, Kind::Checkbox, 10, 44, 200, 10, kGroup | kTab, L"기본 유선 네트워크 카드"},
    {1015, Kind::ListCombo, 22, 58, 180, 80, WS_VSCROLL | kTab, L""},
};

const std::vector<Control> kGeneralOptionsControls = {
    {1024, Kind::Checkbox, 10, 8, 237, 10, kGroup | kTab, L"윈도우 부팅시 트레이 아이콘 보이기"},
    {1047, Kind::Label, 10, 40, 100, 8, kGroup, L"언어 선택"},
    {1012, Kind::Radio, 22, 52, 80, 10, kGroup | kTab, L"한국어"},
    {1013, Kind::Radio, 110, 52, 80, 10, kGroup | kTab, L"English"},
    {1049, Kind::PushButton, 10, 138, 50, 14, kGroup | kTab, L"고급설정"},
    {1063, Kind::Checkbox, 66, 140, 80, 10, kTab, L"WZCSVC 사용", kHidden},
    {1076, Kind::Checkbox, 10, 22, 237, 10, kTab, L"인증패킷 브로드캐스팅"},
    {1088, Kind::Radio, 22, 82, 80, 10, kGroup | kTab, L"TLS 1.0 사용"},
    {1086, Kind::Radio, 110, 82, 80, 10, 0, L"TLS 1.2 사용"},
    {1089, Kind::Label, 10, 70, 100, 8, kGroup, L"보안"},
    {1090, Kind::Checkbox, 10, 100, 237, 10, kGroup | kTab, L"PC이름 자동 바꾸기"},
};

const std::vector<Control> kStartEntryControls = {
    {1032, Kind::Label, 24, 40, 64, 8, kGroup, L"네트워크 카드"},
    {1030, Kind::EditCombo, 92, 38, 170, 100, CBS_SORT | CBS_AUTOHSCROLL | WS_VSCROLL | kTab, L""},
    {1035, Kind::Label, 24, 60, 64, 8, kGroup, L"프로파일 이름"},
    {1033, Kind::EditCombo, 92, 58, 170, 100, CBS_SORT | CBS_AUTOHSCROLL | WS_VSCROLL | kTab, L""},
    {1037, Kind::Label, 24, 84, 100, 8, kGroup, L"인증 정보"},
    {1038, Kind::Label, 36, 100, 52, 8, kGroup, L"아이디"},
    {1036, Kind::Edit, 92, 98, 170, 13, ES_AUTOHSCROLL | WS_BORDER | kTab, L""},
    {1041, Kind::Label, 36, 118, 52, 8, kGroup, L"암호"},
    {1040, Kind::Edit, 92, 116, 170, 13, ES_PASSWORD | ES_AUTOHSCROLL | WS_BORDER | kTab, L""},
    {IDOK, Kind::PushButton, 24, 170, 40, 14, kGroup | kTab, L"OK", kHidden},
    {IDCANCEL, Kind::PushButton, 68, 170, 40, 14, kTab, L"Cancel", kHidden},
    {1031, Kind::PushButton, 266, 38, 14, 12, kTab, L"Button1", kHidden},
    {1034, Kind::PushButton, 266, 58, 14, 12, kTab, L"Button1", kHidden},
    {1039, Kind::PushButton, 112, 170, 50, 14, kTab, L"인증서...", kHidden},
};

const std::vector<Control> kDetailsControls = {
    {1050, Kind::Checkbox, 10, 12, 166, 10, kGroup | kTab, L"디버그 데이터를 작성하기"},
    {IDOK, Kind::DefaultButton, 74, 40, 50, 14, kGroup | kTab, L"확인"},
    {IDCANCEL, Kind::PushButton, 129, 40, 50, 14, kTab, L"취소"},
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

// The windows of the tests: a hidden top-level host that parents the pages and owns the dialogs.
class PagesFirst : public PageHost {};

// The templates.

TEST_F(PagesFirst, EveryTemplateDeclaresItsControlsInOrderWithExactlyTheirStylePlaceAndCaption) {
    for (const Template& t : kTemplates) {
        SCOPED_TRACE(t.name);
        const std::optional<StoredTemplate> stored = ReadStoredTemplate(t.id);
        ASSERT_TRUE(stored.has_value());
        EXPECT_EQ(stored->style, t.style) << std::hex << stored->style;
        EXPECT_EQ(stored->cx, t.cx);
        EXPECT_EQ(stored->cy, t.cy);
        EXPECT_EQ(stored->title, t.title);
        EXPECT_EQ(stored->pointSize, 8);
        EXPECT_EQ(stored->typeface, L"Tahoma");

        ASSERT_EQ(stored->items.size(), t.controls->size());
        for (size_t i = 0; i < stored->items.size(); ++i) {
            const StoredItem& item = stored->items[i];
            const Control& c = (*t.controls)[i];
            SCOPED_TRACE(c.id);
            ExpectDeclaredAsListed(item, c);
            // class names are compared without regard to case; the compiler writes them upper
            EXPECT_EQ(lstrcmpiA(item.windowClass.c_str(), ClassOf(c.kind)), 0) << item.windowClass;
            EXPECT_EQ(item.title, c.caption);
        }
    }
}

TEST_F(PagesFirst, EveryControlIsMadeOfItsClassWhereItsTemplatePutsIt) {
    for (const Template& t : kTemplates) {
        SCOPED_TRACE(t.name);
        const UniqueWindow dialog = MakeBare(t.id);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(ChildIds(dialog.get()), IdsOf(*t.controls)) << "the tab order";
        for (const Control& c : *t.controls) {
            SCOPED_TRACE(c.id);
            HWND control = GetDlgItem(dialog.get(), c.id);
            ASSERT_NE(control, nullptr);
            ExpectMadeAsListed(dialog.get(), control, c);
        }
        ExpectClientSize(dialog.get(), t.cx, t.cy);
    }
}

TEST_F(PagesFirst, StartEntryDialogIsABorderlessPopupWithoutCaption) {
    const UniqueWindow dialog = MakeBare(134);
    ASSERT_NE(dialog, nullptr);
    const DWORD style = GetWindowLongA(dialog.get(), GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_EQ(style & (WS_CHILD | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_SYSMENU), 0u);
    EXPECT_EQ(GetWindowLongA(dialog.get(), GWL_EXSTYLE) & (WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE),
              0);
    RECT window = {};
    RECT client = {};
    GetWindowRect(dialog.get(), &window);
    GetClientRect(dialog.get(), &client);
    EXPECT_EQ(window.right - window.left, client.right) << "the picture reaches every edge";
}

// DDX_Radio reads a radio's value within the group that starts at it and runs to the next
// control that starts a group.
TEST_F(PagesFirst, LanguageRadiosStandAloneAndTheTlsRadiosShareOneGroup) {
    const UniqueWindow page = MakeBare(132);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(RadioGroupFrom(page.get(), 1012), std::vector<int>{1012});
    EXPECT_EQ(RadioGroupFrom(page.get(), 1013), std::vector<int>{1013});
    EXPECT_EQ(RadioGroupFrom(page.get(), 1088), (std::vector<int>{1088, 1086}));
    EXPECT_EQ(RadioGroupFrom(page.get(), 1086), std::vector<int>{1086});
    EXPECT_EQ(GetWindow(GetDlgItem(page.get(), 1086), GW_HWNDNEXT), GetDlgItem(page.get(), 1089));
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

struct PageCase {
    const char* name;
    const std::vector<Control>* controls;
    Texts texts;
    std::map<int, std::string> captions;  // control, text
    std::set<int> editing;                // disabled when the page is locked
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

TEST_F(PagesFirst, PagesAreMadeAsHiddenChildrenOfTheirParent) {
    for (const PageCase& p : kPages) {
        SCOPED_TRACE(p.name);
        auto page = p.make(p.texts, false, &parent);
        ASSERT_NE(page, nullptr);
        ExpectHiddenChildOf(*page, host);
    }
}

TEST_F(PagesFirst, InterfaceTextsLandOnTheirControlsAndTheOthersKeepTheTemplateCaption) {
    for (const PageCase& p : kPages) {
        SCOPED_TRACE(p.name);
        auto page = p.make(p.texts, false, &parent);
        ASSERT_NE(page, nullptr);
        ExpectCaptions(*page, *p.controls, p.captions);
    }
}

TEST_F(PagesFirst, ALockedPageDisablesExactlyItsEditingControls) {
    for (const PageCase& p : kPages) {
        SCOPED_TRACE(p.name);
        for (bool locked : {false, true}) {
            auto page = p.make(p.texts, locked, &parent);
            ASSERT_NE(page, nullptr);
            EXPECT_EQ(DisabledControls(page->m_hWnd, *p.controls),
                      locked ? p.editing : std::set<int>{})
                << locked;
        }
    }
}

TEST_F(PagesFirst, OnlyThePageSkinnedControlsAreDrawnInTheSkinColour) {
    for (const PageCase& p : kPages) {
        SCOPED_TRACE(p.name);
        auto page = p.make(p.texts, false, &parent);
        ASSERT_NE(page, nullptr);
        ExpectSkinnedExactly(page->m_hWnd, *p.controls, p.skinned);
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

// The window's client area printed into a picture that starts out filled with `fill`.
std::vector<COLORREF> Print(HWND window, COLORREF fill, int* width) {
    RECT client = {};
    GetClientRect(window, &client);
    *width = client.right;
    return PaintedPixels(client.right, client.bottom, fill, [window](HDC dc) {
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    });
}

// A dialog that a page opens, made with the page's texts from `first` on, which is how the page
// hands them over before opening it.
template <class Dialog, class Page>
std::unique_ptr<Dialog> MakeWithPageTexts(const Texts& pageTexts, int first, CWnd* parent) {
    Page page;
    page.SetInterfaceTexts(pageTexts.data());
    auto dialog = std::make_unique<Dialog>(parent);
    dialog->SetInterfaceTexts(&page.m_strText[first]);
    if (!dialog->Create(Dialog::IDD, parent)) return nullptr;
    return dialog;
}

const Texts kStartListTexts = kPages[0].texts;

TEST_F(PagesFirst, StartEntryCaptionsPassThroughTheStartListPage) {
    const auto dialog = MakeWithPageTexts<CAutoStartDlg, CPage1Dlg>(
        kStartListTexts, CPage1Dlg::kTextEntryFirst, &parent);
    ASSERT_NE(dialog, nullptr);
    const std::pair<int, const char*> captions[] = {
        {1032, "208"}, {1035, "209"}, {1037, "210"}, {1038, "211"}, {1041, "212"}};
    for (const auto& [id, text] : captions) EXPECT_EQ(TextOf(*dialog, id), text) << id;
    EXPECT_EQ(WideText(::GetDlgItem(dialog->m_hWnd, 1039)), L"인증서...")
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
    ExpectSkinnedExactly(dialog.m_hWnd, kStartEntryControls, {1032, 1035, 1037, 1038, 1041});
}

// The advanced settings dialog.

const Texts kGeneralOptionsTexts = kPages[3].texts;

TEST_F(PagesFirst, AdvancedSettingsTakeTitleAndCaptionsFromTheGeneralOptionsTexts) {
    const auto dialog = MakeWithPageTexts<CDetailsDlg, CPage4Dlg>(
        kGeneralOptionsTexts, CPage4Dlg::kTextDetailsFirst, &parent);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(*dialog, 1050), "236");
    EXPECT_EQ(TextOf(*dialog, IDOK), "237");
    EXPECT_EQ(TextOf(*dialog, IDCANCEL), "238");
    std::string title;
    dialog->GetWindowText(title);
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
