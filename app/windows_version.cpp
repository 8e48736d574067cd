#include "app/windows_version.h"

#include "app/version_rules.h"

#include <windows.h>

int GetWindowsVersionCode() {
    OSVERSIONINFOEXA info = {};
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) {
        // older systems know only the basic structure; the product type then stays 0
        info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
        if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) return 0;
    }
    versionrules::VersionFacts facts;
    facts.platformId = info.dwPlatformId;
    facts.major = info.dwMajorVersion;
    facts.minor = info.dwMinorVersion;
    facts.servicePackSecond = info.szCSDVersion[0] ? info.szCSDVersion[1] : 0;
    facts.productType = info.wProductType;
    return versionrules::Classify(facts);
}

bool IsNtFamily() {
    return versionrules::IsNtCode(GetWindowsVersionCode());
}
