// The classification of a Windows version into the program's version codes, free of Win32.
#pragma once

namespace versionrules {

// What the version query reports, as far as the classification looks at it.
struct VersionFacts {
    unsigned platformId = 0;  // 0 Win32s, 1 Windows 9x, 2 NT
    unsigned major = 0;
    unsigned minor = 0;
    char servicePackSecond = 0;  // second character of the service-pack text, 0 when shorter
    unsigned productType = 0;    // 1 workstation; 0 when only the basic structure was filled
};

constexpr unsigned kWin32s = 0, kWindows9x = 1, kWindowsNt = 2;
constexpr unsigned kWorkstation = 1;

// 1..24 by the version table; 0 when the version is not classified.
int Classify(const VersionFacts& facts);

// NT platform 3.0 and later that the table knows.
inline bool IsNtCode(int code) {
    return code > 9;
}

}  // namespace versionrules
