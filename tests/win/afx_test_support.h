// What the framework's tests share: the common controls, and an application object that records
// the framework's message boxes instead of showing them.
#pragma once

#include "afx/afxcmn.h"

#include <string>
#include <vector>

inline void InitTestControls() {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
}

class BoxRecordingApp : public CWinApp {
public:
    BoxRecordingApp() : CWinApp("afx test") {}
    int DoMessageBox(const char* lpszPrompt, UINT nType, UINT) override {
        boxes.push_back(lpszPrompt);
        types.push_back(nType);
        return IDOK;
    }
    std::vector<std::string> boxes;
    std::vector<UINT> types;
};

// Left button press and release in the middle of a rectangle of the window's client area.
inline void ClickAt(HWND hWnd, const RECT& rect) {
    const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ::SendMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, point);
    ::SendMessageA(hWnd, WM_LBUTTONUP, 0, point);
}

// Dispatches what has been posted to this thread's windows.
inline void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
