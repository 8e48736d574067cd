// Reading and writing one value under HKEY_LOCAL_MACHINE through the client library, with the
// application's library handle. Nothing here shows a message: a failed read leaves the caller's
// default, and a failed write hands the library's own error text to the caller, who reports it.
#pragma once

#include <windows.h>

#include <string>

// Reads a REG_SZ value into DESTINATION, which the caller has zero-filled and which holds
// DESTINATION_SIZE bytes (256 or 260 in the program). The text is cut at DESTINATION_SIZE - 1.
bool ReadMachineText(const char* keyPath, const char* valueName, char* destination,
                     size_t destinationSize);
// The same through a zero-filled buffer of BUFFER_SIZE bytes into *VALUE, which a failed read
// leaves as it was.
bool ReadMachineString(const char* keyPath, const char* valueName, size_t bufferSize,
                       std::string* value);

// Reads a REG_DWORD value straight into *CELL.
bool ReadMachineDword(const char* keyPath, const char* valueName, DWORD* cell);

// How many bytes a REG_SZ write passes: some values keep their terminating zero, some do not.
enum class TextBytes { kWithZero, kWithoutZero };

// Each writer answers true on success; on failure *ERROR (when given) receives the library's
// error text.
bool CreateMachineKey(const char* keyPath, std::string* error = nullptr);
bool WriteMachineText(const char* keyPath, const char* valueName, const std::string& text,
                      TextBytes bytes, std::string* error = nullptr);
bool WriteMachineDword(const char* keyPath, const char* valueName, DWORD value,
                       std::string* error = nullptr);
bool DeleteMachineValue(const char* keyPath, const char* valueName);
