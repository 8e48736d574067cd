// The version code of the real system query, under each Windows version that Wine can report
// for one program (its per-application "Version" setting).
#include "sim/common/sim_state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr const char kAppDefaults[] = "Software\\Wine\\AppDefaults\\version_probe.exe";

std::string ProbePath() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH - 1);
    std::string path(exe);
    return path.substr(0, path.find_last_of('\\')) + "\\version_probe.exe";
}

// Runs the probe and returns {code, NT family}.
std::pair<int, bool> Probe() {
    std::string command = "\"" + ProbePath() + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
        return {-1, false};
    WaitForSingleObject(pi.hProcess, 30000);
    DWORD exit = 0;
    GetExitCodeProcess(pi.hProcess, &exit);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return {static_cast<int>(exit / 2), (exit & 1) != 0};
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
            sim::RegKey key;
            ASSERT_EQ(key.Create(HKEY_CURRENT_USER, kAppDefaults, KEY_SET_VALUE), ERROR_SUCCESS);
            RegSetValueExA(key.get(), "Version", 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(c.version),
                           static_cast<DWORD>(std::strlen(c.version) + 1));
        }
        auto [code, nt] = Probe();
        EXPECT_EQ(code, c.code) << (c.version ? c.version : "no setting");
        EXPECT_EQ(nt, c.code > 9) << (c.version ? c.version : "no setting");
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, kAppDefaults);
}

}  // namespace
