#include "tests/win/client_state.h"

#include "client/loaded_module.h"
#include "sim/common/sim_state.h"
#include "store/registry_schema.h"
#include "tools/driver/driver.h"

#include <fstream>

namespace testing_client {

// Each key is made when missing, as a reset leaves none of them.
void SetFixtureText(const char* name, const std::string& value) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, sim::kSimulatorKey, name, REG_SZ, value.c_str(),
                    static_cast<DWORD>(value.size() + 1));
}

void SetFixtureDword(const char* name, DWORD value) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, sim::kSimulatorKey, name, REG_DWORD, &value, sizeof value);
}

void ClearFixtures() {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, sim::kSimulatorKey);
}

void SetLanguage(DWORD language) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, schema::kOvaSettingsKey, schema::kLanguage, REG_DWORD,
                    &language, sizeof language);
}

std::vector<JournalEntry> JournalOf(const std::string& path, DWORD pid) {
    std::ifstream file(path);
    std::vector<JournalEntry> entries;
    std::string line;
    while (std::getline(file, line)) {
        auto entry = ovasim::ParseJournalLine(line);
        if (entry && entry->pid == pid) entries.push_back(*entry);
    }
    return entries;
}

std::vector<JournalEntry> JournalOfThisProcess() {
    // the journal lies beside ovacli.dll, which the tests load from their own folder
    return JournalOf(driver::OwnFolder() + "\\ovacli-journal.txt", GetCurrentProcessId());
}

std::string InterfaceText(unsigned number) {
    LoadedModule module("OvaText.dll");
    if (!module.ready()) return {};
    char text[1024] = {};
    DWORD size = sizeof text, cell = number, status = 0;
    module.object()->Invoke(1, &cell, text, &size, &status);
    return text;
}

}  // namespace testing_client
