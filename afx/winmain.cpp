// The framework's entry point. GUI programs add this file (the afx_winmain object library) to
// their sources; test programs, which have their own main, leave it out.
#include "afx/win_app.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
