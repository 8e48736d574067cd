#include "store/settings_rules.h"

#include <cstring>

namespace settings {

std::array<bool, kLockablePages> LockedPages(const std::string& mask) {
    std::array<bool, kLockablePages> locked{};
    for (size_t i = 0; i < locked.size() && i < mask.size(); ++i) locked[i] = mask[i] == '0';
    return locked;
}

bool HasDebugMarker(const std::string& options) {
    return options.find("-dd;;") != std::string::npos || options.find("-d;;") != std::string::npos;
}

namespace {

void RemoveEvery(std::string& text, const std::string& marker) {
    for (size_t at = text.find(marker); at != std::string::npos; at = text.find(marker))
        text.erase(at, marker.size());
}

}  // namespace

std::string WithDebugData(const std::string& options, bool on, size_t capacity) {
    std::string result = options;
    if (on) {
        result += "-dd;;";
    } else {
        // removing one marker can join the pieces around it into another
        while (HasDebugMarker(result)) {
            RemoveEvery(result, "-dd;;");
            RemoveEvery(result, "-d;;");
        }
    }
    if (capacity > 0 && result.size() > capacity - 1) result.resize(capacity - 1);
    return result;
}

int LeadingNumber(const std::string& text) {
    size_t i = text.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string::npos) return 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL) value = 2147483648LL;  // past every int already
    }
    if (negative) value = -value;
    if (value > 2147483647LL) value = 2147483647LL;
    return static_cast<int>(value);
}

std::vector<std::string> StartListTokens(const std::string& text, int count) {
    const std::string list(text.c_str(), strnlen(text.c_str(), kStartListTextLength));
    std::vector<std::string> tokens;
    std::string::size_type start = list.find_first_not_of(';');
    while (start != std::string::npos) {
        const std::string::size_type end = list.find(';', start);
        tokens.push_back(list.substr(start, end - start));
        if (static_cast<long long>(tokens.size()) > count) break;
        start = end == std::string::npos ? end : list.find_first_not_of(';', end);
    }
    return tokens;
}

std::optional<std::string> StartEntryRecord(const std::string& card, const std::string& second) {
    if (card.size() + second.size() + 4 > kStartListTextLength) return std::nullopt;
    return card + ";;" + second + ";;";
}

}  // namespace settings
