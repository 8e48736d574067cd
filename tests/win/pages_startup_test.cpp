// The wired/wireless switch page against the client's service key, the card list and the
// profile catalogue: what it offers, selects and enables for each stored state. The start-up
// authentication page: the profiles of both folders, and the stored choice read from the registry
// or from a Startup-folder shortcut, with every message that stops the loading.
#include "pages/page8_dlg.h"
#include "pages/page9_dlg.h"
#include "store/nics_info.h"
#include "store/profile_catalogue.h"
#include "store/registry_schema.h"
#include "store/startup_shortcuts.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"

#include <shlobj.h>

#include <algorithm>

namespace {

using namespace templates;

const Texts kTexts = {"252", "253", "254", "255", "256", "257"};

class SwitchPage : public PageHost {
protected:
    // The list and the catalogue are made once for the program, from these cards and profiles.
    static void SetUpTestSuite() {
        testing_client::ClearFixtures();
        testing_client::SetLanguage(1);
        testing_client::SetFixtureText("Cards",
                                       "n1||Zeta LAN||0##n2||Wifi One||1##n3||Alpha LAN||0##");
        EmptyProfileFolders folders;
        for (const char* name : {"zulu.pcf", "alpha.pcf", "mid.wcf"}) Put(folders.common, name);
        MakeProcessNicsInfo();
        MakeProcessProfilesInfo();
    }
    static void TearDownTestSuite() { testing_client::ClearFixtures(); }

    // The service key with switching AUTO_SWITCH, notice NOTICE (-1: none) and every other value.
    static void Store(DWORD autoSwitch, int notice) {
        const char* key = schema::kOvaSvcKey;
        SetDword(HKEY_LOCAL_MACHINE, key, schema::kWireWirelessAutoSwitch, autoSwitch);
        if (notice >= 0) SetDword(HKEY_LOCAL_MACHINE, key, schema::kUserNotice, notice);
        SetText(HKEY_LOCAL_MACHINE, key, schema::kWireProfile, GetProfileFolder() + "\\alpha.pcf");
        SetText(HKEY_LOCAL_MACHINE, key, schema::kWirelessProfile, "C:\\gone\\mid.wcf");
        SetText(HKEY_LOCAL_MACHINE, key, schema::kWireCard, "Zeta LAN");
        SetText(HKEY_LOCAL_MACHINE, key, schema::kWirelessCard, "Wifi One");
    }

