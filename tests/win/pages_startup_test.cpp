// The start-up authentication page: the profiles of both folders, and the stored choice read from
// the registry or from a Startup-folder shortcut, with every message that stops the loading.
#include "app/ovasettings_app.h"
#include "pages/page9_dlg.h"
#include "sim/common/sim_state.h"
#include "store/profile_catalogue.h"
#include "store/registry_schema.h"
#include "tests/win/client_state.h"
#include "tests/win/template_support.h"

#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const templates::Texts kTexts = {"260", "261", "262", "263", "264"};
constexpr int kSwitch = 1087, kWired = 1078, kWireless = 1079, kWiredList = 1081,
              kWirelessList = 1082;

std::string Folder(int csidl) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, 0, path);
    return path;
}

// Both profile folders hold only what a test puts there; what they held comes back afterwards.
class StartUpPage : public templates::PageHost {
protected:
    void SetUp() override {
        PageHost::SetUp();
        testing_client::SetLanguage(1);
        for (const std::string& folder : {common, user}) {
            MoveFileExA(folder.c_str(), (folder + ".kept").c_str(), MOVEFILE_REPLACE_EXISTING);
            SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
        }
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, schema::kStartUpKey);
        app.m_hClient = QTV_CLI_initialize();
        CoInitialize(nullptr);
    }
    void TearDown() override {
        for (const std::string& link : links) DeleteFileA(link.c_str());
        CoUninitialize();
        QTV_CLI_terminate(app.m_hClient);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, schema::kStartUpKey);
        for (const std::string& folder : {common, user}) {
            for (const std::string& file : files) DeleteFileA((folder + "\\" + file).c_str());
            RemoveDirectoryA(folder.c_str());
            MoveFileExA((folder + ".kept").c_str(), folder.c_str(), 0);
        }
        PageHost::TearDown();
    }
    void Put(const std::string& folder, const char* name) {
        CloseHandle(CreateFileA((folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, 0, nullptr));
        files.push_back(name);
    }
    static void Store(const char* driver, const std::string& profile, DWORD enable) {
        sim::RegKey key;
        key.Create(HKEY_LOCAL_MACHINE, schema::kStartUpKey, KEY_SET_VALUE);
        RegSetValueExA(key.get(), schema::kStartUpAuthEnable, 0, REG_DWORD,
                       reinterpret_cast<const BYTE*>(&enable), sizeof enable);
        for (auto [name, text] : {std::pair{schema::kStartUpDriver, std::string(driver)},
                                  std::pair{schema::kStartUpProfile, profile}})
            RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                           static_cast<DWORD>(text.size()));
    }
    // A shortcut named NAME in the Startup folder CSIDL to TARGET.
    void Link(int csidl, const char* name, const std::string& target) {
        IShellLinkA* link = nullptr;
        ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                               IID_IShellLinkA, reinterpret_cast<void**>(&link))));
        link->SetPath(target.c_str());
        IPersistFile* file = nullptr;
        link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
        const std::string path = Folder(csidl) + "\\" + name;
        file->Save(std::wstring(path.begin(), path.end()).c_str(), TRUE);
        file->Release();
        link->Release();
        links.push_back(path);
    }
    std::unique_ptr<CSkinnedPage> Make(int mode) {
        auto page = std::make_unique<CPage9Dlg>();
        page->SetInterfaceTexts(kTexts.data());
        page->m_nStartUpMode = mode;
        EXPECT_TRUE(page->Create(CPage9Dlg::IDD, &parent));
        return page;
    }
    static std::string Shown(const CSkinnedPage& page, int id) {
        char text[260] = {};
        GetDlgItemTextA(page.m_hWnd, id, text, sizeof text);
        return text;
    }
    static bool Ticked(const CSkinnedPage& page, int id) {
        return IsDlgButtonChecked(page.m_hWnd, id) == BST_CHECKED;
    }
    static bool Enabled(const CSkinnedPage& page, int id) {
        return IsWindowEnabled(GetDlgItem(page.m_hWnd, id)) != 0;
    }

    const std::string common = GetProfileFolder();
    const std::string user = GetUserProfileFolder();
    std::vector<std::string> files, links;
    COvaSettingsApp app;
};

