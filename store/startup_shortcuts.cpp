#include "store/startup_shortcuts.h"

#include "afx/file_find.h"
#include "store/profile_rules.h"

#include <objbase.h>
#include <shlobj.h>

#include <memory>

namespace {

struct ComReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface>
using ComPtr = std::unique_ptr<Interface, ComReleaser>;

// COM for the calling thread while the object lives.
class ComScope {
public:
    ComScope() : m_bInitialized(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComScope() {
        if (m_bInitialized) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool m_bInitialized;
};

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
    StartUpShortcut found;
    for (int csidl : {CSIDL_COMMON_STARTUP, CSIDL_STARTUP}) {
        char folder[512] = {};
        if (!SHGetSpecialFolderPathA(nullptr, folder, csidl, FALSE)) continue;
        CFileFind finder;
        BOOL working = finder.FindFile((std::string(folder) + "\\*.*").c_str());
        while (working) {
            working = finder.FindNextFile();
            if (finder.IsDots() || finder.IsDirectory()) continue;
            const std::string path = finder.GetFilePath();
            if (!EndsWithLnk(path)) continue;
            const std::string target = GetShortcutTarget(path);
            if (target.empty() || !IsProfileFileName(target)) continue;
            if (found.count == StartUpShortcut::kNone) {
                found.target = target;
                found.count = StartUpShortcut::kOne;
                continue;
            }
            // a second one ends this folder's search; the other folder is still looked at
            found.count = StartUpShortcut::kMoreThanOne;
            break;
        }
    }
    return found;
}
