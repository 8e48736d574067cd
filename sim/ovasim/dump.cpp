// `ovasim dump`: the whole client state as JSON, in a stable order (schema in sim/README.md).
#include "app/file_content.h"
#include "sim/common/fixture_text.h"
#include "sim/common/sim_state.h"
#include "sim/ovasim/ovasim.h"
#include "sim/ovasim/ovasim_text.h"
#include "sim/store/settings_store.h"
#include "store/com_ptr.h"

#include <nlohmann/json.hpp>
#include <shlobj.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <fstream>

namespace ovasim {
namespace {

using Json = nlohmann::ordered_json;

struct RegistryKey {
    HKEY root;
    const char* rootName;
    const char* path;
    std::vector<const char*> values;
};

// Every value the editor reads or writes, key by key.
std::vector<RegistryKey> EditorValues() {
    return {
        {HKEY_LOCAL_MACHINE,
         "HKLM",
         schema::kOvaGinaKey,
         {schema::kUseOvaGina, schema::kGinaNicName, schema::kGinaNdisName, schema::kGinaNicType,
          schema::kGinaProfilePathName, schema::kGinaAuthTimeout}},
        {HKEY_LOCAL_MACHINE, "HKLM", schema::kWinlogonKey, {schema::kGinaDll}},
        {HKEY_LOCAL_MACHINE,
         "HKLM",
         schema::kOvaSvcKey,
         {schema::kWireWirelessAutoSwitch, schema::kUserNotice, schema::kWireProfile,
          schema::kWirelessProfile, schema::kWireCard, schema::kWirelessCard}},
        {HKEY_LOCAL_MACHINE,
         "HKLM",
         schema::kStartUpKey,
         {schema::kStartUpProfile, schema::kStartUpDriver, schema::kStartUpAuthEnable}},
        {HKEY_LOCAL_MACHINE, "HKLM", schema::kRunKey, {schema::kRunOvanta}},
        {HKEY_LOCAL_MACHINE, "HKLM", schema::kOvaSettingsKey, {schema::kLanguage}},
        {HKEY_CURRENT_USER,
         "HKCU",
         schema::kUserOvaSettingsKey,
         {schema::kWirelessBase, schema::kWireBase}},
    };
}

// A registry value as it is stored: its JSON form by type, and its size in bytes.
struct StoredValue {
    Json value;
    Json bytes;
};

// Read through the W functions: the registry keeps texts in UTF-16, and only the stored form
// tells a text written with its terminating zero from one written without (an A query may add
// the zero). The size is given as the writer counted it, in bytes of the ANSI code page.
StoredValue ReadValue(HKEY root, const char* keyPath, const char* name) {
    StoredValue stored{Json(nullptr), Json(nullptr)};
    sim::RegKey key;
    if (key.Open(root, keyPath, KEY_QUERY_VALUE) != ERROR_SUCCESS) return stored;
    std::wstring wideName = WideFromAnsi(name);
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS)
        return stored;
    std::vector<BYTE> data(size + sizeof(wchar_t), 0);
    if (RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type, data.data(), &size) !=
        ERROR_SUCCESS)
        return stored;
    if (type == REG_DWORD && size == sizeof(DWORD)) {
        DWORD number = 0;
        std::memcpy(&number, data.data(), sizeof number);
        stored.value = number;
        stored.bytes = size;
    } else if (type == REG_SZ || type == REG_EXPAND_SZ) {
        std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
        stored.bytes = AnsiLength(text);
        stored.value = Utf8FromWide(text.c_str());  // up to the first zero
    } else {
        stored.value = HexText(data.data(), size);
        stored.bytes = size;
    }
    return stored;
}

Json Entries(const std::vector<sim::StoredEntry>& entries) {
    Json list = Json::array();
    for (const sim::StoredEntry& entry : entries) {
        list.push_back({{"card", Utf8FromAnsi(entry.card)},
                        {"profile", Utf8FromAnsi(entry.profile)},
                        {"id", Utf8FromAnsi(entry.id)},
                        {"passwordSet", !entry.passwordBlob.empty()}});
    }
    return list;
}

