// The simulator's text forms: its fixtures, the profile files it reads and the callers' buffers,
// free of Win32 so that they are tested natively.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sim {

// True when NAME is one of the ";"-separated names of LIST, ignoring letter case.
bool ListContains(const std::string& list, const std::string& name);

// The status number that "N=S;N=S" gives item N, if any. Malformed pairs are passed over.
std::optional<unsigned> StatusForItem(const std::string& pairs, unsigned item);

// What the client reads of a profile file's TEXT: whether its first line is "[Profile]" (else it
// cannot read the file at all), and whether a line "Credentials=1" asks for an ID and a password.
// Lines end with "\n" or "\r\n".
struct ProfileFacts {
    bool readable = false;
    bool credentials = false;
};
ProfileFacts ReadProfileFacts(std::string_view text);

// Copies TEXT into a buffer of SIZE bytes: at most SIZE - 1 characters and a terminating zero.
// Returns the number of characters copied. A SIZE of 0 copies nothing.
std::size_t CopyCut(std::string_view text, char* buffer, std::size_t size);

// A text written into a buffer of SIZE bytes: up to its zero, or all SIZE bytes when it has none.
std::string_view TextInBuffer(const char* buffer, std::size_t size);

}  // namespace sim
