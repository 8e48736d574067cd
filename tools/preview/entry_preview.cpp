// Shows the start entry dialog as the start list page opens it to edit the demo client's first
// entry: its card, its profile, its ID and a password (masked), with the captions in the client's
// language. It runs until the dialog is closed.
#include "client/loaded_module.h"
#include "pages/auto_start_dlg.h"
#include "sim/common/sim_state.h"
#include "store/profile_catalogue.h"

#include <commctrl.h>

namespace {

constexpr unsigned kFirstEntryText = 208;  // texts 208 to 212, in the dialog's order
constexpr unsigned kInterfaceTextCommand = 1;

std::string InterfaceText(unsigned number) {
    LoadedModule module("OvaText.dll");
    if (!module.ready()) return {};
    char text[1024] = {};
    DWORD size = sizeof text, cell = number, status = 0;
    module.object()->Invoke(kInterfaceTextCommand, &cell, text, &size, &status);
    return text;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    CAutoStartDlg dialog;
    for (int i = 0; i < CAutoStartDlg::kTextCount; ++i)
        dialog.m_strText[i] = InterfaceText(kFirstEntryText + i);
    dialog.m_strInstallDir = sim::kInstallDir;
    dialog.m_strWirelessExt = ".wcf";
    dialog.m_strWiredExt = ".pcf";
    dialog.m_strCardName = "Realtek PCIe GbE Family Controller";
    dialog.m_strProfilePath = GetProfileFolder() + "\\office.pcf";
    dialog.m_strId = "alice";
    dialog.m_strPassword = "demo-password";
    dialog.DoModal();
    return 0;
}
