#include "store/machine_registry.h"

#include "app/ansi_text.h"
#include "app/fixed_text.h"
#include "app/ovasettings_app.h"
#include "client/ovacli.h"

#include <cstring>

bool ReadMachineText(const char* keyPath, const char* valueName, char* destination,
                     size_t destinationSize) {
    char data[kQtvRegDataSize] = {};
    char error[kQtvErrorSize] = {};
    DWORD type = REG_SZ;
    DWORD size = kQtvRegDataSize;
    if (QTV_CLI_reg_query_value(ClientHandle(), kQtvRootHklm, keyPath, valueName, &type, data,
                                &size, error) != 0)
        return false;
    // A stored text longer than the caller's buffer is cut between whole characters: the
    // destination never overflows and its terminating zero stays.
    if (destinationSize == 0) return true;
    const size_t length =
        WholeCharactersIn(data, strnlen(data, kQtvRegDataSize - 1), destinationSize - 1);
    std::memcpy(destination, data, length);
    return true;
}

bool ReadMachineString(const char* keyPath, const char* valueName, size_t bufferSize,
                       std::string* value) {
    std::string buffer(bufferSize, '\0');
    if (!ReadMachineText(keyPath, valueName, buffer.data(), bufferSize)) return false;
    value->assign(buffer.c_str());
    return true;
}

bool ReadMachineDword(const char* keyPath, const char* valueName, DWORD* cell) {
    char error[kQtvErrorSize] = {};
    DWORD type = REG_DWORD;
    DWORD size = sizeof(DWORD);
    return QTV_CLI_reg_query_value(ClientHandle(), kQtvRootHklm, keyPath, valueName, &type, cell,
                                   &size, error) == 0;
}

namespace {

// Every call gets a zero-filled error buffer of its own; the text goes to the caller on failure.
bool Done(int result, const char (&text)[kQtvErrorSize], std::string* error) {
    if (result != 0 && error) *error = TextOf(text, sizeof text);
    return result == 0;
}

}  // namespace

bool CreateMachineKey(const char* keyPath, std::string* error) {
    char text[kQtvErrorSize] = {};
    return Done(QTV_CLI_reg_create_key(ClientHandle(), kQtvRootHklm, keyPath, text), text, error);
}

bool WriteMachineText(const char* keyPath, const char* valueName, const std::string& value,
                      TextBytes bytes, std::string* error) {
    char text[kQtvErrorSize] = {};
    const DWORD size = static_cast<DWORD>(value.size()) + (bytes == TextBytes::kWithZero ? 1 : 0);
    return Done(QTV_CLI_reg_set_value(ClientHandle(), kQtvRootHklm, keyPath, valueName, REG_SZ,
                                      value.c_str(), size, text),
                text, error);
}

bool WriteMachineDword(const char* keyPath, const char* valueName, DWORD value,
                       std::string* error) {
    char text[kQtvErrorSize] = {};
    return Done(QTV_CLI_reg_set_value(ClientHandle(), kQtvRootHklm, keyPath, valueName, REG_DWORD,
                                      &value, sizeof value, text),
                text, error);
}

bool DeleteMachineValue(const char* keyPath, const char* valueName) {
    char text[kQtvErrorSize] = {};
    return QTV_CLI_reg_delete_value(ClientHandle(), kQtvRootHklm, keyPath, valueName, text) == 0;
}
