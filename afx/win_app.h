// CWinApp: the one application object of a program. Its constructor makes it the current
// application; the framework's WinMain (afx/winmain.cpp) hands the process to AfxWinMain, which
// runs InitInstance. A dialog-based program runs its dialog there and answers FALSE, and the
// process ends with ExitInstance's value.
#pragma once

#include <windows.h>

#include <string>

class CWnd;

class CWinApp {
public:
    // lpszAppName: the title of the framework's message boxes; null for the program's file name.
    explicit CWinApp(const char* lpszAppName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The program's start. TRUE runs the message loop (Run), FALSE ends the program at once.
    virtual BOOL InitInstance();
    // The program's end; its answer is the process's exit code. 0 by default.
    virtual int ExitInstance();
    // The message loop, until WM_QUIT; then ExitInstance.
    virtual int Run();
    // Every message box of the framework (AfxMessageBox) comes here; override it to route the
    // boxes elsewhere. The answer is the button pressed (IDOK, ...).
    virtual int DoMessageBox(const char* lpszPrompt, UINT nType, UINT nIDPrompt);

    // An icon resource of the program's resource module, in the system's icon size; null when
    // there is none.
    HICON LoadIcon(UINT nIDResource) const;

    HINSTANCE m_hInstance = nullptr;
    LPSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    const char* m_pszAppName;
    // The program's main window, the owner of dialogs and boxes that name none.
    CWnd* m_pMainWnd = nullptr;
};

// The current application object; null when there is none.
CWinApp* AfxGetApp();
// The program's module: the application's instance handle once AfxWinMain has set it, the
// module of the program before that or without an application object.
HINSTANCE AfxGetInstanceHandle();
// Where dialog templates, icons and bitmaps are loaded from: the program's module.
HINSTANCE AfxGetResourceHandle();
// Control containers (ActiveX controls in dialogs) have no meaning here; kept so that code
// written for MFC still calls it. Does nothing.
void AfxEnableControlContainer();
// Through the application's DoMessageBox; a plain MessageBoxA without an application object.
int AfxMessageBox(const std::string& text, UINT nType = MB_OK, UINT nIDHelp = 0);
// The process's entry, called by the framework's WinMain: records the instance, initialises the
// common controls and runs the application.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
