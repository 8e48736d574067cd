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

}  // namespace settings
