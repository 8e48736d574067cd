// The wired/wireless switch page against the client's service key, the card list and the
// profile catalogue: what it offers, selects and enables for each stored state.
#include "pages/page8_dlg.h"
#include "store/nics_info.h"
#include "store/profile_catalogue.h"
#include "store/registry_schema.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace templates;
using Names = std::vector<std::string>;

const Texts kTexts = {"252", "253", "254", "255", "256", "257"};

class SwitchPage : public PageHost {
protected:
    // The list and the catalogue are made once for the program, from these cards and profiles.
    static void SetUpTestSuite() {
        testing_client::ClearFixtures();
        testing_client::SetLanguage(1);
        testing_client::SetFixtureText("Cards",
                                       "n1||Zeta LAN||0##n2||Wifi One||1##n3||Alpha LAN||0##");
        for (const char* name : {"zulu.pcf", "alpha.pcf", "mid.wcf"}) Put(GetProfileFolder(), name);
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
    }
    void TearDown() override {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, schema::kOvaSvcKey);
        PageHost::TearDown();
    }

    // The service key with switching AUTO_SWITCH, notice NOTICE and every other value stored.
    static void Store(DWORD autoSwitch, DWORD notice) {
        const char* key = schema::kOvaSvcKey;
        SetDword(HKEY_LOCAL_MACHINE, key, schema::kWireWirelessAutoSwitch, autoSwitch);
        SetDword(HKEY_LOCAL_MACHINE, key, schema::kUserNotice, notice);
        SetText(HKEY_LOCAL_MACHINE, key, schema::kWireProfile, GetProfileFolder() + "\\alpha.pcf");
        SetText(HKEY_LOCAL_MACHINE, key, schema::kWirelessProfile, "C:\\gone\\mid.wcf");
        SetText(HKEY_LOCAL_MACHINE, key, schema::kWireCard, "Zeta LAN");
        SetText(HKEY_LOCAL_MACHINE, key, schema::kWirelessCard, "Wifi One");
    }
};

TEST_F(SwitchPage, AFreshClientShows8091WithEmptyListsAndEveryControlEnabled) {
    auto page = MakePage<CPage8Dlg>(kTexts, false, &parent);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(boxTitles, Names{"Error - (8091)"});
    for (int id : {1066, 1067, 1068, 1069, 1070, 1071})
        EXPECT_TRUE(Enabled(page->m_hWnd, id)) << id;
    for (int id : {1068, 1069, 1070, 1071}) EXPECT_TRUE(Lines(page->m_hWnd, id).empty()) << id;

    // with the five values but no notice, the notice's own message, and again nothing offered
    Store(1, 1);
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, schema::kOvaSvcKey, schema::kUserNotice);
    boxTitles.clear();
    page = MakePage<CPage8Dlg>(kTexts, false, &parent);
    EXPECT_EQ(boxTitles, Names{"Error - (8092)"});
    EXPECT_TRUE(Lines(page->m_hWnd, 1070).empty());
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
        EXPECT_EQ(Lines(p, 1070), (Names{"Alpha LAN", "Zeta LAN"}));
        EXPECT_EQ(Lines(p, 1071), Names{"Wifi One"});
        EXPECT_EQ(Ticked(p, 1066), c.on);
        EXPECT_EQ(Ticked(p, 1067), c.noticeTicked);
        for (int id : {1067, 1068, 1069, 1070, 1071}) EXPECT_EQ(Enabled(p, id), c.on) << id;
        // a stored profile is found by its file name, wherever it was stored
        EXPECT_EQ(Text(p, 1068), c.on ? "alpha.pcf" : "");
        EXPECT_EQ(Text(p, 1069), c.on ? "mid.wcf" : "");
        EXPECT_EQ(Text(p, 1070), c.on ? "Zeta LAN" : "");

        // switching off and on again keeps the choices
        SendMessageA(GetDlgItem(p, 1066), BM_CLICK, 0, 0);
        EXPECT_EQ(Enabled(p, 1068), !c.on);
        SendMessageA(GetDlgItem(p, 1066), BM_CLICK, 0, 0);
        EXPECT_EQ(Enabled(p, 1068), c.on);
        EXPECT_EQ(Text(p, 1071), c.on ? "Wifi One" : "");
    }
}

}  // namespace
