#include "store/machine_registry.h"

#include "app/ovasettings_app.h"
#include "client/ovacli.h"

#include <cstring>

namespace {

// A process without the application object (a test program that makes none) has no library
// handle to read with: every read fails, and the callers keep their defaults.
bool HasApplicationObject() {
    return GetOvaSettingsApp() != nullptr;
}

}  // namespace

bool ReadMachineText(const char* keyPath, const char* valueName, char* destination,
                     size_t destinationSize) {
    if (!HasApplicationObject()) return false;
    char data[kMachineTextSize] = {};
    char error[kQtvErrorSize] = {};
    DWORD type = REG_SZ;
    DWORD size = kMachineTextSize;
    if (QTV_CLI_reg_query_value(GetOvaSettingsApp()->m_hClient, kQtvRootHklm, keyPath, valueName,
                                &type, data, &size, error) != 0)
        return false;
    // A stored text longer than the caller's buffer keeps its first size - 1 bytes: the
    // destination never overflows and its terminating zero stays.
    size_t length = strnlen(data, kMachineTextSize - 1);
    if (destinationSize == 0) return true;
    if (length > destinationSize - 1) length = destinationSize - 1;
    std::memcpy(destination, data, length);
    return true;
}

bool ReadMachineDword(const char* keyPath, const char* valueName, DWORD* cell) {
    if (!HasApplicationObject()) return false;
    char error[kQtvErrorSize] = {};
    DWORD type = REG_DWORD;
    DWORD size = sizeof(DWORD);
    return QTV_CLI_reg_query_value(GetOvaSettingsApp()->m_hClient, kQtvRootHklm, keyPath, valueName,
                                   &type, cell, &size, error) == 0;
}
