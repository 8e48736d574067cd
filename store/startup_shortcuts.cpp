#include "store/startup_shortcuts.h"

#include "afx/file_find.h"
#include "afx/shell_library.h"
#include "store/com_ptr.h"
#include "store/profile_rules.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

// COM for the calling thread while the object lives.
std::wstring Wide(const std::string& text) {
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
    wide.resize(static_cast<size_t>(n) - 1);
    return wide;
}

bool EndsWithLnk(const std::string& path) {
    return path.size() >= 4 && lstrcmpiA(path.c_str() + path.size() - 4, ".lnk") == 0;
}

struct ProfileShortcut {
    std::string path, target;
};

// FOLDER's shortcuts whose target is a start-up profile, in the order the folder lists them; the
// listing stops once LIMIT are found. Each shortcut is read once, under one COM scope.
std::vector<ProfileShortcut> ProfileShortcutsIn(const std::string& folder,
                                                size_t limit = SIZE_MAX) {
    std::vector<ProfileShortcut> found;
    ComScope com;
    CFileFind finder;
    BOOL working = finder.FindFile((folder + "\\*.*").c_str());
    while (working && found.size() < limit) {
        working = finder.FindNextFile();
        if (finder.IsDots() || finder.IsDirectory()) continue;
        const std::string path = finder.GetFilePath();
        if (!EndsWithLnk(path)) continue;
        std::string target = GetShortcutTarget(path);
        if (!target.empty() && IsProfileFileName(target))
            found.push_back({path, std::move(target)});
    }
    return found;
}

}  // namespace

std::string GetShortcutTarget(const std::string& linkPath) {
    ComScope com;
    IShellLinkA* rawLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&rawLink))))
        return std::string();
    ComPtr<IShellLinkA> link(rawLink);
    IPersistFile* rawFile = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile))))
        return std::string();
    ComPtr<IPersistFile> file(rawFile);
    if (FAILED(file->Load(Wide(linkPath).c_str(), 0))) return std::string();
    char target[MAX_PATH] = {};
    if (FAILED(link->GetPath(target, MAX_PATH, nullptr, SLGP_SHORTPATH)) || target[0] == '\0')
        return std::string();
    // Wine answers the long form whatever the flag asks; the file system gives the short one
    char shortTarget[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(target, shortTarget, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(shortTarget) : std::string(target);
}

StartUpShortcut FindStartUpShortcut() {
    const CShellLibrary shell;  // once for both folders and every link the shell object reads
    StartUpShortcut found;
    for (int csidl : {CSIDL_COMMON_STARTUP, CSIDL_STARTUP}) {
        const std::string folder = StartupFolder(csidl);
        if (folder.empty()) continue;
        // a second one ends this folder's search; the other folder is still looked at
        const size_t wanted = found.count == StartUpShortcut::kNone ? 2 : 1;
        const std::vector<ProfileShortcut> shortcuts = ProfileShortcutsIn(folder, wanted);
        if (shortcuts.empty()) continue;
        if (found.count == StartUpShortcut::kNone) found.target = shortcuts.front().target;
        const bool another = found.count != StartUpShortcut::kNone || shortcuts.size() > 1;
        found.count = another ? StartUpShortcut::kMoreThanOne : StartUpShortcut::kOne;
    }
    return found;
}

std::string StartupFolder(int csidl) {
    const CShellLibrary shell;
    char folder[512] = {};  // wider than the shell ever fills
    return shell.GetSpecialFolderPath && shell.GetSpecialFolderPath(nullptr, folder, csidl, FALSE)
               ? folder
               : std::string();
}

bool DeleteProfileShortcuts(const std::string& folder) {
    const CShellLibrary shell;
    if (!shell.FileOperation) return false;
    for (const ProfileShortcut& shortcut : ProfileShortcutsIn(folder)) {
        // the shell's delete wants a list ended by two zeros
        std::string from = shortcut.path;
        from.push_back('\0');
        SHFILEOPSTRUCTA operation = {};
        operation.wFunc = FO_DELETE;
        operation.pFrom = from.c_str();
        operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI;
        if (shell.FileOperation(&operation) != 0 || operation.fAnyOperationsAborted) return false;
    }
    return true;
}

bool CreateProfileShortcut(const std::string& linkPath, const std::string& profilePath,
                           const std::string& description) {
    ComScope com;
    IShellLinkA* rawLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&rawLink))))
        return false;
    ComPtr<IShellLinkA> link(rawLink);
    // the folder is the path up to its last backslash
    const size_t slash = profilePath.rfind('\\');
    const std::string folder =
        slash == std::string::npos ? std::string() : profilePath.substr(0, slash);
    if (FAILED(link->SetWorkingDirectory(folder.c_str())) ||
        FAILED(link->SetPath(profilePath.c_str())) ||
        FAILED(link->SetDescription(description.c_str())) ||
        FAILED(link->SetIconLocation(profilePath.c_str(), 0)))
        return false;
    IPersistFile* rawFile = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&rawFile))))
        return false;
    ComPtr<IPersistFile> file(rawFile);
    return SUCCEEDED(file->Save(Wide(linkPath).c_str(), TRUE));
}
