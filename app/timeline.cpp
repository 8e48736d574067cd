#include "app/timeline.h"

#include <windows.h>

#include <cstdio>

// Process start as the system recorded it, so that the loader's work before our first line counts.
void MarkTimelineStep(const char* step, int number) {
    FILETIME created = {}, exited = {}, kernel = {}, user = {}, now = {};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    char line[160] = {};
    const double ms = static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
    int length =
        number < 0
            ? std::snprintf(line, sizeof line, "OvaSettings timeline %7.1f ms  %s\n", ms, step)
            : std::snprintf(line, sizeof line, "OvaSettings timeline %7.1f ms  %s %d\n", ms, step,
                            number);
    DWORD written = 0;
    if (length > 0)
        WriteFile(GetStdHandle(STD_ERROR_HANDLE), line, static_cast<DWORD>(length), &written,
                  nullptr);
}