Json StoreState() {
    std::vector<sim::StoredEntry> committed, pending;
    bool pendingExists = false;
    sim::LoadStartList(sim::kStartListKeyPath, &committed, nullptr);
    sim::LoadStartList(sim::kPendingListKeyPath, &pending, &pendingExists);

    std::vector<std::string> cards;
    for (const sim::StoredEntry& entry : committed) cards.push_back(entry.card);
    std::string startList = sim::JoinCardNames(cards, schema::kStartListTextSize - 1).text;

    Json items = Json::object();
    bool startListShown = false;
    for (const sim::StoredItem& item : sim::kStoredItems) {
        if (!startListShown && item.number > schema::kItemStartList) {
            items[std::to_string(schema::kItemStartList)] = Utf8FromAnsi(startList);
            startListShown = true;
        }
        StoredValue stored = ReadValue(HKEY_LOCAL_MACHINE, item.key, item.valueName);
        items[std::to_string(item.number)] = stored.value;
    }
    return {{"items", items},
            {"startList", Entries(committed)},
            {"pendingStartList", pendingExists ? Entries(pending) : Json(nullptr)}};
}

void Registry(Json* values, Json* sizes) {
    *values = Json::object();
    *sizes = Json::object();
    for (const RegistryKey& key : EditorValues()) {
        std::string name = std::string(key.rootName) + "\\" + key.path;
        Json keyValues = Json::object(), keySizes = Json::object();
        for (const char* value : key.values) {
            StoredValue stored = ReadValue(key.root, key.path, value);
            keyValues[value] = stored.value;
            keySizes[value] = stored.bytes;
        }
        (*values)[name] = keyValues;
        (*sizes)[name] = keySizes;
    }
}

Json Fixtures() {
    Json fixtures = Json::object();
    for (const Fixture& fixture : kFixtures)
        fixtures[fixture.name] =
            ReadValue(HKEY_LOCAL_MACHINE, sim::kSimulatorKey, fixture.name).value;
    return fixtures;
}

Json Shortcuts(int csidl) {
    Json shortcuts = Json::array();
    std::string folder = ShellFolder(csidl);
    for (const std::string& name : FileNames(folder, "*.lnk")) {
        shortcuts.push_back({{"name", Utf8FromAnsi(name)},
                             {"target", Utf8FromAnsi(ShortcutTarget(folder + "\\" + name))}});
    }
    return shortcuts;
}

Json NameList(const std::vector<std::string>& names) {
    Json list = Json::array();
    for (const std::string& name : names) list.push_back(Utf8FromAnsi(name));
    return list;
}

Json Profiles(const std::string& folder) {
    Json profiles = Json::array();
    for (const std::string& name : FileNames(folder, "*")) {
        const sim::ProfileFacts facts =
            sim::ReadProfileFacts(ReadFileContent(folder + "\\" + name).value_or(std::string()));
        profiles.push_back({{"name", Utf8FromAnsi(name)},
                            {"credentials", facts.credentials},
                            {"readable", facts.readable}});
    }
    return profiles;
}

Json Journal() {
    Json lines = Json::array();
    std::ifstream file(std::string(sim::kInstallDir) + "\\" + sim::kJournalName, std::ios::binary);
    std::string text;
    while (std::getline(file, text)) {
        if (text.empty() || text == "\r") continue;
        if (auto line = ParseJournalLine(text)) {
            Json entry = {{"pid", line->pid},
                          {"operation", line->operation},
                          {"handle", line->handle},
                          {"result", line->result}};
            if (line->bytes) {
                entry["bytes"] = *line->bytes;
                entry["value"] = Utf8FromAnsi(line->valueName);
            }
            lines.push_back(entry);
        } else {
            lines.push_back({{"line", Utf8FromAnsi(text)}});
        }
    }
    return lines;
}

}  // namespace

int Dump() {
    ComScope com;
    const std::string install = sim::kInstallDir;
    Json state = Json::object();
    state["installDir"] = Utf8FromAnsi(install);
    state["installFiles"] = NameList(FileNames(install, "*"));
    state["store"] = StoreState();
    Json registry, registryBytes;
    Registry(&registry, &registryBytes);
    state["registry"] = registry;
    state["registryBytes"] = registryBytes;
    state["fixtures"] = Fixtures();
    state["startupShortcuts"] = {{"common", Shortcuts(CSIDL_COMMON_STARTUP)},
                                 {"user", Shortcuts(CSIDL_STARTUP)}};
    state["certFiles"] = NameList(FileNames(install + "\\Cert", "*"));
    state["profiles"] = {{"common", Profiles(CommonProfileFolder())},
                         {"user", Profiles(UserProfileFolder())}};
    state["journal"] = Journal();

    std::string text = state.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
    _setmode(_fileno(stdout), _O_BINARY);  // UTF-8 as it is, with "\n" line ends
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout))
        return Fail("cannot write the dump");
    return 0;
}

}  // namespace ovasim
