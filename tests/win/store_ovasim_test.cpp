// ovasim, the client's administration tool, run as its own process the way scripts and the e2e
// tests run it: a fresh installation, the dump, and the verbs that set one thing; and the start
// list's passwords, which the store module keeps out of the registry's plain view.
#include "app/file_content.h"
#include "client/loaded_module.h"
#include "sim/common/sim_state.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <windows.h>

#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Ordered, so that the dump's key order is seen as it was written.
using Json = nlohmann::ordered_json;

int Ovasim(const std::string& args, std::string* out = nullptr) {
    return driver::Run("\"" + driver::OwnFolder() + "\\ovasim.exe\" " + args, out);
}

Json Dump() {
    std::string out;
    EXPECT_EQ(Ovasim("dump", &out), 0);
    Json state = Json::parse(out, nullptr, false);
    EXPECT_FALSE(state.is_discarded()) << out;
    return state;
}

// One request to a freshly loaded OvaReg.dll, as the editor makes it.
bool Request(unsigned item, DWORD* value, char* text, DWORD size) {
    LoadedModule store("OvaReg.dll");
    DWORD status = 0;
    EXPECT_TRUE(store.ready());
    return store.ready() && store.object()->Invoke(item, value, text, &size, &status);
}

class OvasimTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(Ovasim("reset"), 0); }
    static void TearDownTestSuite() { Ovasim("reset"); }
};

TEST_F(OvasimTest, ResetMakesAFreshInstallationAndTheDumpShowsIt) {
    Json state = Dump();
    ASSERT_TRUE(state.is_object());
    const Json& items = state["store"]["items"];
    EXPECT_EQ(items["72"], "C:\\Program Files\\Ovanta");
    EXPECT_EQ(items["50"], "11111");
    for (const char* tab : {"77", "78", "79", "80", "813"}) EXPECT_EQ(items[tab], 1) << tab;
    EXPECT_EQ(items["49"], 0);
    EXPECT_EQ(items["43"], "");
    EXPECT_TRUE(items["71"].is_null());
    EXPECT_TRUE(state["store"]["startList"].empty());
    EXPECT_TRUE(state["store"]["pendingStartList"].is_null());
    for (const auto& fixture : state["fixtures"].items())
        EXPECT_TRUE(fixture.value().is_null()) << fixture.key();
    EXPECT_TRUE(state["journal"].empty());

    // Wired and wireless profiles in both folders, with ("+") and without credentials.
    std::set<std::string> profiles;
    for (const char* folder : {"common", "user"}) {
        for (const Json& profile : state["profiles"][folder]) {
            profiles.insert(std::string(folder) + " " + profile["name"].get<std::string>() +
                            (profile["credentials"] == true ? "+" : "-"));
            EXPECT_EQ(profile["readable"], true) << profile["name"];
        }
    }
    EXPECT_EQ(profiles,
              (std::set<std::string>{"common office.pcf+", "common lab.hcf-", "common campus.wcf+",
                                     "common guest.wcf-", "user home.pcf-", "user travel.wcf+",
                                     "user vpn.kpf+"}));
}

TEST_F(OvasimTest, FixturesGetTheTypeOfTheirTable) {
    ASSERT_EQ(Ovasim("fixture EnumCardResult 5"), 0);
    ASSERT_EQ(Ovasim("fixture FirewallPolicy 0a0b:FF"), 0);
    EXPECT_EQ(sim::ReadDword(HKEY_LOCAL_MACHINE, sim::kSimulatorKey, "EnumCardResult"), 5u);
    EXPECT_EQ(Dump()["fixtures"]["FirewallPolicy"], "0a0bff");

    ASSERT_EQ(Ovasim("fixture EnumCardResult"), 0);
    EXPECT_FALSE(sim::ReadDword(HKEY_LOCAL_MACHINE, sim::kSimulatorKey, "EnumCardResult"));
    EXPECT_NE(Ovasim("fixture FirewallPolicy 0a0"), 0);
    EXPECT_NE(Ovasim("fixture EnumCardResult five"), 0);
}

