// The profile files' names, free of Win32: the extensions the client's profile types use, the
// kind an extension stands for, and the test of whether a path names a start-up profile.
#pragma once

#include <string>

// A profile's kind is one of the card kinds, so that a profile and a card match when equal.
constexpr const char kProfileKindWired[] = "wired";
constexpr const char kProfileKindWireless[] = "ndis";

// Every profile extension, in the order the full scan visits them; only ".wcf" is wireless.
constexpr const char* kProfileExtensions[] = {".wcf", ".pcf", ".kpf", ".kcf", ".kif",
                                              ".hcf", ".hwf", ".smf", ".snf", ".m2f",
                                              ".m3f", ".mof", ".jnf", ".hjf", ".tef"};
// The extensions of the process-wide catalogue, in their order.
constexpr const char* kCatalogueExtensions[] = {".wcf", ".pcf", ".hcf"};

struct ProfileEntry {
    std::string name;  // the file name with its extension, no folder
    std::string path;  // the full path, which the settings store
    std::string kind;  // kProfileKindWired or kProfileKindWireless
};

// True when TEXT ends in SUFFIX, ASCII letter case ignored.
bool EndsWithIgnoringCase(const std::string& text, const char* suffix);

// "ndis" for a name whose last four characters are ".wcf" exactly (letter case counts, so
// A.WCF is wired), "wired" for every other.
const char* ProfileKindOf(const std::string& fileName);

// True when PATH ends in ".wcf", ".pcf", ".hcf", ".kcf", ".kif" or ".kpf", letter case ignored:
// the profiles a start-up shortcut may point to. The path is judged as a 512-byte buffer holds it,
// by its first 511 characters.
bool IsProfileFileName(const std::string& path);
