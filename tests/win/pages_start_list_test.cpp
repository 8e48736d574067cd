// The start list page on the simulated store: loading, Add, Remove, Modify, the lock and
// auto-start; its start entry dialog against the simulated client's cards and profile folders.
#include "pages/auto_start_dlg.h"
#include "pages/page1_dlg.h"
#include "sim/store/settings_store.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"

namespace {

using namespace templates;
using Open = std::vector<bool>;

// The user of the start entry dialog: the next answer each run; one without a card cancels.
struct ScriptedPage : CPage1Dlg {
    std::vector<EntryFields> answers, handed;
    bool RunEntryDialog(EntryFields& fields) override {
        handed.push_back(std::exchange(fields, answers.at(handed.size())));
        return !fields.card.empty();
    }
};

class StartListPage : public PageHost {
protected:
    void SetUp() override {
        PageHost::SetUp();
        SetMessageBoxRecorder(
            [this](HWND, const std::string& text, const std::string& title, UINT type) {
                boxes.push_back(type == 0x40024 ? title + text.substr(0, text.find('\n')) : title);
                return answer;
            });
        sim::DeleteMachineTree(sim::kStartListKeyPath);
        for (auto [card, profile] : {std::pair{"LAN", "C:\\p\\office.pcf"},
                                     {"Wi-Fi", "C:\\p\\campus.WCF"},
                                     {"Odd", "C:\\p\\lab.hcf"},
                                     {"Empty", ""}})
            sim::PutCommittedEntry(card, profile, "alice", "Pw~4");
    }
    std::unique_ptr<ScriptedPage> Make(const std::string& list, int count, int autoStart = 1,
                                       bool locked = false) {
        auto page = std::make_unique<ScriptedPage>();
        boxes.clear();
        page->m_strWirelessExt = ".wcf";
        page->m_strWiredExt = ".PCF";
        page->m_strStartList = list;
        page->m_nStartListCount = count;
        page->m_nAutoStart = autoStart;
        page->m_bLocked = locked;
        EXPECT_TRUE(page->Create(CPage1Dlg::IDD, &parent));
        return page;
    }
    static Names Rows(const CPage1Dlg& page) {
        Names rows;
        for (const CPage1Dlg::StartEntry* entry : page.StartEntries()) {
            char text[300] = {};
            LVITEMA item = {};
            item.mask = LVIF_TEXT | LVIF_IMAGE;
            item.iItem = static_cast<int>(rows.size());
            item.pszText = text;
            item.cchTextMax = sizeof text;
            SendDlgItemMessageA(page.m_hWnd, 1006, LVM_GETITEMA, 0,
                                reinterpret_cast<LPARAM>(&item));
            rows.push_back(std::string(entry->card) + " " + text + "/" +
                           std::to_string(item.iImage));
        }
        return rows;
    }
    static Open OpenControls(const CPage1Dlg& page) {
        Open open;
        for (int id : {1029, 1006, 1009, 1010, 1011}) open.push_back(Enabled(page.m_hWnd, id));
        return open;
    }