    DeletedKey service{schema::kOvaSvcKey};
};

// Reading stops at the first value missing, with its message: a fresh client shows 8091, a client
// without the notice 8092, and both offer nothing, every control as the template makes it.
TEST_F(SwitchPage, SwitchingOnSelectsTheStoredChoicesAndOffFillsButDisablesTheLists) {
    struct Case {
        int autoSwitch, notice;  // -1: not stored
        bool on, noticeTicked;
        Names boxes;
    } cases[] = {{-1, -1, false, false, {"Error - (8091)"}},
                 {1, -1, false, false, {"Error - (8092)"}},
                 {1, 1, true, true, {}},
                 {2, 2, true, false, {}},
                 {0, 1, false, false, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE("switch " + std::to_string(c.autoSwitch) + ", notice " +
                     std::to_string(c.notice));
        if (c.autoSwitch >= 0) Store(c.autoSwitch, c.notice);
        boxTitles.clear();
        auto page = MakePage<CPage8Dlg>(kTexts, false, &parent);
        ASSERT_NE(page, nullptr);
        HWND p = page->m_hWnd;
        EXPECT_EQ(boxTitles, c.boxes);
        if (!c.boxes.empty()) {
            for (int id : {1066, 1067, 1068, 1069, 1070, 1071}) EXPECT_TRUE(Enabled(p, id)) << id;
            for (int id : {1068, 1069, 1070, 1071}) EXPECT_TRUE(Lines(p, id).empty()) << id;
            continue;
        }
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

constexpr int kSwitch = 1087, kWired = 1078, kWireless = 1079, kWiredList = 1081,
              kWirelessList = 1082;

// Both profile folders hold only what a test puts there.
class StartUpPage : public PageHost {
protected:
    void TearDown() override {
        page.reset();
        for (const std::string& link : links) DeleteFileA(link.c_str());
        PageHost::TearDown();
    }
    // The texts as the client writes them, without their terminating zero.
    static void Store(const char* driver, const std::string& profile, DWORD enable) {
        SetDword(HKEY_LOCAL_MACHINE, schema::kStartUpKey, schema::kStartUpAuthEnable, enable);
        for (auto [name, text] : {std::pair{schema::kStartUpDriver, std::string(driver)},
                                  std::pair{schema::kStartUpProfile, profile}})
            RegSetKeyValueA(HKEY_LOCAL_MACHINE, schema::kStartUpKey, name, REG_SZ, text.c_str(),
                            static_cast<DWORD>(text.size()));
    }
    void Link(int csidl, const char* name, const std::string& target) {
        char folder[MAX_PATH] = {};
        SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, 0, folder);
        links.push_back(std::string(folder) + "\\" + name);
        ASSERT_TRUE(CreateProfileShortcut(links.back(), target, ""));
    }
    HWND Make(int mode) {
        page = std::make_unique<CPage9Dlg>();
        page->SetInterfaceTexts(Texts{"260", "261", "262", "263", "264"}.data());
        page->m_nStartUpMode = mode;
        EXPECT_TRUE(page->Create(CPage9Dlg::IDD, &parent));
        return page->m_hWnd;
    }

    DeletedKey startUp{schema::kStartUpKey};
    EmptyProfileFolders folders;
    const std::string& common = folders.common;
    std::vector<std::string> links;
    std::unique_ptr<CPage9Dlg> page;
};

// Without a profile nothing is read. A message that stops the loading leaves every control as it
// was made: enabled, none ticked.
TEST_F(StartUpPage, TheRegistrysChoiceIsShownWhateverTheDriversCaseAndOnlyAs0Or1) {
    const auto registryCalls = [] {
        const auto journal = testing_client::JournalOfThisProcess();
        return std::count_if(journal.begin(), journal.end(),
                             [](const auto& e) { return e.operation.rfind("reg_", 0) == 0; });
    };
    const auto before = registryCalls();
    Make(0);
    EXPECT_EQ(boxTitles, Names{"Error - (8098)"});
    EXPECT_EQ(registryCalls(), before);
    for (const char* name : {"office.pcf", "lab.pcf", "campus.wcf"}) Put(common, name);
    // a single profile of its kind is the choice, whatever name was stored
    Store("ndis", common + "\\gone.wcf", 1);
    EXPECT_EQ(Text(Make(0), kWirelessList), "campus.wcf");
    // with two of each kind, the stored one is the later in its list
    Put(common, "air.wcf");
    Put(common, "home.pcf");
    const HWND lists = Make(0);
    const std::string wired = Lines(lists, kWiredList).back(),
                      wireless = Lines(lists, kWirelessList).back();
    for (const char* name :
         {schema::kStartUpAuthEnable, schema::kStartUpDriver, schema::kStartUpProfile})
        RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, schema::kStartUpKey, name);  // the key stays, empty
    struct Case {
        const char* driver;  // none: an empty StartUp key
        DWORD enable;
        bool wired, switchedOn, usable;
        Names boxes;
    } cases[] = {
        {nullptr, 0, false, false, true, {"Error - (8106)"}},
        {"WIRED", 1, true, true, true, {}},
        {"ndis", 0, false, false, false, {}},  // off: still shown, out of reach
        {"wired", 5, true, false, true, {"Error - (8110)"}},
        {"modem", 1, false, false, true, {"Error - (8109)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.driver ? c.driver : "none") + " " + std::to_string(c.enable));
        if (c.driver) Store(c.driver, common + "\\" + (c.wired ? wired : wireless), c.enable);
        boxTitles.clear();
        const HWND p = Make(0);
        EXPECT_EQ(boxTitles, c.boxes);
        if (!c.boxes.empty() && c.boxes[0] != "Error - (8110)") {
            for (int id : {kSwitch, kWired, kWireless, kWiredList, kWirelessList})
                EXPECT_TRUE(Enabled(p, id)) << id;
            EXPECT_FALSE(Ticked(p, kWired) || Ticked(p, kWireless) || Ticked(p, kSwitch));
            continue;
        }
        EXPECT_TRUE(Ticked(p, c.wired ? kWired : kWireless));
        EXPECT_EQ(Text(p, c.wired ? kWiredList : kWirelessList), c.wired ? wired : wireless);
        EXPECT_EQ(Ticked(p, kSwitch), c.switchedOn);
        EXPECT_EQ(Enabled(p, kWired), c.usable);
        EXPECT_EQ(Enabled(p, c.wired ? kWiredList : kWirelessList), c.usable);
        if (!c.usable) {
            for (int id : {kWireless, kWiredList, kWirelessList})
                EXPECT_FALSE(Enabled(p, id)) << id;
        }
    }
}

TEST_F(StartUpPage, InShortcutModeTheAllUsersShortcutDecidesAndNoneMeansWired) {
    for (const char* name : {"office.pcf", "campus.wcf"}) Put(common, name);
    Put(folders.user, "home.pcf");
    HWND p = Make(1);
    EXPECT_FALSE(GetWindowLongA(GetDlgItem(p, kSwitch), GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(Ticked(p, kWired));
    EXPECT_TRUE(Enabled(p, kWiredList));
    EXPECT_FALSE(Enabled(p, kWirelessList));
    // the radios form one group, and the single profile of the kind clicked is its choice
    SendDlgItemMessageA(p, kWireless, BM_CLICK, 0, 0);
    EXPECT_FALSE(Ticked(p, kWired));
    EXPECT_EQ(Text(p, kWirelessList), "campus.wcf");
    EXPECT_FALSE(Enabled(p, kWiredList));

    // of two wireless profiles, the shortcut names the later in the list
    Put(common, "air.wcf");
    const std::string later = Lines(Make(1), kWirelessList).back();
    Link(CSIDL_COMMON_STARTUP, "Wireless.lnk", common + "\\" + later);
    Link(CSIDL_STARTUP, "Home.lnk", folders.user + "\\home.pcf");
    p = Make(1);
    EXPECT_EQ(boxTitles, Names{"Error - (8111)"}) << "and none before the shortcuts";
    EXPECT_TRUE(Ticked(p, kWireless));
    EXPECT_EQ(Text(p, kWirelessList), later);
    EXPECT_TRUE(Enabled(p, kWirelessList));
    EXPECT_FALSE(Enabled(p, kWiredList));

    // two in one folder are as many as one in each
    DeleteFileA(links.back().c_str());
    Link(CSIDL_COMMON_STARTUP, "Office.lnk", common + "\\office.pcf");
    boxTitles.clear();
    Make(1);
    EXPECT_EQ(boxTitles, Names{"Error - (8111)"});
}

}  // namespace
