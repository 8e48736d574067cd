// Answers the version code of the system it runs on as its exit code, so that a test can run it
// under each of Wine's per-application Windows versions.
#include "app/windows_version.h"

int main() {
    return GetWindowsVersionCode() * 2 + (IsNtFamily() ? 1 : 0);
}
