// What ovasim asks the shell and the file system: special folders, file listings, shortcuts.
#include "sim/ovasim/folder_search.h"
#include "sim/ovasim/ovasim.h"

#include "store/com_ptr.h"
#include "store/profile_rules.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace ovasim {
namespace {

constexpr const char kProfilesSuffix[] = "\\Ovanta\\Profiles";

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
    sim::ForEachFound(folder + "\\" + pattern, [&names](const WIN32_FIND_DATAA& found) {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.emplace_back(found.cFileName);
        return true;
    });
    std::sort(names.begin(), names.end());
    return names;
}

std::string ShortcutTarget(const std::string& linkPath) {
    IShellLinkA* rawLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&rawLink))))
        return std::string();
    ComPtr<IShellLinkA> link(rawLink);
    IPersistFile* rawFile = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile))))
        return std::string();
    ComPtr<IPersistFile> file(rawFile);
    if (FAILED(file->Load(WideFromAnsi(linkPath).c_str(), STGM_READ))) return std::string();
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

}  // namespace ovasim
