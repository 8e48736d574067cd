// The default card page against the simulated client: the cards it lists and the NDIS names
// beside them, the preselection from the user's own values, the lists refilled when opened, the
// checkboxes, the lock and a failed enumeration.
#include "app/file_content.h"
#include "pages/page3_dlg.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace templates;
using testing_client::SetFixtureText;
using Names = std::vector<std::string>;

constexpr const char kUserKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\OvaSettings";
constexpr int kWirelessBox = 1021, kWiredBox = 1022, kWirelessList = 1014, kWiredList = 1015;

int Selected(HWND page, int list) {
    return static_cast<int>(SendDlgItemMessageA(page, list, CB_GETCURSEL, 0, 0));
}

class DefaultCardPage : public PageHost {
protected:
    void SetUp() override {
        PageHost::SetUp();
        SetUserValues(std::nullopt, std::nullopt);
    }
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

    testing_client::ScopedClient client{1};
};

// Flag "1" is wireless and "0" wired; any other flag lists the card nowhere, and a card without
// names is still a card.
TEST_F(DefaultCardPage, CardsLandInTheListOfTheirKindInEnumerationOrder) {
    SetFixtureText("Cards",
                   "W1||Air One||1##D1||Cable One||0##S||Seven||7##W2||Air Two||1##||||0##");
    const auto page = Make();
    EXPECT_EQ(Lines(page->m_hWnd, kWirelessList), (Names{"Air One", "Air Two"}));
    EXPECT_EQ(Lines(page->m_hWnd, kWiredList), (Names{"Cable One", ""}));
    EXPECT_EQ(page->m_strWirelessNdis[0] + "/" + page->m_strWirelessNdis[1], "W1/W2");
    EXPECT_EQ(page->m_strWiredNdis[0] + "/" + page->m_strWiredNdis[1], "D1/");
    EXPECT_EQ(page->IsNetworkCard(CPage3Dlg::kWiredList), 1);
    SetFixtureText("Cards", "");
    EXPECT_EQ(page->IsNetworkCard(CPage3Dlg::kWiredList), 0);
    EXPECT_TRUE(boxTitles.empty());
}

// The search starts at the second entry, so of two entries that both begin with the stored text
// the second is shown. The names the store hands in tick the boxes and nothing more.
TEST_F(DefaultCardPage, ListsShowTheUsersOwnValuesWhateverTheStoreHandsIn) {
    SetFixtureText("Cards", "A||Intel Wi-Fi A||1##B||Intel Wi-Fi B||1##C||Realtek GbE||0##");
    const struct {
        std::optional<std::string> wirelessBase;
        int shown;
        const char* name;
    } cases[] = {{"intel wi", 1, "Intel Wi-Fi B"},
                 {"Intel Wi-Fi A", 0, "Intel Wi-Fi A"},
                 {"Broadcom", -1, ""},
                 {std::nullopt, -1, ""}};
    for (const auto& c : cases) {
        SetUserValues(c.wirelessBase, "Realtek");
        const auto page = Make(false, "Qualcomm Atheros", "Realtek GbE");
        EXPECT_TRUE(Ticked(page->m_hWnd, kWirelessBox));
        EXPECT_EQ(Selected(page->m_hWnd, kWirelessList), c.shown) << c.name;
        EXPECT_EQ(page->m_strDefaultWirelessCard, c.name);
        EXPECT_EQ(page->m_nWirelessSel, c.shown < 0 ? 0 : c.shown) << c.name;
        EXPECT_EQ(page->m_strDefaultWiredCard, "Realtek GbE");
        EXPECT_EQ(page->m_strWiredNdis[page->m_nWiredSel], "C");
    }
}

// Cards come and go while the editor runs: the list opened shows them, the other one is left.
TEST_F(DefaultCardPage, OpeningTheWirelessListRefillsItAloneWithTheCardsPresentNow) {
    SetFixtureText("Cards", "A||Old Air||1##C||Cable||0##");
    SetUserValues("Old", "Cable");
    const auto page = Make(false, "Old Air", "Cable");
    const HWND p = page->m_hWnd;
    SetFixtureText("Cards", "N||New Air||1##M||Newer Air||1##E||Other Cable||0##");

    Notify(p, kWirelessList, CBN_DROPDOWN);
    EXPECT_EQ(Lines(p, kWirelessList), (Names{"New Air", "Newer Air"}));
    EXPECT_EQ(Selected(p, kWirelessList), -1);
    EXPECT_EQ(Lines(p, kWiredList), Names{"Cable"});
    EXPECT_EQ(Selected(p, kWiredList), 0);

    SendDlgItemMessageA(p, kWirelessList, CB_SETCURSEL, 1, 0);
    Notify(p, kWirelessList, CBN_SELENDOK);
    EXPECT_EQ(page->m_nWirelessSel, 1);
    EXPECT_EQ(page->m_strDefaultWirelessCard, "Newer Air");
    EXPECT_EQ(page->m_strWirelessNdis[page->m_nWirelessSel], "M");
    EXPECT_TRUE(boxTitles.empty());
}

