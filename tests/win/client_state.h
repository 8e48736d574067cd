// The simulated client's state as the win-tier tests set and read it in-process: fixtures, the
// language, and the journal of the client library's calls.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testing_client {

void SetFixtureText(const char* name, const std::string& value);
void SetFixtureDword(const char* name, DWORD value);
void ClearFixtures();
void SetLanguage(DWORD language);  // 0 Korean, 1 English

struct JournalEntry {
    unsigned long pid;
    std::string operation;
    unsigned long long handle;
    long long result;
};
// The journal lines of this process, in order.
std::vector<JournalEntry> JournalOfThisProcess();

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
