// The Windows Startup folders' shortcuts to profile files, through which the client
// authenticates at Windows start in shortcut mode.
#pragma once

#include <string>

// The target of the shortcut file LINK_PATH in its short 8.3 form; empty when it has none or
// cannot be read.
std::string GetShortcutTarget(const std::string& linkPath);

// The start-up shortcut: the first ".lnk" file in the all-users, then the user's Startup folder
// whose target is a start-up profile, and how many were found.
struct StartUpShortcut {
    enum Count { kNone = 0, kOne = 1, kMoreThanOne = 2 };
    std::string target;
    Count count = kNone;
};
StartUpShortcut FindStartUpShortcut();

// The Startup folder CSIDL names (CSIDL_COMMON_STARTUP or CSIDL_STARTUP); empty when the shell
// cannot say.
std::string StartupFolder(int csidl);

// Deletes every profile shortcut of FOLDER with the shell, without asking and not to the recycle
// bin; false at the first one that cannot be deleted (those after it stay).
bool DeleteProfileShortcuts(const std::string& folder);

// Saves a shortcut LINK_PATH to the profile PROFILE_PATH, working in the profile's folder, with
// the profile's own icon and DESCRIPTION; false when a step of the shell link fails.
bool CreateProfileShortcut(const std::string& linkPath, const std::string& profilePath,
                           const std::string& description);
