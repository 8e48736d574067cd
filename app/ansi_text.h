// The program's texts are multibyte texts in the system code page, but its few fixed Korean
// literals are written in UTF-8. This is the one place that converts them, and the one place
// that knows where a character of the system code page ends.
#pragma once

#include <windows.h>

#include <string>

// UTF-8 to the given code page (through UTF-16); CP_ACP for texts handed to the A functions.
std::string Utf8ToCodePage(const char* utf8, UINT codePage = CP_ACP);

// How many of the LENGTH bytes of TEXT a buffer keeps that has ROOM bytes for them: all when they
// fit, otherwise ROOM, or ROOM - 1 where the last kept byte would be the first half of a
// double-byte character. A stored name that kept half a character would begin no listed name.
size_t WholeCharactersIn(const char* text, size_t length, size_t room);
