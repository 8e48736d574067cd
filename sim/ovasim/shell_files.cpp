// What ovasim asks the shell and the file system: special folders, file listings, shortcuts.
#include "sim/ovasim/ovasim.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace ovasim {
namespace {

constexpr const char kProfilesSuffix[] = "\\Ovanta\\Profiles";

// Every profile extension of the client; a shortcut to any of them is a profile shortcut.
constexpr const char* kProfileExtensions[] = {".wcf", ".pcf", ".kpf", ".kcf", ".kif",
                                              ".hcf", ".hwf", ".smf", ".snf", ".m2f",
                                              ".m3f", ".mof", ".jnf", ".hjf", ".tef"};

// Owns one COM interface pointer.
template <class T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (m_p) m_p->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T* get() const { return m_p; }
    T* operator->() const { return m_p; }
    void** out() { return reinterpret_cast<void**>(&m_p); }

private:
    T* m_p = nullptr;
};

}  // namespace

int Fail(const std::string& message) {
    std::fprintf(stderr, "ovasim: %s\n", message.c_str());
    return 1;
}

std::string ShellFolder(int csidl) {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)))
        return std::string();
    return path;
}

std::string CommonProfileFolder() {
    std::string folder = ShellFolder(CSIDL_COMMON_APPDATA);
    return folder.empty() ? folder : folder + kProfilesSuffix;
}

std::string UserProfileFolder() {
    std::string folder = ShellFolder(CSIDL_APPDATA);
    return folder.empty() ? folder : folder + kProfilesSuffix;
}

std::vector<std::string> FileNames(const std::string& folder, const char* pattern) {
    std::vector<std::string> names;
    if (folder.empty()) return names;
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA((folder + "\\" + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.emplace_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::string ShortcutTarget(const std::string& linkPath) {
    ComRef<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.out())))
        return std::string();
    ComRef<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.out())) ||
        FAILED(file->Load(WideFromAnsi(linkPath).c_str(), STGM_READ)))
        return std::string();
    char target[MAX_PATH] = {};
    if (FAILED(link->GetPath(target, MAX_PATH - 1, nullptr, SLGP_RAWPATH))) return std::string();
    return target;
}

bool IsProfilePath(const std::string& path) {
    if (path.size() < 4) return false;
    const char* tail = path.c_str() + path.size() - 4;
    for (const char* extension : kProfileExtensions)
        if (_stricmp(tail, extension) == 0) return true;
    return false;
}

std::wstring WideFromAnsi(const std::string& text) {
    int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string Utf8FromWide(const std::wstring& text) {
    int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                     nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), length,
                        nullptr, nullptr);
    return utf8;
}

std::string Utf8FromAnsi(const std::string& text) {
    return Utf8FromWide(WideFromAnsi(text));
}

size_t AnsiLength(const std::wstring& text) {
    return static_cast<size_t>(WideCharToMultiByte(
        CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr));
}

std::string OwnFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH - 1);
    char* slash = std::strrchr(path, '\\');
    if (slash) *slash = '\0';
    return path;
}

ComScope::ComScope() {
    m_bInitialized = SUCCEEDED(CoInitialize(nullptr));
}

ComScope::~ComScope() {
    if (m_bInitialized) CoUninitialize();
}

}  // namespace ovasim
