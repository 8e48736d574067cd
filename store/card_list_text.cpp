#include "store/card_list_text.h"

namespace {

// "1" has no letter case, so comparing it ignoring case is plain equality
bool IsWirelessFlag(const std::string& flag) {
    return flag == "1";
}

std::vector<std::string> SplitAtEach(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(separator, start);
        if (end == std::string::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

}  // namespace

std::string CardListEntry(const std::string& ndisName, const std::string& displayName,
                          bool wireless) {
    const auto carried = [](std::string name) {
        for (char& c : name)
            if (c == '#' || c == '|' || c == ';') c = '_';
        return name;
    };
    return carried(ndisName) + "||" + carried(displayName) + (wireless ? "||1##" : "||0##");
}

std::vector<NicEntry> ParseCardList(const std::string& text) {
    std::vector<NicEntry> cards;
    std::string rest = text;
    size_t pos = rest.find("##");
    // a position of 0 is an empty entry, which ends the list like a missing "##"
    while (pos != std::string::npos && pos >= 1) {
        std::string entry = rest.substr(0, pos);
        rest = rest.substr(pos + 2);
        pos = rest.find("##");

        std::string ndis, display, flag;
        size_t first = entry.find("||");
        if (first == std::string::npos) {
            display = entry;  // no separator: field 1 is empty, so the entry is skipped
        } else {
            ndis = entry.substr(0, first);
            size_t second = entry.find("||", first + 2);
            if (second != std::string::npos) {
                display = entry.substr(first + 2, second - first - 2);
                flag = entry.substr(second + 2);
            }
        }
        if (ndis.empty() || display.empty()) continue;
        cards.push_back(
            NicEntry{display, IsWirelessFlag(flag) ? kNicTypeWireless : kNicTypeWired, ndis});
    }
    return cards;
}

std::vector<RawCardEntry> SplitCardListByCharacter(const std::string& text) {
    std::vector<RawCardEntry> entries;
    std::vector<std::string> pieces = SplitAtEach(text, '#');
    for (size_t i = 0; i < pieces.size(); i += 2) {
        if (pieces[i].empty()) break;
        std::vector<std::string> fields = SplitAtEach(pieces[i], '|');
        auto field = [&fields](size_t n) { return n < fields.size() ? fields[n] : std::string(); };
        entries.push_back(RawCardEntry{field(0), field(2), field(4)});
    }
    return entries;
}

const std::string& NdisNameTable::operator[](int index) const {
    static const std::string kNoCard;
    const auto position = static_cast<unsigned>(index);
    return position < m_names.size() ? m_names[position] : kNoCard;
}
