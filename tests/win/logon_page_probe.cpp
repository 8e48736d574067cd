// Opens the Windows logon page as the program would and answers what it shows as its exit code, so
// that a test can run it under another of Wine's Windows versions (fixed when a program starts).
// With "ok" it runs the main dialog on the client as it is instead, presses OK and answers OK.
#include "app/message_box.h"
#include "app/ovasettings_app.h"
#include "app/windows_version.h"
#include "pages/page6_dlg.h"
#include "store/nics_info.h"
#include "store/profile_catalogue.h"
#include "ui/ovasettings_dlg.h"

namespace {

COvaSettingsDlg* g_dialog = nullptr;

// Once the dialog shows: OK, then Cancel in case OK left it open.
void CALLBACK PressOk(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!IsWindowVisible(g_dialog->m_hWnd)) return;
    KillTimer(nullptr, timer);
    g_dialog->SendMessage(WM_COMMAND, IDOK);
    PostMessageA(g_dialog->m_hWnd, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace

// 0x400 once the page is made, then bit 0 the NT family, bit 1 checkbox 1055 ticked and bits 2
// to 9 controls 1055 to 1062 enabled.
int main(int argc, char** argv) {
    COvaSettingsApp app;
    app.m_hClient = QTV_CLI_initialize();
    if (argc > 1 && std::string(argv[1]) == "ok") {  // IDOK when OK closed the dialog
        MakeProcessNicsInfo();
        MakeProcessProfilesInfo();
        SetMessageBoxRecorder(
            [](HWND, const std::string&, const std::string&, UINT) { return IDOK; });
        COvaSettingsDlg dialog;
        g_dialog = &dialog;
        SetTimer(nullptr, 0, 50, PressOk);
        const int closed = static_cast<int>(dialog.DoModal());
        QTV_CLI_terminate(app.m_hClient);
        return closed;
    }
    CWnd parent;
    parent.Attach(CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                                  nullptr, nullptr));
    CPage6Dlg page;
    if (!page.Create(CPage6Dlg::IDD, &parent)) return 1;
    int answer = 0x400 | (IsNtFamily() ? 1 : 0);
    if (page.IsDlgButtonChecked(1055) == BST_CHECKED) answer |= 2;
    for (int id = 1055; id <= 1062; ++id)
        if (::IsWindowEnabled(::GetDlgItem(page.m_hWnd, id))) answer |= 4 << (id - 1055);
    page.DestroyWindow();
    DestroyWindow(parent.Detach());
    QTV_CLI_terminate(app.m_hClient);
    return answer;
}
