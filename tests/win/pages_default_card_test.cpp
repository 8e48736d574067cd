// The default card page against the simulated client: the cards it lists and the NDIS names
// beside them, the preselection from the user's own values, the lists refilled when opened, the
// checkboxes, the lock and a failed enumeration.
#include "app/file_content.h"
#include "app/message_box.h"
#include "app/ovasettings_app.h"
#include "pages/page3_dlg.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using testing_client::SetFixtureDword;
using testing_client::SetFixtureText;

constexpr const char kUserKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\OvaSettings";
constexpr int kWirelessList = 1014, kWiredList = 1015;

std::vector<std::string> Lines(const CWnd& page, int list) {
    HWND combo = GetDlgItem(page.m_hWnd, list);
    std::vector<std::string> lines;
    for (int i = 0; i < SendMessageA(combo, CB_GETCOUNT, 0, 0); ++i) {
        char line[256] = {};
        SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(line));
        lines.push_back(line);
    }
    return lines;
}

int Selected(const CWnd& page, int list) {
    return static_cast<int>(SendMessageA(GetDlgItem(page.m_hWnd, list), CB_GETCURSEL, 0, 0));
}

bool Enabled(const CWnd& page, int id) {
    return IsWindowEnabled(GetDlgItem(page.m_hWnd, id)) != FALSE;
}

// What the control sends its parent when the user acts on it.
void Notify(CWnd& page, int id, int code) {
    page.SendMessage(WM_COMMAND, MAKEWPARAM(id, code),
                     reinterpret_cast<LPARAM>(GetDlgItem(page.m_hWnd, id)));
}

class DefaultCardPage : public templates::PageHost {
protected:
    void SetUp() override {
        PageHost::SetUp();
        app.m_hClient = QTV_CLI_initialize();
        ASSERT_NE(app.m_hClient, 0u);
        SetMessageBoxRecorder([this](HWND, const std::string&, const std::string& title, UINT) {
            titles.push_back(title);
            return IDOK;
        });
        ForgetUserValues();
    }
    void TearDown() override {
        ForgetUserValues();
        SetMessageBoxRecorder(nullptr);
        QTV_CLI_terminate(app.m_hClient);
        PageHost::TearDown();
    }
    static void ForgetUserValues() {
        for (const char* name : {"Wireless Base", "Wire Base"})
            RegDeleteKeyValueA(HKEY_CURRENT_USER, kUserKey, name);
    }
    static void SetUserValue(const char* name, const std::string& text) {
        RegSetKeyValueA(HKEY_CURRENT_USER, kUserKey, name, REG_SZ, text.c_str(),
                        static_cast<DWORD>(text.size() + 1));
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
        if (!page->Create(CPage3Dlg::IDD, &parent)) return nullptr;
        return page;
    }

    testing_client::ScopedClient client{1};
    COvaSettingsApp app;
    std::vector<std::string> titles;
};

using Names = std::vector<std::string>;

// Flag "1" is wireless and "0" wired; any other flag lists the card nowhere, and a card without
// names is still a card.
TEST_F(DefaultCardPage, CardsLandInTheListOfTheirKindInEnumerationOrder) {
    SetFixtureText("Cards",
                   "W1||Air One||1##D1||Cable One||0##S||Seven||7##W2||Air Two||1##"
                   "||||0##");
    const auto page = Make();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(Lines(*page, kWirelessList), (Names{"Air One", "Air Two"}));
    EXPECT_EQ(Lines(*page, kWiredList), (Names{"Cable One", ""}));
    EXPECT_EQ(page->m_strWirelessNdis[0] + "/" + page->m_strWirelessNdis[1], "W1/W2");
    EXPECT_EQ(page->m_strWiredNdis[0] + "/" + page->m_strWiredNdis[1], "D1/");
    EXPECT_EQ(page->IsNetworkCard(CPage3Dlg::kWiredList), 1);
    SetFixtureText("Cards", "");
    EXPECT_EQ(page->IsNetworkCard(CPage3Dlg::kWiredList), 0);
    EXPECT_TRUE(titles.empty());
}

// The search starts at the second entry, so of two entries that both begin with the stored text
// the second is shown. The names the store hands in tick the boxes and nothing more.
TEST_F(DefaultCardPage, ListsShowTheUsersOwnValuesWhateverTheStoreHandsIn) {
    SetFixtureText("Cards", "A||Intel Wi-Fi A||1##B||Intel Wi-Fi B||1##C||Realtek GbE||0##");
    const struct {
        const char* wirelessBase;  // null: not stored
        int shown;
        const char* name;
    } cases[] = {{"intel wi", 1, "Intel Wi-Fi B"},
                 {"Intel Wi-Fi A", 0, "Intel Wi-Fi A"},
                 {"Broadcom", -1, ""},
                 {nullptr, -1, ""}};
    for (const auto& c : cases) {
        ForgetUserValues();
        if (c.wirelessBase) SetUserValue("Wireless Base", c.wirelessBase);
        SetUserValue("Wire Base", "Realtek");
        const auto page = Make(false, "Qualcomm Atheros", "Realtek GbE");
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->IsDlgButtonChecked(1021), 1u);
        EXPECT_EQ(Selected(*page, kWirelessList), c.shown) << c.name;
        EXPECT_EQ(page->m_strDefaultWirelessCard, c.name);
        EXPECT_EQ(page->m_nWirelessSel, c.shown < 0 ? 0 : c.shown) << c.name;
        EXPECT_EQ(page->m_strDefaultWiredCard, "Realtek GbE");
        EXPECT_EQ(page->m_strWiredNdis[page->m_nWiredSel], "C");
    }
}

