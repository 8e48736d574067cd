// The entries a folder search finds, with the search handle closed however the visit ends.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace sim {

// Calls VISIT with each entry PATTERN ("folder\\*", "folder\\*.lnk") finds, "." and ".." left
// out, until VISIT returns false.
template <typename Visit>
void ForEachFound(const std::string& pattern, Visit visit) {
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    const std::unique_ptr<void, decltype(&FindClose)> closer(search, &FindClose);
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != ".." && !visit(found)) return;
    } while (FindNextFileA(search, &found));
}

}  // namespace sim