TEST_F(StartUpPage, WithoutProfilesShows8098AndReadsNoValueAndAnEmptyKeyShows8106) {
    const size_t before = testing_client::JournalOfThisProcess().size();
    auto page = Make(0);
    EXPECT_EQ(boxTitles, (std::vector<std::string>{"Error - (8098)"}));
    EXPECT_EQ(testing_client::JournalOfThisProcess().size(), before) << "nothing read";

    Put(common, "office.pcf");
    boxTitles.clear();
    page = Make(0);
    EXPECT_EQ(boxTitles, (std::vector<std::string>{"Error - (8106)"}));
    for (int id : {kSwitch, kWired, kWireless, kWiredList, kWirelessList})
        EXPECT_TRUE(Enabled(*page, id)) << id;
    EXPECT_FALSE(Ticked(*page, kWired) || Ticked(*page, kWireless) || Ticked(*page, kSwitch));
}

TEST_F(StartUpPage, TheRegistrysChoiceIsShownWhateverTheDriversCaseAndOnlyAs0Or1) {
    Put(common, "office.pcf");
    Put(common, "lab.pcf");
    Put(common, "campus.wcf");
    struct Case {
        const char* driver;
        DWORD enable;
        bool wired, switchedOn, usable;
        std::vector<std::string> boxes;
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
        auto page = Make(0);
        EXPECT_EQ(boxTitles, c.boxes);
        if (!c.boxes.empty() && c.boxes[0] == "Error - (8109)") {
            EXPECT_FALSE(Ticked(*page, kWired) || Ticked(*page, kWireless));
            continue;
        }
        EXPECT_EQ(Ticked(*page, c.wired ? kWired : kWireless), true);
        EXPECT_EQ(Shown(*page, c.wired ? kWiredList : kWirelessList),
                  c.wired ? "lab.pcf" : "campus.wcf");
        EXPECT_EQ(Ticked(*page, kSwitch), c.switchedOn);
        EXPECT_EQ(Enabled(*page, kWired), c.usable);
        EXPECT_EQ(Enabled(*page, c.wired ? kWiredList : kWirelessList), c.usable);
    }

    // a single profile of its kind is the choice, whatever name was stored
    Store("ndis", common + "\\gone.wcf", 1);
    auto page = Make(0);
    EXPECT_EQ(Shown(*page, kWirelessList), "campus.wcf");
}

TEST_F(StartUpPage, InShortcutModeTheAllUsersShortcutDecidesAndNoneMeansWired) {
    Put(common, "office.pcf");
    Put(common, "campus.wcf");
    Put(user, "home.pcf");
    auto page = Make(1);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(page->m_hWnd, kSwitch)) ||
                 (GetWindowLongA(GetDlgItem(page->m_hWnd, kSwitch), GWL_STYLE) & WS_VISIBLE));
    EXPECT_TRUE(Ticked(*page, kWired));
    EXPECT_TRUE(Enabled(*page, kWiredList));
    EXPECT_FALSE(Enabled(*page, kWirelessList));
    EXPECT_TRUE(boxTitles.empty());

    Link(CSIDL_COMMON_STARTUP, "Campus.lnk", common + "\\campus.wcf");
    Link(CSIDL_STARTUP, "Home.lnk", user + "\\home.pcf");
    page = Make(1);
    EXPECT_EQ(boxTitles, (std::vector<std::string>{"Error - (8111)"}));
    EXPECT_TRUE(Ticked(*page, kWireless));
    EXPECT_EQ(Shown(*page, kWirelessList), "campus.wcf");
    EXPECT_TRUE(Enabled(*page, kWirelessList));
    EXPECT_FALSE(Enabled(*page, kWiredList));
}

}  // namespace
