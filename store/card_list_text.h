// The card list text that the client's card enumeration answers, free of Win32:
// entries "ndis||display||flag", each followed by "##"; flag "1" is a wireless card.
#pragma once

#include <string>
#include <vector>

constexpr const char kNicTypeWired[] = "wired";
constexpr const char kNicTypeWireless[] = "ndis";

struct NicEntry {
    std::string NicName;   // display name
    std::string NicType;   // "wired" or "ndis"
    std::string NdisName;  // NDIS name
};

// The card list's own parse: entries up to the last "##", an empty entry ends the list, entries
// missing a name are skipped, every flag but "1" (case ignored) counts as wired.
std::vector<NicEntry> ParseCardList(const std::string& text);

// The split the pages use on the same text: cut at every single '#' and take the pieces at even
// positions up to the first empty one; each is cut at every single '|' and its pieces 0, 2 and 4
// are the NDIS name, the display name and the flag (missing pieces are empty).
struct RawCardEntry {
    std::string ndisName;
    std::string displayName;
    std::string flag;
};
std::vector<RawCardEntry> SplitCardListByCharacter(const std::string& text);
