#include "store/profile_catalogue.h"

#include "afx/file_find.h"
#include "afx/shell_library.h"
#include "app/timeline.h"
#include "app/windows_version.h"
#include "store/com_ptr.h"

#include <map>
#include <memory>
#include <new>
#include <optional>
#include <vector>

namespace {

constexpr char kProfilesSuffix[] = "\\Ovanta\\Profiles";
constexpr char kFallbackProfileFolder[] =
    "C:\\Documents and Settings\\All Users\\Application Data\\Ovanta\\Profiles";

ProfilesInfo* g_pProfilesInfo = nullptr;
std::optional<CShellLibrary> g_startShell;  // constant-initialised: empty before any static code

// An item list goes back to the shell's allocator; should the shell not hand that out, to the
// task allocator it stands for, so that the list is never left behind.
struct ItemListFreer {
    const CShellLibrary* shell;
    void operator()(ITEMIDLIST* items) const {
        IMalloc* allocator = nullptr;
        if (!shell->GetMalloc || FAILED(shell->GetMalloc(&allocator)) || allocator == nullptr) {
            CoTaskMemFree(items);
            return;
        }
        ComPtr<IMalloc> owned(allocator);
        owned->Free(items);
    }
};

// The files (no directories) that match PATTERN, each with its name, path and kind, and the short
// 8.3 name the file system may keep beside its name.
template <typename Visit>
void ForEachProfileFile(const std::string& pattern, Visit visit) {
    CFileFind finder;
    BOOL working = finder.FindFile(pattern.c_str());
    while (working) {
        working = finder.FindNextFile();
        if (finder.IsDots() || finder.IsDirectory()) continue;
        const std::string name = finder.GetFileName();
        visit(ProfileEntry{name, finder.GetFilePath(), ProfileKindOf(name)}, finder.GetShortName());
    }
}

// A folder's file (no directory) with the short 8.3 name the file system may keep beside it.
struct FolderFile {
    ProfileEntry entry;
    std::string shortName;
};

// What a search for "*" and EXTENSION finds of a file: its name ends in the extension, letter case
// ignored; the system's search looks at the short name too, so "x.pcfx" (X~1.PCF) is a ".pcf".
bool MatchesExtension(const FolderFile& file, const char* extension) {
    return EndsWithIgnoringCase(file.entry.name, extension) ||
           (!file.shortName.empty() && EndsWithIgnoringCase(file.shortName, extension));
}

// The files of FOLDER for each extension in turn, as a search per extension lists them, from one
// reading of the folder: the file system hands every search of a folder its files in the same
// order, and a missing or empty folder gives nothing either way.
template <std::size_t N, typename Visit>
void ForEachProfileFileIn(const std::string& folder, const char* const (&extensions)[N],
                          Visit visit) {
    std::vector<FolderFile> files;
    ForEachProfileFile(folder + "\\*", [&files](ProfileEntry entry, std::string shortName) {
        files.push_back({std::move(entry), std::move(shortName)});
    });
    for (const char* extension : extensions)
        for (const FolderFile& file : files)
            if (MatchesExtension(file, extension)) visit(file.entry);
}

// A wireless profile joins the wireless list, every other the wired one.
void AppendByKind(ProfileLists* lists, ProfileEntry entry) {
    auto& list = entry.kind == kProfileKindWireless ? lists->wireless : lists->wired;
    list.push_back(std::move(entry));
}

}  // namespace

// The item list is freed with the shell's allocator. A shell folder does not move while the
// program runs, and every look-up reads the shell's registry and asks for desktop.ini files, so
// a folder once found is kept for the process; one the shell could not give is asked again.
std::optional<std::string> SpecialFolder(int csidl) {
    static std::map<int, std::string> found;
    if (auto known = found.find(csidl); known != found.end()) return known->second;
    const CShellLibrary shell;
    if (!shell.GetSpecialFolderLocation || !shell.GetPathFromIDList) return std::nullopt;
    LPITEMIDLIST located = nullptr;
    if (FAILED(shell.GetSpecialFolderLocation(nullptr, csidl, &located)) || located == nullptr)
        return std::nullopt;
    const std::unique_ptr<ITEMIDLIST, ItemListFreer> items(located, ItemListFreer{&shell});
    char path[MAX_PATH] = {};
    if (!shell.GetPathFromIDList(items.get(), path)) return std::nullopt;
    return found.emplace(csidl, path).first->second;
}

std::string GetProfileFolder() {
    auto folder = SpecialFolder(IsNtFamily() ? CSIDL_COMMON_APPDATA : CSIDL_APPDATA);
    return folder ? *folder + kProfilesSuffix : kFallbackProfileFolder;
}

std::string GetUserProfileFolder() {
    auto folder = SpecialFolder(IsNtFamily() ? CSIDL_APPDATA : CSIDL_DESKTOP);
    return folder ? *folder + kProfilesSuffix : std::string();
}

bool FindProfileFiles(const std::string& pattern, ProfileLists* lists) {
    bool appended = false;
    ForEachProfileFile(pattern, [&](ProfileEntry entry, const std::string&) {
        AppendByKind(lists, std::move(entry));
        appended = true;
    });
    return appended;
}

bool ListAllProfiles(ProfileLists* lists) {
    bool found = false;
    for (const std::string& folder : {GetProfileFolder(), GetUserProfileFolder()}) {
        if (folder.empty()) continue;  // the user's folder when the shell cannot name it
        ForEachProfileFileIn(folder, kProfileExtensions, [&](const ProfileEntry& entry) {
            AppendByKind(lists, entry);
            found = true;
        });
    }
    return found;
}

ProfilesInfo::ProfilesInfo() {
    ForEachProfileFileIn(GetProfileFolder(), kCatalogueExtensions,
                         [this](const ProfileEntry& entry) { m_list.push_back(entry); });
}

ProfilesInfo* GetProfilesInfo() {
    return g_pProfilesInfo;
}

ProfilesInfo* MakeProcessProfilesInfo() {
    // made once and never destroyed: the catalogue outlives every page that reads it
    if (g_pProfilesInfo == nullptr) {
        g_startShell.emplace();
        g_pProfilesInfo = new (std::nothrow) ProfilesInfo();
        TIMELINE_STEP("profile catalogue made");
    }
    return g_pProfilesInfo;
}

void EndStartShellHold() {
    g_startShell.reset();
}
