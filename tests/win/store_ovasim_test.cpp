// ovasim, the client's administration tool, run as its own process the way scripts and the e2e
// tests run it: a fresh installation, the dump, and the verbs that set one thing.
#include "client/loaded_module.h"
#include "sim/common/sim_state.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <windows.h>

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

}  // namespace
