// The simulated client's state as the win-tier tests set and read it in-process: fixtures, the
// language, and the journal of the client library's calls.
#pragma once

#include "sim/ovasim/ovasim_text.h"

#include <windows.h>

#include <string>
#include <vector>

namespace testing_client {

void SetFixtureText(const char* name, const std::string& value);
void SetFixtureDword(const char* name, DWORD value);
void ClearFixtures();
void SetLanguage(DWORD language);  // 0 Korean, 1 English

using JournalEntry = ovasim::JournalLine;
// The lines of process PID in the journal at PATH, in order.
std::vector<JournalEntry> JournalOf(const std::string& path, DWORD pid);
// The journal lines of this process, in order, from the journal beside the test program.
std::vector<JournalEntry> JournalOfThisProcess();

// Interface text NUMBER (command 1) as the text module answers it now.
std::string InterfaceText(unsigned number);

// Clears fixtures and sets the language on construction, and clears fixtures again at the end.
class ScopedClient {
public:
    explicit ScopedClient(DWORD language = 1) {
        ClearFixtures();
        SetLanguage(language);
    }
    ~ScopedClient() { ClearFixtures(); }
};

}  // namespace testing_client
