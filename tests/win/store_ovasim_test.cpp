// ovasim, the client's administration tool, run as its own process the way scripts and the e2e
// tests run it: a fresh installation, the dump, and the verbs that set one thing.
#include "client/loaded_module.h"
#include "sim/common/sim_state.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Json = nlohmann::json;

constexpr char kStoreKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\Store";
constexpr char kSimulatorKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\Simulator";
constexpr char kStartUpKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\StartUp";
constexpr char kStartUpName[] = "HKLM\\SOFTWARE\\Brenwick\\Ovanta\\6.0\\StartUp";

struct OvasimRun {
    DWORD exitCode = 0xffffffff;
    std::string out;
};

// Runs ovasim.exe from the test's own folder with ARGS (already quoted) and collects its stdout.
OvasimRun Ovasim(const std::string& args) {
    OvasimRun run;
    run.exitCode = static_cast<DWORD>(
        driver::Run("\"" + driver::OwnFolder() + "\\ovasim.exe\" " + args, &run.out));
    return run;
}

Json Dump() {
    OvasimRun run = Ovasim("dump");
    EXPECT_EQ(run.exitCode, 0u);
    Json state = Json::parse(run.out, nullptr, false);
    EXPECT_FALSE(state.is_discarded()) << run.out;
    return state;
}

class OvasimTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(Ovasim("reset").exitCode, 0u); }
    static void TearDownTestSuite() { Ovasim("reset"); }
};

TEST_F(OvasimTest, ResetMakesAFreshDemoInstallation) {
    Json state = Dump();
    ASSERT_TRUE(state.is_object());
    EXPECT_EQ(state["installDir"], "C:\\Program Files\\Ovanta");
    const Json& files = state["installFiles"];
    for (const char* name :
         {"ovacli.dll", "OvaText.dll", "OvaReg.dll", "OvaShMem.dll", "Version.txt"})
        EXPECT_NE(std::find(files.begin(), files.end(), name), files.end()) << name;

    const Json& items = state["store"]["items"];
    EXPECT_EQ(items["72"], "C:\\Program Files\\Ovanta");
    EXPECT_EQ(items["50"], "11111");
    for (const char* tab : {"77", "78", "79", "80", "813"}) EXPECT_EQ(items[tab], 1) << tab;
    EXPECT_EQ(items["130"], 0);
    EXPECT_EQ(items["49"], 0);
    EXPECT_EQ(items["43"], "");
    EXPECT_TRUE(items["71"].is_null());
    EXPECT_TRUE(state["store"]["startList"].empty());
    EXPECT_TRUE(state["store"]["pendingStartList"].is_null());

    for (const auto& fixture : state["fixtures"].items())
        EXPECT_TRUE(fixture.value().is_null()) << fixture.key();
    EXPECT_TRUE(state["journal"].empty());
    EXPECT_TRUE(state["certFiles"].empty());
    EXPECT_TRUE(state["registry"][kStartUpName]["Profile"].is_null());

    const Json& common = state["profiles"]["common"];
    ASSERT_FALSE(common.empty());
    ASSERT_FALSE(state["profiles"]["user"].empty());
    bool wired = false, wireless = false, credentials = false, none = false;
    for (const Json& profile : common) {
        std::string name = profile["name"];
        wired |= name.size() > 4 && name.substr(name.size() - 4) == ".pcf";
        wireless |= name.size() > 4 && name.substr(name.size() - 4) == ".wcf";
        if (profile["credentials"] == true) {
            credentials = true;
        } else {
            none = true;
        }
        EXPECT_EQ(profile["readable"], true) << name;
    }
    EXPECT_TRUE(wired && wireless && credentials && none);
}

TEST_F(OvasimTest, ResetInEnglishSetsTheLanguage) {
    ASSERT_EQ(Ovasim("reset --english").exitCode, 0u);
    Json state = Dump();
    EXPECT_EQ(state["store"]["items"]["49"], 1);
    EXPECT_EQ(state["registry"]["HKLM\\SOFTWARE\\Brenwick\\Ovanta\\6.0\\OvaSettings"]["Language"],
              1);
}

