// Rules of two store texts the editor reads, free of Win32: the lock mask and the option string.
#pragma once

#include <array>
#include <cstddef>
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

// The option string with debug data switched ON (its marker "-dd;;" appended, the whole cut to
// CAPACITY - 1 characters like the buffer that holds it) or off (every "-dd;;", then every "-d;;"
// removed, again until none is left, so that the option reads as off however the markers sat).
std::string WithDebugData(const std::string& options, bool on, size_t capacity);

// The leading decimal number of TEXT, as the wait time is read: blanks, a sign and digits, the
// rest ignored; 0 when there is none. Values past the int range stop at its ends.
int LeadingNumber(const std::string& text);

}  // namespace settings
