// Rules of two store texts the editor reads, free of Win32: the lock mask and the option string.
#pragma once

#include <array>
#include <string>

namespace settings {

// Pages the lock mask can lock, by position: start list, auto-connect, default card, general
// options, trusted root certificates.
constexpr int kLockablePages = 5;

// Each of the first five characters that is "0" locks its page; a shorter mask locks nothing
// beyond its end, and every other character leaves the page as it is.
std::array<bool, kLockablePages> LockedPages(const std::string& mask);

// The client's option string holds "-dd;;" or "-d;;" exactly when debug data is on.
bool HasDebugMarker(const std::string& options);

}  // namespace settings
