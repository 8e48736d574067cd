// The operations of the Ovanta client library (ovacli.dll), imported by ordinal (ovacli.def).
#pragma once

#include <windows.h>

#include <cstdint>

using QtvHandle = std::uint64_t;  // 0 means no handle

// Sizes the library relies on: callers zero-fill and pass buffers of exactly these sizes.
constexpr DWORD kQtvErrorSize = 1024;          // error text of every operation but the firewall's
constexpr DWORD kQtvFirewallErrorSize = 512;   // error text of QTV_CLI_get_firewall_policy
constexpr DWORD kQtvCardListSize = 4096;       // card list text of QTV_CLI_enum_card
constexpr DWORD kQtvRegDataSize = 1024;        // text data of QTV_CLI_reg_query_value
constexpr DWORD kQtvProfileSize = 4096;        // profile buffer of QTV_CLI_read_profile
constexpr DWORD kQtvCertTextSize = 1024;       // each text of QTV_CLI_get_cert_info
constexpr const char kQtvRootHklm[] = "HKLM";  // the only root the registry operations take

// Results are 32-bit. Operations that take the handle answer 0 for success; the certificate
// operations answer non-zero for success.
extern "C" {
QtvHandle QTV_CLI_initialize();                                                 // 43, 0 = failure
int QTV_CLI_terminate(QtvHandle handle);                                        // 44
HMODULE QTV_CLI_load_module(const char* fileName);                              // 300, 0 = failure
int QTV_CLI_enum_card(QtvHandle handle, char* list, DWORD* size, char* error);  // 48
int QTV_CLI_reg_create_key(QtvHandle handle, const char* root, const char* key,
                           char* error);  // 51
int QTV_CLI_reg_set_value(QtvHandle handle, const char* root, const char* key, const char* name,
                          DWORD type, const void* data, DWORD size, char* error);  // 52
int QTV_CLI_reg_delete_value(QtvHandle handle, const char* root, const char* key, const char* name,
                             char* error);  // 54
int QTV_CLI_reg_query_value(QtvHandle handle, const char* root, const char* key, const char* name,
                            DWORD* type, void* data, DWORD* size, char* error);  // 93
int QTV_CLI_get_cert_file_name(const char* certPath, char* fileName, DWORD* cell,
                               char* error);                       // 39
int QTV_CLI_install_cert(const char* source, const char* target);  // 74
int QTV_CLI_get_cert_info(const char* certPath, char* text1, char* text2, char* text3, char* text4,
                          char* text5, DWORD* out, char* error);  // 40
int QTV_CLI_read_profile(QtvHandle handle, const char* path, char* buffer, DWORD* size, int zero,
                         DWORD* needsCredentials, void** block, char* error);          // 65
int QTV_CLI_free_profile(void* block);                                                 // 70
int QTV_CLI_get_firewall_policy(int context, void* buffer, DWORD* size, char* error);  // 77
}
