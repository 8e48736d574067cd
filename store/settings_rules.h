// Rules of the store texts the editor reads and writes, free of Win32: the lock mask, the option
// string, the start list and its entry records.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

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

// The start list text holds at most this many characters, as its 5120-byte buffer does.
constexpr std::size_t kStartListTextLength = 5119;

// The card names of the start list TEXT (at most kStartListTextLength characters of it, up to a
// zero) that the start list page reads, in order: names are separated by runs of ";", so an
// empty list or one of separators alone has none. COUNT is the entry count the store answered
// with the text; once more names than it have been taken, no further one is taken, so the first
// and at most COUNT + 1 in all come back. Names are returned whole, whatever their length.
std::vector<std::string> StartListTokens(const std::string& text, int count);

// The record "CARD;;SECOND;;" of one start entry, where SECOND is its profile, password or ID;
// none when the two with their separators would not leave the record's 5120-byte buffer room
// for its terminating zero.
std::optional<std::string> StartEntryRecord(const std::string& card, const std::string& second);

}  // namespace settings
