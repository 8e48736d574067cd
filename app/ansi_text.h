// The program's texts are multibyte texts in the system code page, but its few fixed Korean
// literals are written in UTF-8. This is the one place that converts them.
#pragma once

#include <windows.h>

#include <string>

// UTF-8 to the given code page (through UTF-16); CP_ACP for texts handed to the A functions.
std::string Utf8ToCodePage(const char* utf8, UINT codePage = CP_ACP);
