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

// One entry of the card list text, as the client's enumeration writes it. Neither name can carry
// '#' or '|', the format's own characters, nor ';', which separates the card names of the stored
// start list: each stands as '_', so that the card still shows, with its kind, and an entry made
// for it comes back, under a name as close to its own as the formats allow.
std::string CardListEntry(const std::string& ndisName, const std::string& displayName,
                          bool wireless);

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

// The NDIS names of the cards a drop-down list shows, entry i for line i. It grows with the
// cards, so a machine with many cards of one kind still offers every one of them; a line the
// table holds no entry for (no selection, or a list left from an earlier enumeration that found
// more cards) answers an empty name instead of reading past the table.
class NdisNameTable {
public:
    const std::string& operator[](int index) const;
    void Clear() { m_names.clear(); }
    void Add(const std::string& ndisName) { m_names.push_back(ndisName); }

private:
    std::vector<std::string> m_names;
};