TEST_F(OvasimTest, ResetForgetsWhatWasChanged) {
    ASSERT_EQ(Ovasim("set-item 50 --text 00000").exitCode, 0u);
    ASSERT_EQ(Ovasim("fixture InitializeFails 1").exitCode, 0u);
    ASSERT_EQ(Ovasim("add-entry LAN C:\\p\\office.pcf kim pw").exitCode, 0u);
    ASSERT_EQ(Ovasim("reset").exitCode, 0u);
    Json state = Dump();
    EXPECT_EQ(state["store"]["items"]["50"], "11111");
    EXPECT_TRUE(state["fixtures"]["InitializeFails"].is_null());
    EXPECT_TRUE(state["store"]["startList"].empty());
}

TEST_F(OvasimTest, SetItemSetsTheValueOfTheItemThatReadsIt) {
    ASSERT_EQ(Ovasim("set-item 41 --int 1").exitCode, 0u);
    ASSERT_EQ(Ovasim("set-item 902 --text \"Ovanta 6.0.2 site\"").exitCode, 0u);
    ASSERT_EQ(Ovasim("set-item 49 --int 1").exitCode, 0u);
    ASSERT_EQ(Ovasim("set-item 84 --text {NDIS-1}").exitCode, 0u);
    Json items = Dump()["store"]["items"];
    EXPECT_EQ(items["41"], 1);
    EXPECT_EQ(items["902"], "Ovanta 6.0.2 site");
    EXPECT_EQ(items["49"], 1);
    EXPECT_EQ(items["84"], "{NDIS-1}");

    // What the editor's module reads is what ovasim set.
    LoadedModule store("OvaReg.dll");
    ASSERT_TRUE(store.ready());
    DWORD value = 0, size = 1024, status = 0;
    char text[1024] = {};
    ASSERT_TRUE(store.object()->Invoke(41, &value, text, &size, &status));
    EXPECT_EQ(value, 1u);
}

TEST_F(OvasimTest, SetItemRefusesWhatItCannotSet) {
    const char* refused[] = {
        "set-item 57 --int 1",     // a writing number: 41 reads it
        "set-item 41 --text 1",    // an integer item given a text
        "set-item 45 --int 1",     // a text item given an integer
        "set-item 43 --text LAN",  // the start list
        "set-item 41 --int x",    "set-item 41",
        "set-item 999 --int 1",   "set-item 41 --int 1 --bogus 2",
    };
    for (const char* args : refused) EXPECT_NE(Ovasim(args).exitCode, 0u) << args;
    EXPECT_EQ(Dump()["store"]["items"]["41"], 0);
}

TEST_F(OvasimTest, AddEntryShowsOnlyWhetherAPasswordIsSet) {
    ASSERT_EQ(Ovasim("add-entry LAN C:\\p\\office.pcf kim Pw~4Jd#Qo2").exitCode, 0u);
    ASSERT_EQ(Ovasim("add-entry Wi-Fi C:\\p\\guest.wcf \"\" \"\"").exitCode, 0u);
    OvasimRun dump = Ovasim("dump");
    EXPECT_EQ(dump.out.find("Pw~4Jd#Qo2"), std::string::npos);
    Json state = Json::parse(dump.out);
    const Json& list = state["store"]["startList"];
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], (Json{{"card", "LAN"},
                             {"profile", "C:\\p\\office.pcf"},
                             {"id", "kim"},
                             {"passwordSet", true}}));
    EXPECT_EQ(list[1]["passwordSet"], false);
    EXPECT_EQ(state["store"]["items"]["43"], "LAN;;Wi-Fi");

    // The store module decrypts what ovasim encrypted.
    LoadedModule store("OvaReg.dll");
    ASSERT_TRUE(store.ready());
    DWORD value = 0, size = 1024, status = 0;
    char text[1024] = "lan";
    ASSERT_TRUE(store.object()->Invoke(54, &value, text, &size, &status)) << status;
    EXPECT_STREQ(text, "Pw~4Jd#Qo2");
}

