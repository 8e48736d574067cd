#include "store/settings_rules.h"

namespace settings {

std::array<bool, kLockablePages> LockedPages(const std::string& mask) {
    std::array<bool, kLockablePages> locked{};
    for (size_t i = 0; i < locked.size() && i < mask.size(); ++i) locked[i] = mask[i] == '0';
    return locked;
}

bool HasDebugMarker(const std::string& options) {
    return options.find("-dd;;") != std::string::npos || options.find("-d;;") != std::string::npos;
}

}  // namespace settings
