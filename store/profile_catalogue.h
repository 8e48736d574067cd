// The client's profile files, listed (never opened): the common and the per-user profile folders,
// the search of one folder for one extension, the full two-folder scan of the start-up page, and
// the process-wide catalogue of the common folder's wired and wireless profiles.
#pragma once

#include "store/profile_rules.h"

#include <optional>
#include <string>
#include <vector>

// The path of the shell's special folder CSIDL (CSIDL_APPDATA, ...), read through its item list
// once for the process; none when the shell cannot give it.
std::optional<std::string> SpecialFolder(int csidl);

// The common profile folder: the all-users application data (the user's on systems outside the
// NT family) and "\Ovanta\Profiles"; a fixed path when the shell cannot say.
std::string GetProfileFolder();
// The per-user profile folder: the user's application data (the desktop outside the NT family)
// and "\Ovanta\Profiles"; empty when the shell cannot say.
std::string GetUserProfileFolder();

// Wired and wireless profiles, each list in the order found.
struct ProfileLists {
    std::vector<ProfileEntry> wired;
    std::vector<ProfileEntry> wireless;
};

// Appends every file (no directory) that matches PATTERN to the list of its kind; true when it
// appended one.
bool FindProfileFiles(const std::string& pattern, ProfileLists* lists);
// Every extension in the common folder, then in the user's; true when either held a profile.
bool ListAllProfiles(ProfileLists* lists);

// The common folder's ".wcf", ".pcf" and ".hcf" files as they were when the program started.
class ProfilesInfo {
public:
    ProfilesInfo();
    ProfilesInfo(const ProfilesInfo&) = delete;
    ProfilesInfo& operator=(const ProfilesInfo&) = delete;

    const std::vector<ProfileEntry>& entries() const { return m_list; }
    std::vector<ProfileEntry>::const_iterator begin() const { return m_list.begin(); }
    std::vector<ProfileEntry>::const_iterator end() const { return m_list.end(); }

private:
    std::vector<ProfileEntry> m_list;
};

// The process-wide catalogue, or null in a process that has made none.
ProfilesInfo* GetProfilesInfo();
// Makes the process-wide catalogue; the program does it once during its static initialisation,
// right after the card list. It lives until the process ends. The catalogue is the shell's first
// user while the program starts and the pages ask the shell for their folders after it, so the
// shell loaded for it stays loaded until EndStartShellHold.
ProfilesInfo* MakeProcessProfilesInfo();
// Lets go of the shell the process catalogue's making loaded; the main dialog calls it once its
// pages are made. Without a process catalogue it does nothing.
void EndStartShellHold();
