// What OK does: every page's state written, in one fixed order, to the settings store and the
// registry, and the client's Windows start-up entries brought in line. The pages write nothing
// themselves; this reads their members and, where they keep nothing else, their controls.
//
// The writes are not one transaction: a failure stops with what was written so far in place, the
// dialog stays open, and the next OK writes everything again from the start.
#pragma once

#include "client/loaded_module.h"

#include <windows.h>

#include <optional>
#include <string>

class COvaSettingsDlg;
struct ProfileEntry;

class SettingsApplier {
public:
    explicit SettingsApplier(COvaSettingsDlg& dialog) : m_dialog(dialog) {}

    // True when everything that must be written was; the dialog may close then. Every failure
    // shows its own message.
    bool ApplySettings();

    // The Windows logon settings from the logon page's controls, when that page has a tab.
    bool ApplyWindowsLogon();
    // The logon page's members under the client's logon key, and Windows' logon module.
    bool WriteGinaSettings();
    // Switching between wired and wireless, on with the switch page's choices, or off.
    bool WriteSwitchOn();
    bool WriteSwitchOff();
    // Authentication at Windows start through the registry: the profile, its kind and the switch,
    // and the client's start command where Windows already runs the client.
    bool EnableStartUpAuth(const std::string& startCommand, const std::string& path,
                           const std::string& kind);
    bool DisableStartUpAuth();
    // Authentication at Windows start through a Startup-folder shortcut to the profile.
    bool RemoveStartUpShortcuts();
    bool CreateStartUpShortcut(const std::string& path, const std::string& name);

private:
    enum class OnFailure { kContinue, kFail };

    // One store request; a failure shows the store's status number. A request that must not fail
    // releases the store first and answers false; any other goes on and answers true.
    bool Request(unsigned item, DWORD value, const std::string& text, OnFailure onFailure,
                 DWORD bufferSize = 1024, DWORD sizeCell = 1024);
    // Fails the applying: the store is let go (its object released, its module unloaded), then
    // NUMBER shows. Abandon fails without a message of its own.
    bool Fail(DWORD number);
    bool Abandon();

    bool WriteStartList();
    bool WriteDefaultCards();
    void WriteGeneralOptions();
    bool ApplySwitch();
    bool ApplyStartUpAuth();
    // The profile chosen on the start-up page, by its radio and list; null, after NONE_SELECTED,
    // when nothing is chosen.
    const ProfileEntry* ChosenStartUpProfile(DWORD noneWired, DWORD noneWireless);

    COvaSettingsDlg& m_dialog;
    std::optional<LoadedModule> m_store;  // while ApplySettings runs
};
