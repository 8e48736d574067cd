// Runs the main dialog on the client as it is, as the program would, so that a test can run it
// under another of Wine's Windows versions (fixed when a program starts). Once the dialog shows, it
// notes the Windows logon page and presses OK, then Cancel in case OK left it open; boxes are
// answered OK.
#include "app/message_box.h"
#include "app/ovasettings_app.h"
#include "app/windows_version.h"
#include "store/nics_info.h"
#include "store/profile_catalogue.h"
#include "ui/ovasettings_dlg.h"

namespace {

COvaSettingsDlg* g_dialog = nullptr;
int g_answer = 0;

// 0x400 once the page is made, then bit 0 the NT family, bit 1 checkbox 1055 ticked and bits 2
// to 9 controls 1055 to 1062 enabled.
void CALLBACK NoteThePageThenPressOk(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!IsWindowVisible(g_dialog->m_hWnd)) return;
    KillTimer(nullptr, timer);
    const HWND page = g_dialog->m_page6.m_hWnd;
    if (IsWindow(page)) g_answer = 0x400 | (IsNtFamily() ? 1 : 0);
    if (IsDlgButtonChecked(page, 1055) == BST_CHECKED) g_answer |= 2;
    for (int id = 1055; id <= 1062; ++id)
        if (IsWindowEnabled(GetDlgItem(page, id))) g_answer |= 4 << (id - 1055);
    g_dialog->SendMessage(WM_COMMAND, IDOK);
    PostMessageA(g_dialog->m_hWnd, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace

// The page's bits, and 0x800 when OK closed the dialog.
int main() {
    COvaSettingsApp app;
    app.m_hClient = QTV_CLI_initialize();
    MakeProcessNicsInfo();
    MakeProcessProfilesInfo();
    SetMessageBoxRecorder([](HWND, const std::string&, const std::string&, UINT) { return IDOK; });
    COvaSettingsDlg dialog;
    g_dialog = &dialog;
    SetTimer(nullptr, 0, 50, NoteThePageThenPressOk);
    const bool closedWithOk = dialog.DoModal() == IDOK;
    QTV_CLI_terminate(app.m_hClient);
    return g_answer | (closedWithOk ? 0x800 : 0);
}