TEST_F(OvasimTest, FixturesGetTheTypeOfTheirTable) {
    ASSERT_EQ(Ovasim("fixture FailItems 41=9031;72=9032").exitCode, 0u);
    ASSERT_EQ(Ovasim("fixture EnumCardResult 5").exitCode, 0u);
    ASSERT_EQ(Ovasim("fixture FirewallPolicy 0a0b:FF").exitCode, 0u);
    EXPECT_EQ(sim::ReadText(HKEY_LOCAL_MACHINE, kSimulatorKey, "FailItems"), "41=9031;72=9032");
    EXPECT_EQ(sim::ReadDword(HKEY_LOCAL_MACHINE, kSimulatorKey, "EnumCardResult"), 5u);
    Json fixtures = Dump()["fixtures"];
    EXPECT_EQ(fixtures["FirewallPolicy"], "0a0bff");
    EXPECT_EQ(fixtures["EnumCardResult"], 5);

    ASSERT_EQ(Ovasim("fixture FailItems").exitCode, 0u);
    EXPECT_FALSE(sim::ReadText(HKEY_LOCAL_MACHINE, kSimulatorKey, "FailItems"));
    EXPECT_NE(Ovasim("fixture Bogus 1").exitCode, 0u);
    EXPECT_NE(Ovasim("fixture FirewallPolicy 0a0").exitCode, 0u);
    EXPECT_NE(Ovasim("fixture EnumCardResult five").exitCode, 0u);
}

TEST_F(OvasimTest, HangulFromTheCommandLineIsDumpedAsUtf8) {
    if (GetACP() != 949) GTEST_SKIP() << "needs the Korean ANSI code page";
    // "무선 랜" in code page 949, as the command line brings it.
    ASSERT_EQ(Ovasim("set-item 45 --text \"\xb9\xab\xbc\xb1 \xb7\xa3\"").exitCode, 0u);
    EXPECT_EQ(sim::ReadText(HKEY_LOCAL_MACHINE, kStoreKey, "DefaultWirelessCard"),
              "\xb9\xab\xbc\xb1 \xb7\xa3");
    EXPECT_EQ(Dump()["store"]["items"]["45"], "\xeb\xac\xb4\xec\x84\xa0 \xeb\x9e\x9c");
}

TEST_F(OvasimTest, TheDumpTellsATextStoredWithoutItsZero) {
    sim::RegKey key;
    ASSERT_EQ(key.Create(HKEY_LOCAL_MACHINE, kStartUpKey, KEY_SET_VALUE), ERROR_SUCCESS);
    // The registry counts a zero that directly follows the given bytes (Windows does, and Wine
    // with it), so the text without its zero is written from a longer buffer.
    const char profile[] = "C:\\p\\office.pcf|";
    const DWORD length = sizeof profile - 2;
    ASSERT_EQ(RegSetValueExA(key.get(), "Profile", 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(profile), length),
              ERROR_SUCCESS);
    ASSERT_EQ(
        RegSetValueExA(key.get(), "driver", 0, REG_SZ, reinterpret_cast<const BYTE*>("ndis"), 5),
        ERROR_SUCCESS);
    Json state = Dump();
    EXPECT_EQ(state["registry"][kStartUpName]["Profile"], "C:\\p\\office.pcf");
    EXPECT_EQ(state["registryBytes"][kStartUpName]["Profile"], length);
    EXPECT_EQ(state["registry"][kStartUpName]["driver"], "ndis");
    EXPECT_EQ(state["registryBytes"][kStartUpName]["driver"], 5);
    EXPECT_TRUE(state["registryBytes"][kStartUpName]["StartUpAuthEnable"].is_null());
}