TEST_F(OvasimTest, EveryItemTheEditorReadsAtStartAnswersWhatOvasimStored) {
    // Each with a value other than the fresh installation's; texts with a space where they can.
    const std::pair<unsigned, DWORD> kIntegers[] = {
        {77, 0}, {78, 0},  {79, 0},  {80, 0},  {41, 1},  {44, 1},  {47, 0}, {40, 1},
        {49, 1}, {905, 0}, {907, 1}, {908, 0}, {909, 1}, {813, 0}, {130, 1}};
    const std::pair<unsigned, const char*> kTexts[] = {{72, "D:\\Client Apps\\Ovanta"},
                                                       {45, "Wi-Fi 6 AX201"},
                                                       {46, "Realtek GbE"},
                                                       {50, "10111"},
                                                       {74, "-w30;;-d;;"},
                                                       {103, ".wcf2"},
                                                       {104, ".pcf2"},
                                                       {902, "Ovanta 6.0.2 site"}};
    for (const auto& [item, value] : kIntegers)
        ASSERT_EQ(Ovasim("set-item " + std::to_string(item) + " --int " + std::to_string(value)),
                  0);
    for (const auto& [item, text] : kTexts)
        ASSERT_EQ(Ovasim("set-item " + std::to_string(item) + " --text \"" + text + "\""), 0);
    ASSERT_EQ(Ovasim("add-entry LAN C:\\p\\office.pcf alice Pw~4Jd#Qo2"), 0);
    ASSERT_EQ(Ovasim("add-entry Wi-Fi C:\\p\\campus.wcf \"\" \"\""), 0);

    char text[1024] = {};
    for (const auto& [item, value] : kIntegers) {
        DWORD read = 12345;
        ASSERT_TRUE(Request(item, &read, text, sizeof text)) << item;
        EXPECT_EQ(read, value) << item;
    }
    for (const auto& [item, stored] : kTexts) {
        DWORD read = 0;
        ASSERT_TRUE(Request(item, &read, text, sizeof text)) << item;
        EXPECT_STREQ(text, stored) << item;
    }
    DWORD count = 0;
    std::vector<char> list(5120, '\0');
    ASSERT_TRUE(Request(43, &count, list.data(), 5120));
    EXPECT_EQ(count, 2u);
    EXPECT_STREQ(list.data(), "LAN;;Wi-Fi");
    // The module decrypts what ovasim encrypted; the dump tells only that a password is set.
    char password[1024] = "lan";
    ASSERT_TRUE(Request(54, &count, password, sizeof password));
    EXPECT_STREQ(password, "Pw~4Jd#Qo2");
    std::string dump;
    ASSERT_EQ(Ovasim("dump", &dump), 0);
    EXPECT_EQ(dump.find("Pw~4Jd#Qo2"), std::string::npos);
    const Json entries = Json::parse(dump)["store"]["startList"];
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], (Json{{"card", "LAN"},
                                {"profile", "C:\\p\\office.pcf"},
                                {"id", "alice"},
                                {"passwordSet", true}}));
    EXPECT_EQ(entries[1]["passwordSet"], false);
}

// Every way a text can stand in a registry export: as it is, UTF-16 as regedit writes texts, and
// the hex lists it writes binary data in, of the ANSI and of the UTF-16 bytes.
std::vector<std::string> ExportForms(const std::string& text) {
    auto wide = [](const std::string& ascii) {
        std::string out;
        for (char c : ascii) out += std::string(1, c) + '\0';
        return out;
    };
    std::string hexAnsi, hexWide;
    char hex[8];
    for (char c : text) {
        std::snprintf(hex, sizeof hex, "%02x,", static_cast<unsigned char>(c));
        hexAnsi += hex;
        hexWide += std::string(hex) + "00,";
    }
    hexAnsi.pop_back();
    return {text, wide(text), wide(hexAnsi), wide(hexWide.substr(0, hexWide.size() - 4))};
}

TEST_F(OvasimTest, AStartListPasswordIsNowhereInAFullExportOfTheRegistry) {
    const std::string password = "Xq4!Export#Pw";
    const std::string id = "Xq4!Export#Id";  // stored in plain text: proves the export is read
    LoadedModule store("OvaReg.dll");        // one module for the whole list, as OK writes it
    ASSERT_TRUE(store.ready());
    std::string text;
    const auto request = [&](unsigned item, DWORD value, const std::string& in, DWORD size) {
        text = in;
        text.resize(size);
        DWORD status = 0;
        return store.object()->Invoke(item, &value, text.data(), &size, &status) != 0;
    };
    // the whole start list as the editor writes it with auto-start on
    ASSERT_TRUE(request(73, 0, "", 5120) && request(57, 1, "", 5120));
    for (auto [item, second] :
         {std::pair{65, std::string("C:\\p\\office.pcf")}, {68, password}, {69, id}})
        ASSERT_TRUE(request(item, 0, "Export LAN;;" + second + ";;", 5120));
    ASSERT_TRUE(request(71, 0, "C:\\p\\office.pcf;;", 5120));
    ASSERT_TRUE(request(54, 0, "export lan", 1024));
    ASSERT_EQ(text.c_str(), password);

    const std::string file = "C:\\users\\Public\\full-export.reg";
    DeleteFileA(file.c_str());
    ASSERT_EQ(driver::Run("regedit.exe /E \"" + file + "\""), 0);
    const std::string exported = ReadFileContent(file).value_or("");
    DeleteFileA(file.c_str());
    ASSERT_GT(exported.size(), 100000u) << "the whole registry, every hive";

    EXPECT_NE(exported.find(ExportForms(id)[1]), std::string::npos);
    for (const std::string& form : ExportForms(password))
        EXPECT_EQ(exported.find(form), std::string::npos);
}

}  // namespace
