// The main dialog run modally on a freshly reset demo client, as its users meet it: the test
// acts on it once it is up, the boxes it shows are recorded by title and answered, and Cancel
// closes whatever is still open.
#pragma once

#include "app/message_box.h"
#include "app/ovasettings_app.h"
#include "tools/driver/driver.h"
#include "ui/ovasettings_dlg.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace main_dialog {

inline ::testing::AssertionResult Ovasim(const std::string& arguments) {
    std::string out;
    int code = driver::Run("\"" + driver::OwnFolder() + "\\ovasim.exe\" " + arguments, &out);
    if (code == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "ovasim " << arguments << " exited with " << code
                                         << " (error " << GetLastError() << "): " << out;
}

using driver::WindowText;

inline COvaSettingsDlg* g_dialog = nullptr;
inline std::function<void(COvaSettingsDlg&)> g_act;
inline bool g_acted = false;

// Waits, however long the machine takes, until the dialog shows.
inline void CALLBACK ActThenCancel(HWND, UINT, UINT_PTR timer, DWORD) {
    if (g_acted || !g_dialog->m_hWnd || !IsWindowVisible(g_dialog->m_hWnd)) return;
    KillTimer(nullptr, timer);
    g_acted = true;
    if (g_act) g_act(*g_dialog);
    PostMessageA(g_dialog->m_hWnd, WM_COMMAND, IDCANCEL, 0);
}

class Host : public ::testing::Test {
protected:
    // The pages read the client's registry through the application's library handle, on a client
    // that has what every page reads. Questions are answered Yes, every other box OK.
    void SetUp() override {
        ASSERT_TRUE(Ovasim("reset --english --demo"));
        app.m_hClient = QTV_CLI_initialize();
        SetMessageBoxRecorder(
            [this](HWND owner, const std::string& text, const std::string& title, UINT type) {
                boxes.push_back(title);
                boxTexts.push_back(text);
                lastBoxOwner = owner;
                return (type & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
            });
    }
    void TearDown() override {
        SetMessageBoxRecorder(nullptr);
        QTV_CLI_terminate(app.m_hClient);
    }

    // Runs the dialog; once it is up, ACT works on it, then Cancel closes it if it is still open.
    // Returns whether the dialog came up at all; closedWithOk tells how it ended, boxes what it
    // showed.
    bool Run(std::function<void(COvaSettingsDlg&)> act = nullptr) {
        boxes.clear();
        boxTexts.clear();
        COvaSettingsDlg dialog;
        g_dialog = &dialog;
        g_act = std::move(act);
        g_acted = false;
        UINT_PTR timer = SetTimer(nullptr, 0, 50, ActThenCancel);
        closedWithOk = dialog.DoModal() == IDOK;
        KillTimer(nullptr, timer);
        g_dialog = nullptr;
        return g_acted;
    }

    std::vector<std::string> boxes, boxTexts;  // their titles and texts
    HWND lastBoxOwner = nullptr;
    bool closedWithOk = false;
    COvaSettingsApp app;
};

}  // namespace main_dialog
