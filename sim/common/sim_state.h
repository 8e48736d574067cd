// What every part of the simulated client shares: its registry keys, its fixtures and the
// journal of the client library's calls.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace sim {

constexpr const char kSimulatorKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\Simulator";
constexpr const char kStoreKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\Store";
constexpr const char kInstallDir[] = "C:\\Program Files\\Ovanta";
// The client's own firewall policy, a rule block (REG_BINARY).
constexpr const char kFirewallKey[] = "SOFTWARE\\Brenwick\\Ovanta\\6.0\\Firewall";
constexpr const char kFirewallPolicyValue[] = "Policy";

// Fixtures: values under HKLM kSimulatorKey; absent means normal behaviour.
std::optional<DWORD> FixtureDword(const char* name);
std::optional<std::string> FixtureText(const char* name);
bool FixtureListNames(const char* fixture, const std::string& name);  // ";"-list, case ignored

// The module (library or program) that holds this code, and its folder (no trailing backslash).
HMODULE ThisModule();
std::string ModuleFolder();

// The journal of the client library's calls, beside ovacli.dll.
constexpr const char kJournalName[] = "ovacli-journal.txt";
// Appends "pid operation handle result" to the journal.
void Journal(const char* operation, unsigned long long handle, long long result);
// A value write: the line goes on with the byte count the caller passed and the value's name.
void JournalValueWrite(unsigned long long handle, long long result, unsigned long bytes,
                       const char* name);
std::string JournalPath();

// RAII for a registry key.
class RegKey {
public:
    RegKey() = default;
    ~RegKey() { Close(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    LONG Open(HKEY root, const char* path, REGSAM access);
    LONG Create(HKEY root, const char* path, REGSAM access);
    void Close();
    HKEY get() const { return m_hKey; }
    explicit operator bool() const { return m_hKey != nullptr; }

private:
    HKEY m_hKey = nullptr;
};

// A REG_SZ value of the open KEY, written with its terminating zero.
LONG SetText(HKEY key, const char* name, const std::string& text);
std::optional<std::string> ReadText(HKEY root, const char* key, const char* name);
// The same from a key already open.
std::optional<std::string> ReadText(HKEY key, const char* name);
std::optional<DWORD> ReadDword(HKEY root, const char* key, const char* name);
std::optional<DWORD> ReadDword(HKEY key, const char* name);
// A REG_BINARY value under HKLM, or nothing when it is missing or of another type.
std::optional<std::vector<BYTE>> ReadBinary(const char* key, const char* name);
// The same from a key already open.
std::optional<std::vector<BYTE>> ReadBinary(HKEY key, const char* name);

}  // namespace sim
