#include "sim/store/start_list_text.h"

namespace sim {
namespace {

constexpr std::string_view kSeparator = ";;";

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsLeadByte(char c) {
    return static_cast<unsigned char>(c) >= 0x81;
}

}  // namespace

std::optional<StartRecord> ParseStartRecord(std::string_view text) {
    std::size_t cardEnd = text.find(kSeparator);
    if (cardEnd == std::string_view::npos || cardEnd == 0) return std::nullopt;
    std::string_view rest = text.substr(cardEnd + kSeparator.size());
    if (rest.size() < kSeparator.size() ||
        rest.substr(rest.size() - kSeparator.size()) != kSeparator)
        return std::nullopt;
    return StartRecord{std::string(text.substr(0, cardEnd)),
                       std::string(rest.substr(0, rest.size() - kSeparator.size()))};
}

bool SameCardName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (IsLeadByte(a[i]) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            ++i;
            continue;
        }
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    }
    return true;
}

CardNameList JoinCardNames(const std::vector<std::string>& cards, std::size_t maxLength) {
    CardNameList list;
    for (const std::string& card : cards) {
        std::size_t grown = list.text.size() + (list.count ? kSeparator.size() : 0) + card.size();
        if (grown > maxLength) break;
        if (list.count) list.text += kSeparator;
        list.text += card;
        ++list.count;
    }
    return list;
}

}  // namespace sim
