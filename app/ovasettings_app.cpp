#include "app/ovasettings_app.h"

#include "app/diagnostic_log.h"
#include "app/message_text.h"
#include "app/timeline.h"
#include "app/unique_handle.h"
#include "app/winsock_seam.h"
#include "ui/ovasettings_dlg.h"

#include <cstdio>
#include <memory>

COvaSettingsApp::~COvaSettingsApp() = default;

COvaSettingsApp* GetOvaSettingsApp() {
    return static_cast<COvaSettingsApp*>(AfxGetApp());
}

QtvHandle ClientHandle() {
    const COvaSettingsApp* app = GetOvaSettingsApp();
    return app != nullptr ? app->m_hClient : 0;
}

bool COvaSettingsApp::LoadText(DWORD* number, char* buffer, DWORD* size) {
    return ::LoadText(number, buffer, size);
}

void COvaSettingsApp::ShowErrorText(DWORD number) {
    ::ShowErrorText(number);
}

BOOL COvaSettingsApp::InitInstance() {
    TIMELINE_STEP("InitInstance entered");
    AfxEnableControlContainer();

    if (StartWinsock() != 0) {
        ShowErrorText(kMsgWinsockFailed);
        return FALSE;
    }
    TIMELINE_STEP("Winsock started");

    m_hClient = QTV_CLI_initialize();
    if (m_hClient == 0) {
        ShowErrorText(kMsgNoClientHandle);
        EndWinsock();
        return FALSE;
    }
    TIMELINE_STEP("client library initialised");

    UniqueHandle mutex(CreateMutexA(nullptr, FALSE, kSingleInstanceMutex));
    DWORD error = GetLastError();
    if (!mutex) {
        char line[260] = {};
        std::snprintf(line, sizeof line,
                      "COvaSettingsApp::InitInstance() : CreateMutex(MutexOvaSettings) is failed. "
                      "error = %ld",
                      static_cast<long>(error));
        WriteLog(line);
        ShowErrorText(kMsgMutexFailed);
        QTV_CLI_terminate(m_hClient);
        EndWinsock();
        return FALSE;
    }
    if (error == ERROR_ALREADY_EXISTS) {
        ShowErrorText(kMsgAlreadyRunning);
        QTV_CLI_terminate(m_hClient);
        EndWinsock();
        // the handle just opened stays open until the process ends
        mutex.release();
        return FALSE;
    }

    TIMELINE_STEP("mutex taken");
    auto dialog = std::make_unique<COvaSettingsDlg>();
    dialog->DoModal();  // OK or Cancel: the dialog saved what it had to save itself
    TIMELINE_STEP("dialog closed");

    QTV_CLI_terminate(m_hClient);
    EndWinsock();
    mutex.reset();
    dialog.reset();
    TIMELINE_STEP("everything released");
    return FALSE;
}
