#include "tests/e2e/e2e_client.h"

#include <nlohmann/json.hpp>

namespace e2e {

bool Ovasim(const std::string& arguments) {
    return driver::Run("\"" + driver::OwnFolder() + "\\ovasim.exe\" " + arguments) == 0;
}

bool OvasimDump(std::string* json) {
    return driver::Run("\"" + driver::OwnFolder() + "\\ovasim.exe\" dump", json) == 0;
}

std::string WithoutJournal(const std::string& json) {
    auto state = nlohmann::json::parse(json, nullptr, false);
    if (state.is_discarded()) return "not JSON: " + json;
    state.erase("journal");
    return state.dump(1);
}

std::vector<testing_client::JournalEntry> Journal(DWORD pid) {
    return testing_client::JournalOf("C:\\Program Files\\Ovanta\\ovacli-journal.txt", pid);
}

std::string Ansi(const char* utf8) {
    wchar_t wide[512] = {};
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, 511);
    char ansi[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, 1023, nullptr, nullptr);
    return ansi;
}

}  // namespace e2e
