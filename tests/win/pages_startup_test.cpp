// The start-up authentication page: the profiles of both folders, and the stored choice read from
// the registry or from a Startup-folder shortcut, with every message that stops the loading.
#include "pages/page9_dlg.h"
#include "sim/common/sim_state.h"
#include "store/registry_schema.h"
#include "store/startup_shortcuts.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace templates;
using Titles = std::vector<std::string>;

constexpr int kSwitch = 1087, kWired = 1078, kWireless = 1079, kWiredList = 1081,
              kWirelessList = 1082;

// Both profile folders hold only what a test puts there.
class StartUpPage : public PageHost {
protected:
    void SetUp() override {
        PageHost::SetUp();
        testing_client::SetLanguage(1);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, schema::kStartUpKey);
    }
    void TearDown() override {
        page.reset();
        for (const std::string& link : links) DeleteFileA(link.c_str());
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, schema::kStartUpKey);
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
    // A shortcut named NAME in the Startup folder CSIDL to TARGET.
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

    EmptyProfileFolders folders;
    const std::string& common = folders.common;
    std::vector<std::string> links;
    std::unique_ptr<CPage9Dlg> page;
};

TEST_F(StartUpPage, WithoutProfilesShows8098AndReadsNoValueAndAnEmptyKeyShows8106) {
    const size_t before = testing_client::JournalOfThisProcess().size();
    Make(0);
    EXPECT_EQ(boxTitles, Titles{"Error - (8098)"});
    EXPECT_EQ(testing_client::JournalOfThisProcess().size(), before) << "nothing read";

    Put(common, "office.pcf");
    boxTitles.clear();
    const HWND p = Make(0);
    EXPECT_EQ(boxTitles, Titles{"Error - (8106)"});
    for (int id : {kSwitch, kWired, kWireless, kWiredList, kWirelessList})
        EXPECT_TRUE(Enabled(p, id)) << id;
    EXPECT_FALSE(Ticked(p, kWired) || Ticked(p, kWireless) || Ticked(p, kSwitch));
}

TEST_F(StartUpPage, TheRegistrysChoiceIsShownWhateverTheDriversCaseAndOnlyAs0Or1) {
    for (const char* name : {"office.pcf", "lab.pcf", "campus.wcf"}) Put(common, name);
    struct Case {
        const char* driver;
        DWORD enable;
        bool wired, switchedOn, usable;
        Titles boxes;
    } cases[] = {
        {"WIRED", 1, true, true, true, {}},
        {"ndis", 0, false, false, false, {}},  // off: still shown, out of reach
        {"wired", 5, true, false, true, {"Error - (8110)"}},
        {"modem", 1, false, false, true, {"Error - (8109)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.driver) + " " + std::to_string(c.enable));
        Store(c.driver, common + (c.wired ? "\\lab.pcf" : "\\campus.wcf"), c.enable);
        boxTitles.clear();
        const HWND p = Make(0);
        EXPECT_EQ(boxTitles, c.boxes);
        if (!c.boxes.empty() && c.boxes[0] == "Error - (8109)") {
            EXPECT_FALSE(Ticked(p, kWired) || Ticked(p, kWireless));
            continue;
        }
        EXPECT_TRUE(Ticked(p, c.wired ? kWired : kWireless));
        EXPECT_EQ(Text(p, c.wired ? kWiredList : kWirelessList),
                  c.wired ? "lab.pcf" : "campus.wcf");
        EXPECT_EQ(Ticked(p, kSwitch), c.switchedOn);
        EXPECT_EQ(Enabled(p, kWired), c.usable);
        EXPECT_EQ(Enabled(p, c.wired ? kWiredList : kWirelessList), c.usable);
    }

    // a single profile of its kind is the choice, whatever name was stored
    Store("ndis", common + "\\gone.wcf", 1);
    EXPECT_EQ(Text(Make(0), kWirelessList), "campus.wcf");
}

TEST_F(StartUpPage, InShortcutModeTheAllUsersShortcutDecidesAndNoneMeansWired) {
    Put(common, "office.pcf");
    Put(common, "campus.wcf");
    Put(folders.user, "home.pcf");
    HWND p = Make(1);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(p, kSwitch)) ||
                 (GetWindowLongA(GetDlgItem(p, kSwitch), GWL_STYLE) & WS_VISIBLE));
    EXPECT_TRUE(Ticked(p, kWired));
    EXPECT_TRUE(Enabled(p, kWiredList));
    EXPECT_FALSE(Enabled(p, kWirelessList));
    EXPECT_TRUE(boxTitles.empty());

    Link(CSIDL_COMMON_STARTUP, "Campus.lnk", common + "\\campus.wcf");
    Link(CSIDL_STARTUP, "Home.lnk", folders.user + "\\home.pcf");
    p = Make(1);
    EXPECT_EQ(boxTitles, Titles{"Error - (8111)"});
    EXPECT_TRUE(Ticked(p, kWireless));
    EXPECT_EQ(Text(p, kWirelessList), "campus.wcf");
    EXPECT_TRUE(Enabled(p, kWirelessList));
    EXPECT_FALSE(Enabled(p, kWiredList));

    // two in one folder are as many as one in each
    DeleteFileA(links.back().c_str());
    Link(CSIDL_COMMON_STARTUP, "Office.lnk", common + "\\office.pcf");
    boxTitles.clear();
    Make(1);
    EXPECT_EQ(boxTitles, Titles{"Error - (8111)"});
}

}  // namespace
