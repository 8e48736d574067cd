// The wired/wireless switch page against the client's service key, the card list and the
// profile catalogue: what it offers, selects and enables for each stored state.
#include "app/ovasettings_app.h"
#include "pages/page8_dlg.h"
#include "sim/common/sim_state.h"
#include "store/nics_info.h"
#include "store/profile_catalogue.h"
#include "store/registry_schema.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

using templates::MakePage;

const templates::Texts kTexts = {"252", "253", "254", "255", "256", "257"};

class SwitchPage : public templates::PageHost {
protected:
    // The list and the catalogue are made once for the program, from these cards and profiles.
    static void SetUpTestSuite() {
        testing_client::ClearFixtures();
        testing_client::SetLanguage(1);
        testing_client::SetFixtureText("Cards",
                                       "n1||Zeta LAN||0##n2||Wifi One||1##n3||Alpha LAN||0##");
        for (const char* name : {"zulu.pcf", "alpha.pcf", "mid.wcf"}) {
            const std::string path = GetProfileFolder() + "\\" + name;
            CloseHandle(
                CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        }
        MakeProcessNicsInfo();
        MakeProcessProfilesInfo();
    }
    static void TearDownTestSuite() {
        for (const char* name : {"zulu.pcf", "alpha.pcf", "mid.wcf"})
            DeleteFileA((GetProfileFolder() + "\\" + name).c_str());
        testing_client::ClearFixtures();
    }
    void SetUp() override {
        PageHost::SetUp();
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, schema::kOvaSvcKey);
        app.m_hClient = QTV_CLI_initialize();  // the handle the registry reads go through
    }
    void TearDown() override {
        QTV_CLI_terminate(app.m_hClient);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, schema::kOvaSvcKey);
        PageHost::TearDown();
    }

    // The service key with switching AUTO_SWITCH, notice NOTICE and every other value stored.
    static void Store(DWORD autoSwitch, DWORD notice) {
        sim::RegKey key;
        key.Create(HKEY_LOCAL_MACHINE, schema::kOvaSvcKey, KEY_SET_VALUE);
        for (auto [name, value] : {std::pair{schema::kWireWirelessAutoSwitch, autoSwitch},
                                   std::pair{schema::kUserNotice, notice}})
            RegSetValueExA(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                           sizeof value);
        const std::string wired = GetProfileFolder() + "\\alpha.pcf";
        for (auto [name, text] : {std::pair{schema::kWireProfile, wired.c_str()},
                                  std::pair{schema::kWirelessProfile, "C:\\gone\\mid.wcf"},
                                  std::pair{schema::kWireCard, "Zeta LAN"},
                                  std::pair{schema::kWirelessCard, "Wifi One"}})
            RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                           static_cast<DWORD>(std::strlen(text) + 1));
    }

    static std::vector<std::string> Entries(HWND page, int id) {
        std::vector<std::string> entries;
        HWND list = GetDlgItem(page, id);
        for (int i = 0; i < SendMessageA(list, CB_GETCOUNT, 0, 0); ++i) {
            char text[260] = {};
            SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            entries.push_back(text);
        }
        return entries;
    }
    static std::string Selected(HWND page, int id) {
        char text[260] = {};
        GetDlgItemTextA(page, id, text, sizeof text);
        return text;
    }
    static bool Enabled(HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != 0; }

    COvaSettingsApp app;
};

TEST_F(SwitchPage, AFreshClientShows8091WithEmptyListsAndEveryControlEnabled) {
    auto page = MakePage<CPage8Dlg>(kTexts, false, &parent);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(boxTitles, (std::vector<std::string>{"Error - (8091)"}));
    for (int id : {1066, 1067, 1068, 1069, 1070, 1071})
        EXPECT_TRUE(Enabled(page->m_hWnd, id)) << id;
    for (int id : {1068, 1069, 1070, 1071}) EXPECT_TRUE(Entries(page->m_hWnd, id).empty()) << id;

    // with the five values but no notice, the notice's own message, and again nothing offered
    Store(1, 1);
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, schema::kOvaSvcKey, schema::kUserNotice);
    boxTitles.clear();
    page = MakePage<CPage8Dlg>(kTexts, false, &parent);
    EXPECT_EQ(boxTitles, (std::vector<std::string>{"Error - (8092)"}));
    EXPECT_TRUE(Entries(page->m_hWnd, 1070).empty());
}

TEST_F(SwitchPage, SwitchingOnSelectsTheStoredChoicesAndOffFillsButDisablesTheLists) {
    struct Case {
        DWORD autoSwitch, notice;
        bool on, noticeTicked;
    } cases[] = {{1, 1, true, true}, {2, 2, true, false}, {0, 1, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE("switch " + std::to_string(c.autoSwitch));
        Store(c.autoSwitch, c.notice);
        auto page = MakePage<CPage8Dlg>(kTexts, false, &parent);
        ASSERT_NE(page, nullptr);
        HWND p = page->m_hWnd;
        EXPECT_TRUE(boxTitles.empty());
        // the lists sort what the card list and the catalogue hand them
        EXPECT_EQ(Entries(p, 1070), (std::vector<std::string>{"Alpha LAN", "Zeta LAN"}));
        EXPECT_EQ(Entries(p, 1071), (std::vector<std::string>{"Wifi One"}));
        auto wired = Entries(p, 1068);
        EXPECT_TRUE(std::is_sorted(wired.begin(), wired.end(), [](auto& a, auto& b) {
            return lstrcmpiA(a.c_str(), b.c_str()) < 0;
        }));
        EXPECT_EQ(IsDlgButtonChecked(p, 1066) == BST_CHECKED, c.on);
        EXPECT_EQ(IsDlgButtonChecked(p, 1067) == BST_CHECKED, c.noticeTicked);
        for (int id : {1067, 1068, 1069, 1070, 1071}) EXPECT_EQ(Enabled(p, id), c.on) << id;
        // a stored profile is found by its file name, wherever it was stored
        EXPECT_EQ(Selected(p, 1068), c.on ? "alpha.pcf" : "");
        EXPECT_EQ(Selected(p, 1069), c.on ? "mid.wcf" : "");
        EXPECT_EQ(Selected(p, 1070), c.on ? "Zeta LAN" : "");

        // switching off and on again keeps the choices
        SendMessageA(GetDlgItem(p, 1066), BM_CLICK, 0, 0);
        EXPECT_EQ(Enabled(p, 1068), !c.on);
        SendMessageA(GetDlgItem(p, 1066), BM_CLICK, 0, 0);
        EXPECT_EQ(Enabled(p, 1068), c.on);
        EXPECT_EQ(Selected(p, 1071), c.on ? "Wifi One" : "");
    }
}

}  // namespace
