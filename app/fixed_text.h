// Texts in the program's fixed buffers. A text copied in is cut at the buffer's size minus one
// and ended by a zero; a text read out ends at its zero and never past that same byte, so a
// buffer a caller filled to the last byte is never read beyond it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

// Copies the text in FROM, of at most FROM_SIZE bytes (its zero perhaps missing), into the
// TO_SIZE bytes of TO.
inline void CopyCut(char* to, std::size_t toSize, const char* from, std::size_t fromSize) {
    const std::size_t length = strnlen(from, std::min(fromSize, toSize - 1));
    std::memcpy(to, from, length);
    to[length] = '\0';
}
template <std::size_t N>
void CopyCut(char (&to)[N], const char* from, std::size_t fromSize = N) {
    CopyCut(to, N, from, fromSize);
}
template <std::size_t N>
void CopyCut(char (&to)[N], const std::string& from) {
    CopyCut(to, N, from.c_str(), from.size() + 1);
}

// The text in the SIZE bytes of BUFFER.
inline std::string TextOf(const char* buffer, std::size_t size) {
    return std::string(buffer, strnlen(buffer, size - 1));
}
