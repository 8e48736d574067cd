// CShellLibrary: the shell's calls the program makes, from shell32 loaded for as long as the
// object lives. The shell is one of the largest system libraries, and the program needs it only
// for a few folders while it starts and for a shortcut or a file it is asked to open later; a
// static import would keep it mapped for the whole run. The system counts the loads, so a holder
// around several calls keeps it for all of them and the objects inside only count up and down.
#pragma once

#include "afx/system_library.h"

#include <windows.h>
#include <shlobj.h>
#include <shellapi.h>

class CShellLibrary {
    CSystemLibrary m_library{"shell32.dll"};  // first: the calls below are found in it

public:
    // Each is null when shell32 or the export is missing; a caller treats that as a failed call.
    decltype(&SHGetSpecialFolderPathA) const GetSpecialFolderPath =
        m_library.Find<decltype(SHGetSpecialFolderPathA)>("SHGetSpecialFolderPathA");
    decltype(&SHGetSpecialFolderLocation) const GetSpecialFolderLocation =
        m_library.Find<decltype(SHGetSpecialFolderLocation)>("SHGetSpecialFolderLocation");
    decltype(&SHGetPathFromIDListA) const GetPathFromIDList =
        m_library.Find<decltype(SHGetPathFromIDListA)>("SHGetPathFromIDListA");
    decltype(&SHGetMalloc) const GetMalloc = m_library.Find<decltype(SHGetMalloc)>("SHGetMalloc");
    decltype(&SHFileOperationA) const FileOperation =
        m_library.Find<decltype(SHFileOperationA)>("SHFileOperationA");
    decltype(&ShellExecuteA) const Execute =
        m_library.Find<decltype(ShellExecuteA)>("ShellExecuteA");
};