// Switching a default off keeps its card chosen, ready for switching it on again; a locked page
// is filled and preselected all the same.
TEST_F(DefaultCardPage, BoxesEnableTheirListsUnlessLockedAndClearingOneKeepsItsSelection) {
    SetFixtureText("Cards", "A||Air||1##C||Cable||0##");
    SetUserValues("Air", "Cable");
    const auto locked = Make(true, "Air", "Cable");
    for (int id : {kWirelessBox, kWiredBox, kWirelessList, kWiredList})
        EXPECT_FALSE(Enabled(locked->m_hWnd, id)) << id;
    EXPECT_EQ(Selected(locked->m_hWnd, kWirelessList), 0);
    EXPECT_EQ(Selected(locked->m_hWnd, kWiredList), 0);

    const auto page = Make();
    const HWND p = page->m_hWnd;
    EXPECT_FALSE(Enabled(p, kWirelessList));
    for (UINT check : {BST_CHECKED, BST_UNCHECKED}) {
        CheckDlgButton(p, kWirelessBox, check);
        Notify(p, kWirelessBox, BN_CLICKED);
        EXPECT_EQ(Enabled(p, kWirelessList), check == BST_CHECKED);
        EXPECT_EQ(page->m_bDefaultWireless, static_cast<int>(check));
        EXPECT_EQ(Selected(p, kWirelessList), 0);
        EXPECT_FALSE(Enabled(p, kWiredList));
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

// Twelve wireless and eleven wired cards are all offered; a list left from an enumeration that
// found more cards than the next reads an empty NDIS name, never past its table.
TEST_F(DefaultCardPage, MoreThanTenCardsOfAKindAreAllListedWithTheirNdisNames) {
    std::string cards;
    for (int i = 0; i < 12; ++i) {
        const std::string n = std::to_string(i);
        cards += "W" + n + "||Air " + n + "||1##";
        if (i < 11) cards += "D" + n + "||Cable " + n + "||0##";
    }
    SetFixtureText("Cards", cards);
    SetUserValues("Air 11", "Cable 10");
    const auto page = Make(false, "Air 11", "Cable 10");
    EXPECT_EQ(Lines(page->m_hWnd, kWirelessList).size(), 12u);
    EXPECT_EQ(Lines(page->m_hWnd, kWiredList).size(), 11u);
    EXPECT_EQ(page->m_strWirelessNdis[page->m_nWirelessSel], "W11");
    EXPECT_EQ(page->m_strWiredNdis[page->m_nWiredSel], "D10");

    SetFixtureText("Cards", "W0||Air 0||1##D0||Cable 0||0##");
    Notify(page->m_hWnd, kWiredList, CBN_DROPDOWN);
    EXPECT_EQ(page->m_nWirelessSel, 11);
    EXPECT_EQ(page->m_strWirelessNdis[page->m_nWirelessSel], "");
}

// The longest name the store takes (1024) and the shortest it refuses (1025) come back whole.
TEST_F(DefaultCardPage, ACardNameOfAnyLengthIsHandedBackWholeWhenChosen) {
    for (size_t length : {1024u, 1025u, 4000u}) {
        const std::string name(length, 'W');
        SetFixtureText("Cards", "N||" + name + "||1##");
        const auto page = Make();
        Notify(page->m_hWnd, kWirelessList, CBN_DROPDOWN);
        SendDlgItemMessageA(page->m_hWnd, kWirelessList, CB_SETCURSEL, 0, 0);
        Notify(page->m_hWnd, kWirelessList, CBN_SELENDOK);
        EXPECT_EQ(page->m_strDefaultWirelessCard, name) << length;
        EXPECT_EQ(Lines(page->m_hWnd, kWirelessList), Names{name});
    }
}

// A value of any length is read without writing past the page's 260 bytes; the key is made when
// missing (the first read finds neither key nor value), and a missing value leaves the buffer.
TEST_F(DefaultCardPage, UserSettingIsCutToTheBufferAndItsKeyIsCreated) {
    constexpr const char kKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\UserSettingTest";
    RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
    for (size_t length : {0u, 12u, 259u, 260u, 700u}) {
        struct {
            char before[8], text[260], after[8];
        } buffer;
        std::memset(&buffer, 'G', sizeof buffer);
        std::memset(buffer.text, 0, sizeof buffer.text);
        std::strcpy(buffer.text, "kept");
        if (length) SetText(HKEY_CURRENT_USER, kKey, "Value", std::string(length, 'v'));
        EXPECT_TRUE(CPage3Dlg::ReadUserSetting(kKey, "Value", buffer.text));
        EXPECT_EQ(std::string(buffer.text),
                  length ? std::string(std::min<size_t>(length, 259), 'v') : "kept");
        EXPECT_EQ(std::string(buffer.before, 8) + std::string(buffer.after, 8),
                  std::string(16, 'G'));
    }
    HKEY made = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &made), ERROR_SUCCESS);
    RegCloseKey(made);
    RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
}

}  // namespace