// Cards come and go while the editor runs: the list opened shows them, the other one is left.
TEST_F(DefaultCardPage, OpeningTheWirelessListRefillsItAloneWithTheCardsPresentNow) {
    SetFixtureText("Cards", "A||Old Air||1##C||Cable||0##");
    SetUserValue("Wireless Base", "Old");
    SetUserValue("Wire Base", "Cable");
    const auto page = Make(false, "Old Air", "Cable");
    ASSERT_NE(page, nullptr);
    SetFixtureText("Cards", "N||New Air||1##M||Newer Air||1##E||Other Cable||0##");

    Notify(*page, kWirelessList, CBN_DROPDOWN);
    EXPECT_EQ(Lines(*page, kWirelessList), (Names{"New Air", "Newer Air"}));
    EXPECT_EQ(Selected(*page, kWirelessList), -1);
    EXPECT_EQ(Lines(*page, kWiredList), Names{"Cable"});
    EXPECT_EQ(Selected(*page, kWiredList), 0);

    SendMessageA(GetDlgItem(page->m_hWnd, kWirelessList), CB_SETCURSEL, 1, 0);
    Notify(*page, kWirelessList, CBN_SELENDOK);
    EXPECT_EQ(page->m_nWirelessSel, 1);
    EXPECT_EQ(page->m_strDefaultWirelessCard, "Newer Air");
    EXPECT_EQ(page->m_strWirelessNdis[page->m_nWirelessSel], "M");
    EXPECT_TRUE(titles.empty());
}

TEST_F(DefaultCardPage, LockedPageIsFilledAndPreselectedWithAllFourControlsDisabled) {
    SetFixtureText("Cards", "A||Air||1##C||Cable||0##");
    SetUserValue("Wireless Base", "Air");
    SetUserValue("Wire Base", "Cable");
    const auto page = Make(true, "Air", "Cable");
    ASSERT_NE(page, nullptr);
    for (int id : {1021, 1022, 1014, 1015}) EXPECT_FALSE(Enabled(*page, id)) << id;
    EXPECT_EQ(Selected(*page, kWirelessList), 0);
    EXPECT_EQ(Selected(*page, kWiredList), 0);
}

// Switching a default off keeps its card chosen, ready for switching it on again.
TEST_F(DefaultCardPage, TickingTheBoxEnablesItsListAndClearingItKeepsTheSelection) {
    SetFixtureText("Cards", "A||Air||1##C||Cable||0##");
    SetUserValue("Wireless Base", "Air");
    SetUserValue("Wire Base", "Cable");
    const auto page = Make();
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(Enabled(*page, kWirelessList));
    for (UINT check : {BST_CHECKED, BST_UNCHECKED}) {
        page->CheckDlgButton(1021, check);
        Notify(*page, 1021, BN_CLICKED);
        EXPECT_EQ(Enabled(*page, kWirelessList), check == BST_CHECKED);
        EXPECT_EQ(page->m_bDefaultWireless, static_cast<int>(check));
        EXPECT_EQ(Selected(*page, kWirelessList), 0);
        EXPECT_FALSE(Enabled(*page, kWiredList));
    }
}

TEST_F(DefaultCardPage, FailedEnumerationIsLoggedAndShows8041) {
    char appData[MAX_PATH] = {};
    SHGetSpecialFolderPathA(nullptr, appData, CSIDL_APPDATA, FALSE);
    CreateDirectoryA((std::string(appData) + "\\Ovanta").c_str(), nullptr);
    const std::string log = std::string(appData) + "\\Ovanta\\OvaSettings.log";
    DeleteFileA(log.c_str());
    SetFixtureText("Cards", "A||Air||1##");
    SetFixtureDword("EnumCardResult", 7);

    const auto page = Make();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(titles, Names{"Error - (8041)"});
    EXPECT_TRUE(Lines(*page, kWirelessList).empty());
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
    SetUserValue("Wireless Base", "Air 11");
    SetUserValue("Wire Base", "Cable 10");
    const auto page = Make(false, "Air 11", "Cable 10");
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(Lines(*page, kWirelessList).size(), 12u);
    EXPECT_EQ(Lines(*page, kWiredList).size(), 11u);
    EXPECT_EQ(page->m_strWirelessNdis[page->m_nWirelessSel], "W11");
    EXPECT_EQ(page->m_strWiredNdis[page->m_nWiredSel], "D10");

    SetFixtureText("Cards", "W0||Air 0||1##D0||Cable 0||0##");
    Notify(*page, kWiredList, CBN_DROPDOWN);
    EXPECT_EQ(page->m_nWirelessSel, 11);
    EXPECT_EQ(page->m_strWirelessNdis[page->m_nWirelessSel], "");
}

// A value of any length is read without writing past the page's 260 bytes; the key is made when
// missing, and a missing value leaves the buffer as it was.
TEST_F(DefaultCardPage, UserSettingIsCutToTheBufferAndItsKeyIsCreated) {
    constexpr const char kKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\UserSettingTest";
    RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
    struct Guarded {
        char before[8];
        char text[260];
        char after[8];
    };
    // the first read finds neither key nor value
    for (size_t length : {0u, 12u, 259u, 260u, 700u}) {
        Guarded buffer;
        std::memset(&buffer, 'G', sizeof buffer);
        std::memset(buffer.text, 0, sizeof buffer.text);
        std::strcpy(buffer.text, "kept");
        if (length) {
            RegSetKeyValueA(HKEY_CURRENT_USER, kKey, "Value", REG_SZ,
                            std::string(length, 'v').c_str(), static_cast<DWORD>(length + 1));
        }
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
