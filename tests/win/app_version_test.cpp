// The version code of the real system query, under each Windows version that Wine can report
// for one program (its per-application "Version" setting).
#include "tests/win/template_support.h"
#include "tools/driver/driver.h"

namespace {

constexpr const char kAppDefaults[] = "Software\\Wine\\AppDefaults\\version_probe.exe";

// Wine reports its win7 setting as a server (it swaps it with 2008 R2), and win10 as 6.2 to a
// program that declares no Windows 10 support.
TEST(WindowsVersionOnWine, EachReportedVersionGivesItsCode) {
    const std::pair<const char*, int> cases[] = {{"win98", 8},  {"winme", 9}, {"win2k", 14},
                                                 {"winxp", 15}, {"win7", 19}, {"win10", 22},
                                                 {nullptr, 20}};
    for (const auto& [version, code] : cases) {
        SCOPED_TRACE(version ? version : "no setting");
        templates::SetText(HKEY_CURRENT_USER, kAppDefaults, "Version",
                           version ? std::optional<std::string>(version) : std::nullopt);
        // the probe's exit code holds both the code and whether it is of the NT family
        const int exit = driver::Run("\"" + driver::OwnFolder() + "\\version_probe.exe\"");
        EXPECT_EQ(exit / 2, code);
        EXPECT_EQ((exit & 1) != 0, code > 9);
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, kAppDefaults);
}

}  // namespace
