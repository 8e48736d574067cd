#include "afx/debug.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

void AfxAssertFailed(const char* condition, const char* file, int line) {
    char text[1024] = {};
    std::snprintf(text, sizeof(text), "%s(%d): assertion failed: %s\n", file, line, condition);
    std::fputs(text, stderr);
    std::fflush(stderr);
    OutputDebugStringA(text);
    std::abort();
}
