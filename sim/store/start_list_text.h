// The texts of the store's start list: the records items 65, 68 and 69 carry, the card-name list
// item 43 answers, and the cut every text answer gets. Free of Win32, so it is tested natively.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

// One record "card;;value;;" of items 65 (profile), 68 (password) and 69 (ID).
struct StartRecord {
    std::string card;
    std::string value;
};

// The card ends at the first ";;" and the value at the last one, so a value may itself hold ";".
// Anything else, or an empty card name, is not a record.
std::optional<StartRecord> ParseStartRecord(std::string_view text);

// Card names are compared ignoring the case of ASCII letters. A byte of 0x81 or more starts a
// double-byte character of the client's code page, compared exactly: its second byte may look
// like an ASCII letter and must not be folded.
bool SameCardName(std::string_view a, std::string_view b);

// The answer of item 43: card names separated by ";;". Only whole names that fit in maxLength
// characters are taken, so a cut never leaves half a name behind; count says how many.
struct CardNameList {
    std::string text;
    std::size_t count = 0;
};
CardNameList JoinCardNames(const std::vector<std::string>& cards, std::size_t maxLength);

}  // namespace sim
