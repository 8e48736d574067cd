#include "tests/win/main_dialog_host.h"

#include "app/message_box.h"
#include "tools/driver/driver.h"

#include <utility>

namespace main_dialog {

::testing::AssertionResult Ovasim(const std::string& arguments) {
    std::string out;
    int code = driver::Run("\"" + driver::OwnFolder() + "\\ovasim.exe\" " + arguments, &out);
    if (code == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "ovasim " << arguments << " exited with " << code
                                         << " (error " << GetLastError() << "): " << out;
}

std::string WindowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text - 1);
    return text;
}

namespace {

COvaSettingsDlg* g_dialog = nullptr;
std::function<void(COvaSettingsDlg&)> g_act;
bool g_acted = false;

// Waits, however long the machine takes, until the dialog shows.
void CALLBACK ActThenCancel(HWND, UINT, UINT_PTR timer, DWORD) {
    if (g_acted || !g_dialog->m_hWnd || !IsWindowVisible(g_dialog->m_hWnd)) return;
    KillTimer(nullptr, timer);
    g_acted = true;
    if (g_act) g_act(*g_dialog);
    PostMessageA(g_dialog->m_hWnd, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace

void Host::SetUp() {
    ASSERT_TRUE(Ovasim("reset --english --demo"));
    app.m_hClient = QTV_CLI_initialize();
    SetMessageBoxRecorder(
        [this](HWND owner, const std::string&, const std::string& title, UINT type) {
            boxes.push_back({owner, title});
            return (type & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
        });
}

void Host::TearDown() {
    SetMessageBoxRecorder(nullptr);
    QTV_CLI_terminate(app.m_hClient);
}

bool Host::Run(std::function<void(COvaSettingsDlg&)> act) {
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

std::vector<std::string> Host::BoxTitles() const {
    std::vector<std::string> titles;
    for (const Box& b : boxes) titles.push_back(b.title);
    return titles;
}

}  // namespace main_dialog
