// The main dialog run modally on a freshly reset demo client, as its users meet it: the test
// acts on it once it is up, the boxes it shows are recorded by title and answered, and Cancel
// closes whatever is still open.
#pragma once

#include "app/ovasettings_app.h"
#include "ui/ovasettings_dlg.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace main_dialog {

::testing::AssertionResult Ovasim(const std::string& arguments);
std::string WindowText(HWND window);

struct Box {
    HWND owner;
    std::string title;
};

class Host : public ::testing::Test {
protected:
    // The pages read the client's registry through the application's library handle, on a client
    // that has what every page reads. Questions are answered Yes, every other box OK.
    void SetUp() override;
    void TearDown() override;

    // Runs the dialog; once it is up, ACT works on it, then Cancel closes it if it is still open.
    // Returns whether the dialog came up at all; closedWithOk tells how it ended.
    bool Run(std::function<void(COvaSettingsDlg&)> act = nullptr);
    std::vector<std::string> BoxTitles() const;

    std::vector<Box> boxes;
    bool closedWithOk = false;
    COvaSettingsApp app;
};

}  // namespace main_dialog