    Names boxes;
    int answer = IDYES;
};

// An entry without a profile goes silently; one the store does not know, with the store's box.
TEST_F(StartListPage, LoadingListsTheStoredEntriesThatHaveAProfile) {
    const std::pair<std::string, Names> cases[] = {
        {";;", {}},
        {"LAN;;Wi-Fi;;Odd;;Empty", {"LAN office.pcf/1", "Wi-Fi campus.WCF/0", "Odd lab.hcf/2"}},
        {"Odd;;;;Nobody;;LAN;;Wi-Fi", {"Odd lab.hcf/2", "Error - (9009)"}},  // count 1: two read
        {"Odd;;" + std::string(1025, 'x') + ";;LAN", {"Odd lab.hcf/2", "Error - (8060)"}},
    };
    for (const auto& [list, shown] : cases) {
        const auto page = Make(list, list[0] == 'O' ? 1 : 4);
        const auto images = reinterpret_cast<HIMAGELIST>(
            SendDlgItemMessageA(page->m_hWnd, 1006, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
        EXPECT_EQ(ImageList_GetImageCount(images), 2) << "image 2 is none";
        Names rows = Rows(*page);
        rows.insert(rows.end(), boxes.begin(), boxes.end());
        EXPECT_EQ(rows, shown) << list.substr(0, 30);
    }
    // an entry without a profile is still asked for its password and ID before it goes
    testing_client::SetFixtureText("FailItems", "54=9033");
    Make("Empty", 1);
    EXPECT_EQ(boxes, Names{"Error - (9033)"});
}

// Modify hands the dialog the clicked entry and compares no cards; a click serves one action. The
// lock closes the auto-start box alone; clearing the box closes the list and its buttons.
TEST_F(StartListPage, AddAsksForACardInOtherCaseModifyDoesNotAndAutoStartOpensTheList) {
    for (int reply : {IDYES, IDNO, 0}) {  // 0: the box itself failed
        answer = reply;
        const auto page = Make("Wi-Fi;;Odd", 2);
        page->answers = {{}, {"wi-fi", "C:\\q\\new.pcf", "", ""}, {"New", "C:\\n.wcf", "", ""}};
        for (int run = 0; run < 3; ++run) Notify(page->m_hWnd, 1009, BN_CLICKED);
        EXPECT_EQ(boxes, Names{"Information - (9094)Wi-Fi"});
        const char* first = reply == IDNO ? "wi-fi new.pcf/0" : "Wi-Fi campus.WCF/0";
        EXPECT_EQ(Rows(*page), (Names{first, "Odd lab.hcf/2", "New n.wcf/0"}));
    }
    EXPECT_EQ(OpenControls(*Make("LAN", 1, 1, true)), (Open{false, true, true, false, false}));
    const auto page = Make("LAN;;Wi-Fi", 2);
    page->answers = {{"LAN", "C:\\p\\lab.pcf", "", ""}};
    ClickRow(page->m_hWnd, 1006, 1);
    for (int run = 0; run < 2; ++run) Notify(page->m_hWnd, 1011, BN_CLICKED);
    EXPECT_EQ(page->handed.at(0).card + page->handed[0].password, "Wi-FiPw~4");
    EXPECT_EQ(Rows(*page), (Names{"LAN office.pcf/1", "LAN lab.pcf/0"}));

    ClickRow(page->m_hWnd, 1006, 0);  // opens Remove and Modify, which clearing the box closes
    for (bool on : {false, true}) {
        SendDlgItemMessageA(page->m_hWnd, 1029, BM_CLICK, 0, 0);
        EXPECT_EQ(OpenControls(*page), (Open{true, on, on, false, false}));
        EXPECT_EQ(Rows(*page).size(), 2u);
    }
}

// Remove asks about the profile of the clicked entry, and only while its row is the selected one;
// afterwards Remove and Modify wait for the next click.
TEST_F(StartListPage, RemoveAsksAboutTheClickedEntryWhileItsRowIsSelected) {
    const auto page = Make("LAN;;Wi-Fi;;Odd", 3);
    const auto remove = [&](int clicked, int selected, int reply) {
        answer = reply;
        boxes.clear();
        ClickRow(page->m_hWnd, 1006, clicked);
        EXPECT_EQ(OpenControls(*page), (Open{true, true, true, true, true}));
        SelectRow(page->m_hWnd, 1006, selected);
        Notify(page->m_hWnd, 1010, BN_CLICKED);
        EXPECT_EQ(OpenControls(*page), (Open{true, true, true, false, false}));
    };
    for (int reply : {IDNO, 0}) {  // 0: the box itself failed
        remove(1, 1, reply);
        EXPECT_EQ(boxes, Names{"Information - (234)campus.WCF"});
        EXPECT_EQ(Rows(*page).size(), 3u);
    }
    remove(1, 2, IDYES);
    EXPECT_EQ(boxes, Names{}) << "the arrow keys moved the selection away";
    remove(1, 1, IDYES);
    EXPECT_EQ(Rows(*page), (Names{"LAN office.pcf/1", "Odd lab.hcf/2"}));
    Notify(page->m_hWnd, 1010, BN_CLICKED);
    EXPECT_EQ(Rows(*page).size(), 2u) << "nothing clicked since";
}

constexpr int kCards = 1030, kProfiles = 1033;

class StartEntry : public PageHost {
protected:
    std::unique_ptr<CAutoStartDlg> Make(const std::string& card = "",
                                        const std::string& path = "") {
        testing_client::SetFixtureText("Cards", "W||Air||1##D||Cable||0##S||Odd||7####X||No||0##");
        auto dialog = std::make_unique<CAutoStartDlg>(&parent);
        dialog->m_strWirelessExt = ".wcf";
        dialog->m_strWiredExt = ".pcf";
        dialog->m_strCardName = card;
        dialog->m_strProfilePath = path;
        EXPECT_TRUE(dialog->Create(CAutoStartDlg::IDD, &parent));
        dialog->ShowWindow(SW_SHOW);
        return dialog;
    }
    static void Choose(const CAutoStartDlg& dialog, int list, const char* line) {
        Notify(dialog.m_hWnd, list, CBN_DROPDOWN);
        SendDlgItemMessageA(dialog.m_hWnd, list, CB_SELECTSTRING, WPARAM(-1), LPARAM(line));
        Notify(dialog.m_hWnd, list, CBN_SELENDOK);
    }
    static bool Ok(const CAutoStartDlg& dialog) {
        Notify(dialog.m_hWnd, ID_MENU_AUTO_START_OK, BN_CLICKED);
        return !IsWindowVisible(dialog.m_hWnd);
    }

    EmptyProfileFolders folders;
};

// Profiles wait for a card, and only the kind's extension counts, in any case; a name in both
// folders is the common file. A wired card then drops the wireless profile and the list, so OK
// finds none; a card of neither kind clears card and profile, so OK finds no card.
TEST_F(StartEntry, ProfilesOfTheCardsKindTheCommonOneWinningUntilTheKindChanges) {
    for (const char* name : {"A.WCF", "both.wcf", "c.wcfx", "d.pcf"})
        Put(folders.user, name, "[Profile]\r\n");
    Put(folders.common, "both.wcf", "[Profile]\r\n");
    const auto dialog = Make();
    const HWND d = dialog->m_hWnd;
    Notify(d, kProfiles, CBN_DROPDOWN);
    EXPECT_TRUE(Lines(d, kProfiles).empty());
    Choose(*dialog, kCards, "(Wireless)Air");
    Choose(*dialog, kProfiles, "both.wcf");
    EXPECT_EQ(Lines(d, kProfiles), (Names{"A.WCF", "both.wcf", "both.wcf"}));
    EXPECT_EQ(dialog->m_strProfilePath, folders.common + "\\both.wcf");
    Choose(*dialog, kCards, "(Wire)Cable");
    EXPECT_EQ(Text(d, kProfiles), "");
    EXPECT_EQ(Lines(d, kProfiles), Names{}) << "the arrow keys on it find no wireless profile";
    EXPECT_FALSE(Ok(*dialog));
    Choose(*dialog, kProfiles, "d.pcf");
    Choose(*dialog, kCards, "(?] Odd");
    EXPECT_EQ(Lines(d, kCards), (Names{"(?] Odd", "(Wire)Cable", "(Wireless)Air"}));
    EXPECT_EQ(Text(d, kProfiles) + dialog->m_strCardName, "");
    EXPECT_FALSE(Ok(*dialog));
    EXPECT_EQ(boxTitles,
              (Names{"Error - (8028)", "Error - (8020)", "Error - (8026)", "Error - (8019)"}));
}

// The ID and password are asked for, and required, only when the profile needs them; a profile
// the client cannot read leaves the entry's earlier one.
TEST_F(StartEntry, TheProfileReadDecidesTheCredentials) {
    Put(folders.common, "open.pcf", "[Profile]\r\n");
    Put(folders.common, "closed.pcf", "[Profile]\r\nCredentials=1\r\n");
    Put(folders.common, "bad.pcf", "not a profile");
    const struct {
        const char *profile, *path;
        bool shown, ended;
        Names boxes;
    } cases[] = {{"open.pcf", "open.pcf", false, true, {}},
                 {"closed.pcf", "closed.pcf", true, false, {"Error - (8021)"}},
                 {"bad.pcf", "old.pcf", true, false, {"Error - (8027)", "Error - (8020)"}}};
    for (const auto& c : cases) {
        boxTitles.clear();
        const auto dialog = Make("Cable", folders.common + "\\old.pcf");
        Choose(*dialog, kProfiles, c.profile);
        for (int id : {1036, 1040, 1038, 1041})
            EXPECT_EQ(IsWindowVisible(GetDlgItem(dialog->m_hWnd, id)) != 0, c.shown) << id;
        EXPECT_EQ(dialog->m_strProfilePath, folders.common + "\\" + c.path);
        EXPECT_EQ(Text(dialog->m_hWnd, kProfiles), c.path == std::string(c.profile) ? c.path : "");
        EXPECT_EQ(Ok(*dialog), c.ended);
        EXPECT_EQ(boxTitles, c.boxes) << c.profile;
    }
}

// An entry's profile extension gives it its kind, else it opens empty; a wide name is kept whole.
TEST_F(StartEntry, AnExistingEntryOpensByItsProfilesExtension) {
    const std::string card = "Intel(R) Wi-Fi 6 AX201 160MHz, a name wider than the card field";
    const struct {
        const char *path, *prefix, *profile;
    } cases[] = {{"C:\\P\\x.WCF", "(Wireless)", "x.WCF"},
                 {"C:\\P\\y.pcf", "(Wire)", "y.pcf"},
                 {"C:\\P\\a/z.pcf", "(Wire)", "a/z.pcf"},  // the name starts after a backslash
                 {"C:\\P.wcf\\z.txt", nullptr, ""}};
    for (const auto& c : cases) {
        const auto dialog = Make(card, c.path);
        EXPECT_EQ(Text(dialog->m_hWnd, kCards), c.prefix ? c.prefix + card : "") << c.path;
        EXPECT_EQ(Text(dialog->m_hWnd, kProfiles), c.profile) << c.path;
        EXPECT_EQ(dialog->m_strCardName + dialog->m_strProfilePath, c.prefix ? card + c.path : "");
    }
}

// The press, moved 30 to the right and 20 down and let go, drags the whole window.
TEST_F(StartEntry, APressOnTheBackgroundDragsTheWindow) {
    const auto dialog = Make();
    RECT before = {}, after = {};
    GetWindowRect(dialog->m_hWnd, &before);
    SetCursorPos(before.left + 10, before.top + 10);
    dialog->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SetCursorPos(before.left + 40, before.top + 30);
    dialog->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 30));
    dialog->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(40, 30));
    for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&msg);
    GetWindowRect(dialog->m_hWnd, &after);
    EXPECT_EQ(after.left - before.left, 30);
    EXPECT_EQ(after.top - before.top, 20);
}

}  // namespace
