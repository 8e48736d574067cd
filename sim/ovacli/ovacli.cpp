// The simulated Ovanta client library. It answers as the real library does for the editor's
// calls, from the machine's own state (registry, network adapters, files) and the fixtures.
#include "client/ovacli.h"

#include "afx/system_library.h"
#include "app/file_content.h"
#include "sim/common/fixture_text.h"
#include "sim/common/sim_state.h"
#include "sim/ovacli/certificates.h"
#include "sim/ovacli/handles.h"
#include "store/card_list_text.h"

#include <winsock2.h>
#include <iphlpapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// Results of the handle-taking operations: 0 is success.
enum Result : int {
    kOk = 0,
    kFailed = 1,
    kBadHandle = 2,
    kBadRoot = 3,
    kBadArgument = 4,
};

// Copies TEXT into a caller's zero-filled buffer of SIZE bytes, cut at SIZE - 1.
void PutText(char* buffer, size_t size, const std::string& text) {
    if (buffer) sim::CopyCut(text, buffer, size);
}

void PutError(char* error, const std::string& text) {
    PutText(error, kQtvErrorSize, text);
}

std::string SystemMessage(const char* call, LONG code) {
    char text[256] = {};
    std::snprintf(text, sizeof text - 1, "%s failed with system error %ld.", call, code);
    return text;
}

int Finish(const char* operation, QtvHandle handle, int result) {
    sim::Journal(operation, handle, result);
    return result;
}

HMODULE LoadModule(const char* fileName) {
    if (!fileName || !*fileName || std::strpbrk(fileName, "\\/:")) return nullptr;
    if (sim::FixtureListNames("Unloadable", fileName)) return nullptr;
    std::string path = sim::ModuleFolder() + "\\" + fileName;
    // A module without its factory: mapped as data, so GetProcAddress finds no ordinal 1, and
    // FreeLibrary still releases it.
    if (sim::FixtureListNames("NoFactory", fileName))
        return LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return LoadLibraryA(path.c_str());
}

// Checks what every registry operation checks first; on failure fills the error text.
int CheckRegistryCall(QtvHandle handle, const char* root, const char* key, char* error) {
    if (!sim::IsOpenHandle(handle)) {
        PutError(error, "The client library handle is not valid.");
        return kBadHandle;
    }
    if (!root || std::strcmp(root, kQtvRootHklm) != 0) {
        PutError(error, "Only the root HKLM is supported.");
        return kBadRoot;
    }
    if (!key) {
        PutError(error, "No registry key was given.");
        return kBadArgument;
    }
    return kOk;
}

std::string WideToAnsi(const wchar_t* text) {
    int n = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, out.data(), n, nullptr, nullptr);
    out.resize(static_cast<size_t>(n - 1));
    return out;
}

// The machine's cards as card list text: "ndis||display||flag##" per card, wireless flag 1.
std::string EnumerateAdapters() {
    CSystemLibrary iphlpapi("iphlpapi.dll");
    auto* getAdapters = iphlpapi.Find<decltype(GetAdaptersAddresses)>("GetAdaptersAddresses");
    if (!getAdapters) return {};
    const ULONG flags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;
    ULONG size = 0;
    // the size probe must use the same flags as the real call
    if (getAdapters(AF_UNSPEC, flags, nullptr, nullptr, &size) != ERROR_BUFFER_OVERFLOW) return {};
    std::vector<unsigned char> buffer(size);
    auto* first = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data());
    if (getAdapters(AF_UNSPEC, flags, nullptr, first, &size) != NO_ERROR) return {};
    std::string list;
    for (auto* a = first; a; a = a->Next) {
        if (a->IfType == IF_TYPE_SOFTWARE_LOOPBACK) continue;
        list += CardListEntry(a->AdapterName, WideToAnsi(a->FriendlyName),
                              a->IfType == IF_TYPE_IEEE80211);
    }
    return list;
}

struct ProfileBlock {
    std::string text;
};

}  // namespace

