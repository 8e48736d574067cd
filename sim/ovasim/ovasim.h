// ovasim's verbs and what they share. Each verb returns the process exit code: 0 on success,
// otherwise non-zero after saying on stderr what went wrong.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ovasim {

// A fresh installation; DEMO adds a lived-in client (cards, start list, a choice on every page).
int Reset(bool english, bool demo);
int Dump();
int SetItem(const std::vector<std::string>& args);
int AddEntry(const std::string& card, const std::string& profile, const std::string& id,
             const std::string& password);
int SetFixture(const std::string& name, const std::string* value);

// Every fixture the client reads, with the registry type its value is stored in, in the order
// the dump shows them.
enum class FixtureType { Text, Dword, Binary };
struct Fixture {
    const char* name;
    FixtureType type;
};
inline constexpr Fixture kFixtures[] = {
    {"Cards", FixtureType::Text},
    {"EnumCardResult", FixtureType::Dword},
    {"InitializeFails", FixtureType::Dword},
    {"Unloadable", FixtureType::Text},
    {"NoFactory", FixtureType::Text},
    {"FailItems", FixtureType::Text},
    {"MissingTexts", FixtureType::Text},
    {"FailRegValues", FixtureType::Text},
    {"FirewallPolicy", FixtureType::Binary},
};

// Prints "ovasim: " and the message to stderr; returns the failure exit code.
int Fail(const std::string& message);

// The client's profile folders: the common one (CSIDL_COMMON_APPDATA) and the user's
// (CSIDL_APPDATA), each followed by "\Ovanta\Profiles". Empty when the shell cannot say.
std::string CommonProfileFolder();
std::string UserProfileFolder();
// A shell folder by CSIDL, empty when the shell cannot say.
std::string ShellFolder(int csidl);

// Names of the files (not folders) in FOLDER that match PATTERN ("*.lnk"), sorted.
std::vector<std::string> FileNames(const std::string& folder, const char* pattern);

// The target of a shortcut file, empty when it cannot be resolved.
std::string ShortcutTarget(const std::string& linkPath);

// True when PATH ends with the extension of a profile file, letter case ignored.
bool IsProfilePath(const std::string& path);

// Conversions between the ANSI code page, UTF-16 and UTF-8 (for JSON).
std::string Utf8FromAnsi(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);
std::wstring WideFromAnsi(const std::string& text);
// The length of TEXT in bytes of the ANSI code page, zeros included.
size_t AnsiLength(const std::wstring& text);

}  // namespace ovasim
