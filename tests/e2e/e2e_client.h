// What every e2e case does with the simulated client: reset it, set it up through ovasim, read
// its journal, and start the installed editor.
#pragma once

#include "tests/win/client_state.h"
#include "tools/driver/driver.h"

#include <string>
#include <vector>

namespace e2e {

constexpr const char kInstalledEditor[] = "\"C:\\Program Files\\Ovanta\\OvaSettings.exe\"";
constexpr DWORD kWindowTimeoutMs = 30000;

// Runs "ovasim ARGUMENTS" from the build's folder; true when it exits with 0.
bool Ovasim(const std::string& arguments);

// The installed client library's journal lines of process PID.
std::vector<testing_client::JournalEntry> Journal(DWORD pid);

// "ovasim dump" into *JSON; true when it succeeded.
bool OvasimDump(std::string* json);
// The dump without its "journal" member, which every call of the client library extends.
std::string WithoutJournal(const std::string& json);

// The UTF-8 literal in the system code page, as the editor's A functions show it.
std::string Ansi(const char* utf8);

}  // namespace e2e
