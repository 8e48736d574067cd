#include "app/version_rules.h"

namespace versionrules {
namespace {

int ClassifyWindows9x(unsigned major, unsigned minor, char sp) {
    if (major != 4) return 0;
    switch (minor) {
        case 0:
            if (sp == 'A') return 3;
            if (sp == 'B' || sp == 'C') return 4;
            return 2;
        case 3:
            // OSR 2 and 2.5; any other letter is not a release the table knows
            if (sp == 'B') return 5;
            if (sp == 'C') return 6;
            return 0;
        case 10:
            return sp == 'A' || sp == 'B' ? 8 : 7;
        case 90:
            return 9;
        default:
            return 0;
    }
}

int ClassifyNt(unsigned major, unsigned minor, unsigned productType) {
    switch (major) {
        case 3:
            if (minor == 0) return 10;
            if (minor == 1) return 11;
            if (minor == 51) return 12;
            return 0;
        case 4:
            return 13;
        case 5:
            return minor <= 2 ? 14 + static_cast<int>(minor) : 0;
        case 6:
            if (minor > 3) return 0;
            // workstations take the even codes 18..24, servers the odd ones 17..23
            return 17 + 2 * static_cast<int>(minor) + (productType == kWorkstation ? 1 : 0);
        default:
            return 0;
    }
}

}  // namespace

int Classify(const VersionFacts& facts) {
    switch (facts.platformId) {
        case kWin32s:
            return 1;
        case kWindows9x:
            return ClassifyWindows9x(facts.major, facts.minor, facts.servicePackSecond);
        case kWindowsNt:
            return ClassifyNt(facts.major, facts.minor, facts.productType);
        default:
            return 0;
    }
}

}  // namespace versionrules