extern "C" {

QtvHandle QTV_CLI_initialize() {
    EndCertificateRun();
    if (sim::FixtureDword("InitializeFails").value_or(0) == 1) {
        sim::Journal("initialize", 0, 0);
        return 0;
    }
    QtvHandle handle = sim::OpenHandle();
    sim::Journal("initialize", handle, static_cast<long long>(handle));
    return handle;
}

int QTV_CLI_terminate(QtvHandle handle) {
    EndCertificateRun();
    return Finish("terminate", handle, sim::CloseHandleOnce(handle) ? kOk : kBadHandle);
}

HMODULE QTV_CLI_load_module(const char* fileName) {
    EndCertificateRun();
    HMODULE module = LoadModule(fileName);
    Finish("load_module", 0, module ? kOk : kFailed);
    return module;
}

int QTV_CLI_enum_card(QtvHandle handle, char* list, DWORD* size, char* error) {
    EndCertificateRun();
    if (!sim::IsOpenHandle(handle)) {
        PutError(error, "The client library handle is not valid.");
        return Finish("enum_card", handle, kBadHandle);
    }
    if (!list || !size) {
        PutError(error, "No card list buffer was given.");
        return Finish("enum_card", handle, kBadArgument);
    }
    if (DWORD forced = sim::FixtureDword("EnumCardResult").value_or(0)) {
        PutError(error, "The network cards could not be enumerated.");
        return Finish("enum_card", handle, static_cast<int>(forced));
    }
    auto fixed = sim::FixtureText("Cards");
    std::string text = fixed ? *fixed : EnumerateAdapters();
    size_t capacity = *size;
    PutText(list, capacity, text);
    *size = static_cast<DWORD>(strnlen(list, capacity));  // a size of 0 leaves nothing to read
    return Finish("enum_card", handle, kOk);
}

int QTV_CLI_reg_create_key(QtvHandle handle, const char* root, const char* key, char* error) {
    EndCertificateRun();
    if (int bad = CheckRegistryCall(handle, root, key, error))
        return Finish("reg_create_key", handle, bad);
    sim::RegKey k;
    LONG rc = k.Create(HKEY_LOCAL_MACHINE, key, KEY_WRITE);
    if (rc != ERROR_SUCCESS) {
        PutError(error, SystemMessage("RegCreateKeyEx", rc));
        return Finish("reg_create_key", handle, kFailed);
    }
    return Finish("reg_create_key", handle, kOk);
}

int QTV_CLI_reg_set_value(QtvHandle handle, const char* root, const char* key, const char* name,
                          DWORD type, const void* data, DWORD size, char* error) {
    EndCertificateRun();
    // every write is journaled with the byte count it was given: what the registry keeps cannot
    // tell whether a text was passed with its zero
    auto finish = [&](int result) {
        sim::JournalValueWrite(handle, result, size, name);
        return result;
    };
    if (int bad = CheckRegistryCall(handle, root, key, error)) return finish(bad);
    if (!name || (!data && size)) {
        PutError(error, "No value name or data was given.");
        return finish(kBadArgument);
    }
    if (sim::FixtureListNames("FailRegValues", name)) {
        PutError(error, std::string("The value ") + name + " could not be written.");
        return finish(kFailed);
    }
    sim::RegKey k;
    LONG rc = k.Open(HKEY_LOCAL_MACHINE, key, KEY_SET_VALUE);
    if (rc == ERROR_SUCCESS)
        rc = RegSetValueExA(k.get(), name, 0, type, static_cast<const BYTE*>(data), size);
    if (rc != ERROR_SUCCESS) {
        PutError(error, SystemMessage("RegSetValueEx", rc));
        return finish(kFailed);
    }
    return finish(kOk);
}

int QTV_CLI_reg_delete_value(QtvHandle handle, const char* root, const char* key, const char* name,
                             char* error) {
    EndCertificateRun();
    if (int bad = CheckRegistryCall(handle, root, key, error))
        return Finish("reg_delete_value", handle, bad);
    sim::RegKey k;
    LONG rc = k.Open(HKEY_LOCAL_MACHINE, key, KEY_SET_VALUE);
    if (rc == ERROR_SUCCESS) rc = RegDeleteValueA(k.get(), name);
    if (rc != ERROR_SUCCESS) {
        PutError(error, SystemMessage("RegDeleteValue", rc));
        return Finish("reg_delete_value", handle, kFailed);
    }
    return Finish("reg_delete_value", handle, kOk);
}

int QTV_CLI_reg_query_value(QtvHandle handle, const char* root, const char* key, const char* name,
                            DWORD* type, void* data, DWORD* size, char* error) {
    EndCertificateRun();
    if (int bad = CheckRegistryCall(handle, root, key, error))
        return Finish("reg_query_value", handle, bad);
    if (!type || !data || !size) {
        PutError(error, "No type, data or size cell was given.");
        return Finish("reg_query_value", handle, kBadArgument);
    }
    sim::RegKey k;
    LONG rc = k.Open(HKEY_LOCAL_MACHINE, key, KEY_QUERY_VALUE);
    // read aside first: a failed read leaves the caller's buffer as it was. The aside buffer is
    // never empty, so a size cell of 0 asks for at most 0 bytes instead of only for the size, and
    // it grows past its first size only as far as the value needs, whatever the size cell claims.
    constexpr DWORD kFirstRead = 1024;
    std::vector<BYTE> stored(std::clamp<DWORD>(*size, 1, kFirstRead));
    DWORD storedType = 0, storedSize = std::min<DWORD>(*size, kFirstRead);
    if (rc == ERROR_SUCCESS)
        rc = RegQueryValueExA(k.get(), name, nullptr, &storedType, stored.data(), &storedSize);
    if (rc == ERROR_MORE_DATA && *size > stored.size()) {  // storedSize says what the value needs
        stored.resize(std::min(*size, storedSize));
        storedSize = static_cast<DWORD>(stored.size());
        rc = RegQueryValueExA(k.get(), name, nullptr, &storedType, stored.data(), &storedSize);
    }
    if (rc != ERROR_SUCCESS) {
        PutError(error, SystemMessage("RegQueryValueEx", rc));
        return Finish("reg_query_value", handle, kFailed);
    }
    // the caller says what it expects; a value of another kind is not handed over as if it were
    if (storedType != *type) {
        PutError(error, std::string("The value ") + (name ? name : "") + " has another type.");
        return Finish("reg_query_value", handle, kFailed);
    }
    std::memcpy(data, stored.data(), storedSize);
    *size = storedSize;
    return Finish("reg_query_value", handle, kOk);
}

int QTV_CLI_get_cert_file_name(const char* certPath, char* fileName, DWORD*, char* error) {
    auto certificate = ReadCertificateFile(certPath);
    auto name = certificate ? CertificateFileName(*certificate) : std::nullopt;
    if (!name) {
        PutError(error, "The file holds no certificate.");
        Finish("get_cert_file_name", 0, kFailed);
        return 0;
    }
    PutText(fileName, MAX_PATH, *name);
    Finish("get_cert_file_name", 0, kOk);
    return 1;
}

// Stores the certificate at TARGET in PEM form, the form OpenSSL reads from a hashed folder. It is
// written beside the target and then put in its place, so a write that fails half-way leaves the
// certificate the client already trusts there whole.
int QTV_CLI_install_cert(const char* source, const char* target) {
    auto certificate = ReadCertificateFile(source);
    bool installed = false;
    if (certificate && target) {
        const std::string pem = ToPem(*certificate);
        // the name beside it is as long as the target's, so it fits wherever the target does
        std::string aside = target;
        if (!aside.empty()) aside.back() = aside.back() == '~' ? '_' : '~';
        bool written = false;
        {
            std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(aside.c_str(), "wb"),
                                                       &std::fclose);
            written = file && std::fwrite(pem.data(), 1, pem.size(), file.get()) == pem.size() &&
                      std::fclose(file.release()) == 0;
        }
        installed = written && MoveFileExA(aside.c_str(), target, MOVEFILE_REPLACE_EXISTING);
        if (!installed) DeleteFileA(aside.c_str());
    }
    Finish("install_cert", 0, installed ? kOk : kFailed);
    return installed ? 1 : 0;
}

