#include "afx/win_app.h"

#include "afx/debug.h"
#include "afx/wnd.h"

#include <commctrl.h>

namespace {

CWinApp* g_pCurrentApp = nullptr;

}  // namespace

CWinApp::CWinApp(const char* lpszAppName) : m_pszAppName(lpszAppName) {
    // A program has one application object.
    AFX_ASSERT(g_pCurrentApp == nullptr);
    g_pCurrentApp = this;
}

CWinApp::~CWinApp() {
    if (g_pCurrentApp == this) g_pCurrentApp = nullptr;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return 0;
}

int CWinApp::Run() {
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return ExitInstance();
}

int CWinApp::DoMessageBox(const char* lpszPrompt, UINT nType, UINT) {
    HWND hWndOwner = m_pMainWnd != nullptr && ::IsWindow(m_pMainWnd->m_hWnd) ? m_pMainWnd->m_hWnd
                                                                             : ::GetActiveWindow();
    char title[MAX_PATH] = {};
    if (m_pszAppName != nullptr) {
        lstrcpynA(title, m_pszAppName, sizeof(title));
    } else {
        ::GetModuleFileNameA(nullptr, title, sizeof(title) - 1);
    }
    return ::MessageBoxA(hWndOwner, lpszPrompt, title, nType);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
}

CWinApp* AfxGetApp() {
    return g_pCurrentApp;
}

HINSTANCE AfxGetInstanceHandle() {
    if (g_pCurrentApp != nullptr && g_pCurrentApp->m_hInstance != nullptr) {
        return g_pCurrentApp->m_hInstance;
    }
    return ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
    return AfxGetInstanceHandle();
}

void AfxEnableControlContainer() {}

int AfxMessageBox(const std::string& text, UINT nType, UINT nIDHelp) {
    if (g_pCurrentApp != nullptr) return g_pCurrentApp->DoMessageBox(text.c_str(), nType, nIDHelp);
    return ::MessageBoxA(::GetActiveWindow(), text.c_str(), "", nType);
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow) {
    CWinApp* pApp = AfxGetApp();
    // The program defines its application object as a global.
    AFX_ASSERT(pApp != nullptr);
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;

    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    ::InitCommonControlsEx(&controls);

    if (!pApp->InitInstance()) return pApp->ExitInstance();
    return pApp->Run();
}
