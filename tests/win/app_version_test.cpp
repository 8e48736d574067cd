// The version code of the real system query, under each Windows version that Wine can report
// for one program (its per-application "Version" setting).
#include "tools/driver/driver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

namespace {

constexpr const char kAppDefaults[] = "Software\\Wine\\AppDefaults\\version_probe.exe";

// Runs the probe and returns {code, NT family}: its exit code holds both.
std::pair<int, bool> Probe() {
    const int exit = driver::Run("\"" + driver::OwnFolder() + "\\version_probe.exe\"");
    return {exit / 2, (exit & 1) != 0};
}

TEST(WindowsVersionOnWine, EachReportedVersionGivesItsCode) {
    // Wine reports its win7 setting as a server (it swaps it with 2008 R2), and win10 as 6.2 to a
    // program that declares no Windows 10 support.
    struct Case {
        const char* version;
        int code;
    } cases[] = {{"win98", 8}, {"winme", 9},  {"win2k", 14}, {"winxp", 15},
                 {"win7", 19}, {"win10", 22}, {nullptr, 20}};
    for (const Case& c : cases) {
        RegDeleteTreeA(HKEY_CURRENT_USER, kAppDefaults);
        if (c.version) {
            ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kAppDefaults, "Version", REG_SZ, c.version,
                                      static_cast<DWORD>(std::strlen(c.version) + 1)),
                      ERROR_SUCCESS);
        }
        auto [code, nt] = Probe();
        EXPECT_EQ(code, c.code) << (c.version ? c.version : "no setting");
        EXPECT_EQ(nt, c.code > 9) << (c.version ? c.version : "no setting");
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, kAppDefaults);
}

}  // namespace