int QTV_CLI_get_cert_info(const char* certPath, char* text1, char* text2, char* text3, char* text4,
                          char* text5, DWORD* out, char* error) {
    auto certificate = ReadCertificateFile(certPath);
    auto texts = certificate ? DescribeCertificate(*certificate) : std::nullopt;
    if (!texts) {
        PutError(error, "The file holds no certificate.");
        Finish("get_cert_info", 0, kFailed);
        return 0;
    }
    Finish("get_cert_info", 0, kOk);
    PutText(text1, kQtvCertTextSize, texts->subject);
    PutText(text2, kQtvCertTextSize, texts->issuedTo);
    PutText(text3, kQtvCertTextSize, texts->expires);
    PutText(text4, kQtvCertTextSize, texts->issuer);
    PutText(text5, kQtvCertTextSize, texts->sha256);
    if (out) *out = texts->version;
    return 1;
}

// A profile is text whose first line is "[Profile]"; it needs an ID and a password exactly when
// it has a line "Credentials=1".
int QTV_CLI_read_profile(QtvHandle handle, const char* path, char* buffer, DWORD* size, int,
                         DWORD* needsCredentials, void** block, char* error) {
    EndCertificateRun();
    if (block) *block = nullptr;
    if (!sim::IsOpenHandle(handle)) {
        PutError(error, "The client library handle is not valid.");
        return Finish("read_profile", handle, kBadHandle);
    }
    std::optional<std::string> content = path ? ReadFileContent(path) : std::nullopt;
    const std::string text = content.value_or(std::string());
    const sim::ProfileFacts facts = sim::ReadProfileFacts(text);
    if (!content || !facts.readable) {
        PutError(error, "The profile file cannot be read.");
        return Finish("read_profile", handle, kFailed);
    }
    if (needsCredentials) *needsCredentials = facts.credentials ? 1 : 0;
    if (buffer && size) {
        PutText(buffer, *size, text);
        *size = static_cast<DWORD>(strnlen(buffer, *size));
    }
    if (block) *block = std::make_unique<ProfileBlock>(ProfileBlock{text}).release();
    return Finish("read_profile", handle, kOk);
}

