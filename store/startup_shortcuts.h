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
