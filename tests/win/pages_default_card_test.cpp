// The default card page against the simulated client: the cards it lists and the NDIS names
// beside them, the preselection from the user's own values, the lists refilled when opened, the
// checkboxes, the lock and a failed enumeration.
#include "app/file_content.h"
#include "pages/page3_dlg.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"

#include <algorithm>

namespace {

using namespace templates;
using testing_client::SetFixtureText;

constexpr const char kUserKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\OvaSettings";
constexpr int kWirelessBox = 1021, kWiredBox = 1022, kWirelessList = 1014, kWiredList = 1015;

int Selected(HWND page, int list) {
    return static_cast<int>(SendDlgItemMessageA(page, list, CB_GETCURSEL, 0, 0));
}

class DefaultCardPage : public PageHost {
protected:
    void TearDown() override {
        SetUserValues(std::nullopt, std::nullopt);
        PageHost::TearDown();
    }
    static void SetUserValues(const std::optional<std::string>& wireless,
                              const std::optional<std::string>& wired) {
        SetText(HKEY_CURRENT_USER, kUserKey, "Wireless Base", wireless);
        SetText(HKEY_CURRENT_USER, kUserKey, "Wire Base", wired);
    }
    // The page as the main dialog makes it, with the names it hands in from the store.
    std::unique_ptr<CPage3Dlg> Make(bool locked = false, const std::string& wireless = "",
                                    const std::string& wired = "") {
        auto page = std::make_unique<CPage3Dlg>();
        page->SetInterfaceTexts(std::vector<std::string>{"221", "222"}.data());
        page->m_bLocked = locked;
        page->m_strDefaultWirelessCard = wireless;
        page->m_bDefaultWireless = wireless.empty() ? 0 : 1;
        page->m_strDefaultWiredCard = wired;
        page->m_bDefaultWired = wired.empty() ? 0 : 1;
        EXPECT_TRUE(page->Create(CPage3Dlg::IDD, &parent));
        return page;
    }
};

// The search starts at the second entry, so of two entries that both begin with the stored text
// the second is shown. The names the store hands in tick the boxes and nothing more; a locked page
// is filled and preselected all the same. Switching a default off keeps its card chosen, ready for
// switching it on again.
TEST_F(DefaultCardPage, ListsShowTheUsersOwnValuesAndTheBoxesOpenThemUnlessLocked) {
    SetFixtureText("Cards", "A||Intel Wi-Fi A||1##B||Intel Wi-Fi B||1##C||Realtek GbE||0##");
    const struct {
        std::optional<std::string> wirelessBase;
        int shown;
        const char* name;
        bool locked;
    } cases[] = {{"Intel Wi-Fi A", 0, "Intel Wi-Fi A", false},
                 {"Broadcom", -1, "", false},
                 {std::nullopt, -1, "", false},
                 {"intel wi", 1, "Intel Wi-Fi B", true}};
    for (const auto& c : cases) {
        SetUserValues(c.wirelessBase, "Realtek");
        const auto page = Make(c.locked, "Qualcomm Atheros", "Realtek GbE");
        EXPECT_TRUE(Ticked(page->m_hWnd, kWirelessBox));
        EXPECT_EQ(Selected(page->m_hWnd, kWirelessList), c.shown) << c.name;
        EXPECT_EQ(page->m_strDefaultWirelessCard, c.name);
        EXPECT_EQ(page->m_nWirelessSel, c.shown < 0 ? 0 : c.shown) << c.name;
        EXPECT_EQ(page->m_strDefaultWiredCard, "Realtek GbE");
        EXPECT_EQ(page->m_strWiredNdis[page->m_nWiredSel], "C");
        for (int id : {kWirelessBox, kWiredBox, kWirelessList, kWiredList})
            EXPECT_EQ(Enabled(page->m_hWnd, id), !c.locked) << id;
    }

    const auto page = Make();  // nothing handed in, "intel wi" stored
    const HWND p = page->m_hWnd;
    for (int ticked : {1, 0}) {
        SendDlgItemMessageA(p, kWirelessBox, BM_CLICK, 0, 0);
        EXPECT_EQ(Enabled(p, kWirelessList), ticked == 1);
        EXPECT_EQ(page->m_bDefaultWireless, ticked);
        EXPECT_EQ(Selected(p, kWirelessList), 1);
    }
}

TEST_F(DefaultCardPage, FailedEnumerationIsLoggedAndShows8041) {
    const std::string log = EmptyLog();
    SetFixtureText("Cards", "A||Air||1##");
    testing_client::SetFixtureDword("EnumCardResult", 7);
    const auto page = Make();
    EXPECT_EQ(boxTitles, Names{"Error - (8041)"});
    EXPECT_TRUE(Lines(page->m_hWnd, kWirelessList).empty());
    EXPECT_NE(ReadFileContent(log).value_or("").find(
                  " CPage3Dlg::IsNetworkCard() : QTV_CLI_enum_card() is failed. nResult = 7, "
                  "error = The network cards could not be enumerated.\r\n"),
              std::string::npos);
}

// Flag "1" is wireless and "0" wired, every card in enumeration order however many; any other flag
// lists the card nowhere, and a card without names is still a card. Cards come and go while the
// editor runs: the list opened shows those present now, a name of any length whole (Wine's ANSI
// line messages hold 512 characters); the other list keeps its lines and its selection, whose NDIS
// name is then empty, never read past the rebuilt table.
TEST_F(DefaultCardPage, CardsLandInTheirKindsListAndOpeningOneRefillsItWithTheCardsPresentNow) {
    std::string cards = "S||Seven||7##";
    Names wireless, wired;
    for (int i = 0; i < 12; ++i) {
        const std::string n = std::to_string(i);
        cards += "W" + n + "||Air " + n + "||1##";
        wireless.push_back("Air " + n);
        if (i < 11) cards += "D" + n + "||Cable " + n + "||0##", wired.push_back("Cable " + n);
    }
    wired.push_back("");
    SetFixtureText("Cards", cards + "||||0##");
    SetUserValues("Air 11", "Cable 10");
    const auto page = Make(false, "Air 11", "Cable 10");
    const HWND p = page->m_hWnd;
    EXPECT_EQ(Lines(p, kWirelessList), wireless);
    EXPECT_EQ(Lines(p, kWiredList), wired);
    EXPECT_EQ(page->m_strWirelessNdis[page->m_nWirelessSel], "W11");
    EXPECT_EQ(page->m_strWiredNdis[page->m_nWiredSel], "D10");

    const std::string wide(4000, 'W');
    SetFixtureText("Cards", "N||New Air||1##M||" + wide + "||1##E||Other Cable||0##");
    Notify(p, kWirelessList, CBN_DROPDOWN);
    EXPECT_EQ(Lines(p, kWirelessList), (Names{"New Air", wide}));
    EXPECT_EQ(Selected(p, kWirelessList), -1);
    EXPECT_EQ(Lines(p, kWiredList), wired);
    EXPECT_EQ(Selected(p, kWiredList), 10);
    EXPECT_EQ(page->m_strWiredNdis[page->m_nWiredSel], "");

    Choose(p, kWirelessList, 1);
    EXPECT_EQ(page->m_strDefaultWirelessCard, wide);
    EXPECT_EQ(page->m_strWirelessNdis[page->m_nWirelessSel], "M");
    EXPECT_EQ(page->IsNetworkCard(CPage3Dlg::kWiredList), 1);
    SetFixtureText("Cards", "");
    EXPECT_EQ(page->IsNetworkCard(CPage3Dlg::kWiredList), 0);
    EXPECT_TRUE(boxTitles.empty());
}

// A value of any length is read without writing past the page's 260 bytes, cut between whole
// characters ("\xC7\xD1" is one of code page 949); the key is made when missing (the first read
// finds neither key nor value), and a missing value leaves the buffer.
TEST_F(DefaultCardPage, UserSettingIsCutToTheBufferAndItsKeyIsCreated) {
    constexpr const char kKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\UserSettingTest";
    RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
    const std::string v12(12, 'v'), v258(258, 'v');
    const std::pair<std::string, std::string> cases[] = {{"", "kept"},
                                                         {v12, v12},
                                                         {v258 + "v", v258 + "v"},
                                                         {v258 + "vv", v258 + "v"},
                                                         {v258 + v258, v258 + "v"},
                                                         {v258 + "\xC7\xD1", v258}};
    for (const auto& [stored, read] : cases) {
        Destination buffer("kept");
        if (!stored.empty()) SetText(HKEY_CURRENT_USER, kKey, "Value", stored);
        EXPECT_TRUE(CPage3Dlg::ReadUserSetting(kKey, "Value", buffer.text));
        EXPECT_EQ(std::string(buffer.text), read) << stored.size();
        EXPECT_TRUE(buffer.GuardsIntact()) << stored.size();
        EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, kKey), ERROR_SUCCESS) << "the key was there";
    }
}

}  // namespace
