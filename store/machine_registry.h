// Reading one value under HKEY_LOCAL_MACHINE through the client library, with the application's
// library handle. Both readers show nothing: a failed read leaves the caller's default.
#pragma once

#include <windows.h>

constexpr DWORD kMachineTextSize = 1024;  // the reader's own buffer

// Reads a REG_SZ value into DESTINATION, which the caller has zero-filled and which holds
// DESTINATION_SIZE bytes (256 or 260 in the program). The text is cut at DESTINATION_SIZE - 1.
bool ReadMachineText(const char* keyPath, const char* valueName, char* destination,
                     size_t destinationSize);

// Reads a REG_DWORD value straight into *CELL.
bool ReadMachineDword(const char* keyPath, const char* valueName, DWORD* cell);
