#include "sim/common/sim_state.h"

#include "sim/common/fixture_text.h"

#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

namespace sim {

LONG RegKey::Open(HKEY root, const char* path, REGSAM access) {
    Close();
    return RegOpenKeyExA(root, path, 0, access, &m_hKey);
}

LONG RegKey::Create(HKEY root, const char* path, REGSAM access) {
    Close();
    return RegCreateKeyExA(root, path, 0, nullptr, 0, access, nullptr, &m_hKey, nullptr);
}

void RegKey::Close() {
    if (m_hKey) RegCloseKey(m_hKey);
    m_hKey = nullptr;
}

std::optional<std::string> ReadText(HKEY key, const char* name) {
    // most values fit the first buffer: one query, not one for the size and one for the text
    std::vector<char> data(256, '\0');
    DWORD type = 0, size = static_cast<DWORD>(data.size() - 1);
    LONG result =
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
    if (result == ERROR_MORE_DATA) {
        data.assign(size + 1, '\0');
        result = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                                  &size);
    }
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    return std::string(data.data());  // stored with or without its zero, both read the same
}

LONG SetText(HKEY key, const char* name, const std::string& text) {
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1));
}

std::optional<std::string> ReadText(HKEY root, const char* key, const char* name) {
    RegKey k;
    if (k.Open(root, key, KEY_QUERY_VALUE) != ERROR_SUCCESS) return std::nullopt;
    return ReadText(k.get(), name);
}

std::optional<DWORD> ReadDword(HKEY root, const char* key, const char* name) {
    RegKey k;
    if (k.Open(root, key, KEY_QUERY_VALUE) != ERROR_SUCCESS) return std::nullopt;
    return ReadDword(k.get(), name);
}

std::optional<DWORD> ReadDword(HKEY key, const char* name) {
    DWORD type = 0, value = 0, size = sizeof value;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
        return std::nullopt;
    return value;
}

std::optional<std::vector<BYTE>> ReadBinary(HKEY key, const char* name) {
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_BINARY)
        return std::nullopt;
    std::vector<BYTE> data(size);
    if (RegQueryValueExA(key, name, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    data.resize(size);
    return data;
}

std::optional<std::vector<BYTE>> ReadBinary(const char* key, const char* name) {
    RegKey k;
    if (k.Open(HKEY_LOCAL_MACHINE, key, KEY_QUERY_VALUE) != ERROR_SUCCESS) return std::nullopt;
    return ReadBinary(k.get(), name);
}

namespace {

// One fixture's type and bytes, or the registry's error. The fixtures' key stays open once found,
// so that a look-up is one query: every library call makes one or two. A key deleted meanwhile (a
// reset removes it, and a fixture set afterwards makes it anew) is opened again; a key that is
// not there is looked for again at the next look-up.
LONG QueryFixture(const char* name, DWORD* type, std::vector<BYTE>* data) {
    static RegKey key;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!key.get() &&
            key.Open(HKEY_LOCAL_MACHINE, kSimulatorKey, KEY_QUERY_VALUE) != ERROR_SUCCESS)
            return ERROR_FILE_NOT_FOUND;
        data->assign(256, 0);
        DWORD size = static_cast<DWORD>(data->size());
        LONG result = RegQueryValueExA(key.get(), name, nullptr, type, data->data(), &size);
        if (result == ERROR_MORE_DATA) {
            data->assign(size, 0);
            result = RegQueryValueExA(key.get(), name, nullptr, type, data->data(), &size);
        }
        if (result != ERROR_KEY_DELETED) {
            data->resize(result == ERROR_SUCCESS ? size : 0);
            return result;
        }
        key.Close();
    }
    return ERROR_FILE_NOT_FOUND;
}

}  // namespace

std::optional<DWORD> FixtureDword(const char* name) {
    DWORD type = 0;
    std::vector<BYTE> data;
    if (QueryFixture(name, &type, &data) != ERROR_SUCCESS || type != REG_DWORD ||
        data.size() != sizeof(DWORD))
        return std::nullopt;
    DWORD value = 0;
    std::memcpy(&value, data.data(), sizeof value);
    return value;
}

std::optional<std::string> FixtureText(const char* name) {
    DWORD type = 0;
    std::vector<BYTE> data;
    if (QueryFixture(name, &type, &data) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    // stored with or without its zero, both read the same
    return std::string(reinterpret_cast<const char*>(data.data()),
                       strnlen(reinterpret_cast<const char*>(data.data()), data.size()));
}

bool FixtureListNames(const char* fixture, const std::string& name) {
    auto list = FixtureText(fixture);
    return list && ListContains(*list, name);
}

HMODULE ThisModule() {
    HMODULE self = nullptr;
    GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&ThisModule), &self);
    return self;
}

std::string ModuleFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(ThisModule(), path, MAX_PATH - 1);
    std::string folder(path);
    size_t slash = folder.find_last_of('\\');
    return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

std::string JournalPath() {
    // the library's folder does not change while it is loaded: asked once, not at every call
    static const std::string path = ModuleFolder() + "\\" + kJournalName;
    return path;
}

namespace {

// The journal stays open while the library is loaded: opening and closing it at every call cost
// more than most calls themselves. The handle may only append, so every line goes to the file's
// end as it is at that moment, and a journal that `ovasim reset` empties meanwhile goes on from
// its start. Readers, writers and a delete are never refused.
class JournalFile {
public:
    JournalFile() = default;
    ~JournalFile() {
        if (m_hFile != INVALID_HANDLE_VALUE) CloseHandle(m_hFile);
    }
    JournalFile(const JournalFile&) = delete;
    JournalFile& operator=(const JournalFile&) = delete;

    // Written before the call returns, with the line end the journal has always had.
    void Append(std::string line) {
        if (m_hFile == INVALID_HANDLE_VALUE)
            m_hFile = CreateFileA(JournalPath().c_str(), FILE_APPEND_DATA,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (m_hFile == INVALID_HANDLE_VALUE) return;  // tried again at the next line
        line += "\r\n";
        DWORD written = 0;
        WriteFile(m_hFile, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }

private:
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
};

void AppendJournalLine(std::string line) {
    static JournalFile file;
    file.Append(std::move(line));
}

}  // namespace

void Journal(const char* operation, unsigned long long handle, long long result) {
    char line[160] = {};
    std::snprintf(line, sizeof line, "%lu %s 0x%llx %lld", GetCurrentProcessId(), operation, handle,
                  result);
    AppendJournalLine(line);
}

void JournalValueWrite(unsigned long long handle, long long result, unsigned long bytes,
                       const char* name) {
    char line[160] = {};
    std::snprintf(line, sizeof line, "%lu reg_set_value 0x%llx %lld %lu ", GetCurrentProcessId(),
                  handle, result, bytes);
    AppendJournalLine(std::string(line) + (name ? name : ""));
}

}  // namespace sim
