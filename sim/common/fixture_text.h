// The text forms of the simulator's fixtures, free of Win32 so that they are tested natively.
#pragma once

#include <optional>
#include <string>

namespace sim {

// True when NAME is one of the ";"-separated names of LIST, ignoring letter case.
bool ListContains(const std::string& list, const std::string& name);

// The status number that "N=S;N=S" gives item N, if any. Malformed pairs are passed over.
std::optional<unsigned> StatusForItem(const std::string& pairs, unsigned item);

}  // namespace sim