TEST_F(OvasimTest, TheJournalIsDumpedLineByLine) {
    FILE* journal = std::fopen("C:\\Program Files\\Ovanta\\ovacli-journal.txt", "wb");
    ASSERT_NE(journal, nullptr);
    std::fputs("300 initialize 0x2a 42\n300 terminate 0x2a 0\nnot a journal line\n", journal);
    std::fclose(journal);
    Json lines = Dump()["journal"];
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0],
              (Json{{"pid", 300}, {"operation", "initialize"}, {"handle", 42}, {"result", 42}}));
    EXPECT_EQ(lines[1]["operation"], "terminate");
    EXPECT_EQ(lines[2], (Json{{"line", "not a journal line"}}));
}

TEST_F(OvasimTest, UnknownVerbsFail) {
    EXPECT_NE(Ovasim("").exitCode, 0u);
    EXPECT_NE(Ovasim("bogus").exitCode, 0u);
    EXPECT_NE(Ovasim("dump extra").exitCode, 0u);
    EXPECT_NE(Ovasim("add-entry LAN only-three args").exitCode, 0u);
}

// Each item the editor reads when it opens, with a value of its own, as ovasim sets it.
struct SeededItem {
    unsigned item;
    const char* option;  // --int or --text
    const char* value;
};
const SeededItem kSeededItems[] = {
    {72, "--text", "\"D:\\Client Apps\\Ovanta\""},
    {77, "--int", "0"},
    {78, "--int", "0"},
    {79, "--int", "0"},
    {80, "--int", "0"},
    {41, "--int", "1"},
    {44, "--int", "1"},
    {45, "--text", "\"Wi-Fi 6 AX201\""},
    {46, "--text", "\"Realtek GbE\""},
    {47, "--int", "0"},
    {40, "--int", "1"},
    {49, "--int", "1"},
    {905, "--int", "1"},
    {907, "--int", "1"},
    {908, "--int", "0"},
    {909, "--int", "1"},
    {50, "--text", "10111"},
    {74, "--text", "\"-w30;;-d;;\""},
    {103, "--text", ".wcf"},
    {104, "--text", ".pcf"},
    {813, "--int", "0"},
    {902, "--text", "\"Ovanta 6.0.2 site\""},
    {130, "--int", "1"},
};

TEST_F(OvasimTest, EveryItemTheEditorReadsAtStartAnswersWhatOvasimStored) {
    for (const SeededItem& seed : kSeededItems)
        ASSERT_EQ(
            Ovasim("set-item " + std::to_string(seed.item) + " " + seed.option + " " + seed.value)
                .exitCode,
            0u)
            << seed.item;
    ASSERT_EQ(Ovasim("add-entry LAN C:\\p\\office.pcf alice pw1").exitCode, 0u);
    ASSERT_EQ(Ovasim("add-entry Wi-Fi C:\\p\\campus.wcf bob pw2").exitCode, 0u);

    LoadedModule store("OvaReg.dll");
    ASSERT_TRUE(store.ready());
    for (const SeededItem& seed : kSeededItems) {
        DWORD value = 12345, size = 1024, status = 0;
        char text[1024] = {};
        ASSERT_TRUE(store.object()->Invoke(seed.item, &value, text, &size, &status))
            << seed.item << " status " << status;
        std::string expected = seed.value;
        if (expected.front() == '"') expected = expected.substr(1, expected.size() - 2);
        if (std::string(seed.option) == "--int")
            EXPECT_EQ(value, std::stoul(expected)) << seed.item;
        else
            EXPECT_EQ(text, expected) << seed.item;
    }
    DWORD count = 0, size = 5120, status = 0;
    std::vector<char> list(5120, '\0');
    ASSERT_TRUE(store.object()->Invoke(43, &count, list.data(), &size, &status));
    EXPECT_EQ(count, 2u);
    EXPECT_STREQ(list.data(), "LAN;;Wi-Fi");
}

}  // namespace