int QTV_CLI_free_profile(void* block) {
    EndCertificateRun();
    std::unique_ptr<ProfileBlock> owned(static_cast<ProfileBlock*>(block));
    return Finish("free_profile", 0, kOk);
}

// The policy in force: the FirewallPolicy fixture when it is set (empty, it is an empty policy),
// otherwise the client's own, which `reset --demo` fills and plain `reset` removes.
int QTV_CLI_get_firewall_policy(int, void* buffer, DWORD* size, char* error) {
    EndCertificateRun();
    const char* kOperation = "get_firewall_policy";
    if (!size) {
        PutText(error, kQtvFirewallErrorSize, "No size cell was given.");
        return Finish(kOperation, 0, kBadArgument);
    }
    std::optional<std::vector<BYTE>> policy = sim::ReadBinary(sim::kSimulatorKey, "FirewallPolicy");
    if (!policy) policy = sim::ReadBinary(sim::kFirewallKey, sim::kFirewallPolicyValue);
    const std::vector<BYTE> rules = policy.value_or(std::vector<BYTE>());
    if (!buffer) {
        *size = static_cast<DWORD>(rules.size());
        return Finish(kOperation, 0, kOk);
    }
    if (*size < rules.size()) {
        PutText(error, kQtvFirewallErrorSize, "The buffer is too small for the firewall policy.");
        return Finish(kOperation, 0, kFailed);
    }
    std::copy(rules.begin(), rules.end(), static_cast<BYTE*>(buffer));
    *size = static_cast<DWORD>(rules.size());
    return Finish(kOperation, 0, kOk);
}

}  // extern "C"
