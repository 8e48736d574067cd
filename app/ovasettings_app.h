// The application object: prepares the process (Winsock, a client library handle, the guard
// against a second copy), runs the main settings dialog and gives back what it took.
#pragma once

#include "afx/afxwin.h"
#include "client/ovacli.h"

class COvaSettingsApp : public CWinApp {
public:
    COvaSettingsApp() = default;
    ~COvaSettingsApp() override;

    // Always FALSE: the process ends as soon as the dialog has closed or start-up has failed.
    BOOL InitInstance() override;

    // The text lookup and the error box, shared with the free functions of the same names.
    bool LoadText(DWORD* number, char* buffer, DWORD* size);
    void ShowErrorText(DWORD number);

    QtvHandle m_hClient = 0;
};

// The application object through the framework's current-application pointer.
COvaSettingsApp* GetOvaSettingsApp();
// The application's library handle; a process without the application object has none, and the
// library then refuses the call like any other it cannot answer.
QtvHandle ClientHandle();

constexpr const char kSingleInstanceMutex[] = "MutexOvaSettings";
