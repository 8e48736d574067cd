// What the framework's tests share: the common controls and a click sent straight to a tab.
#pragma once

#include "afx/afxcmn.h"

#include <string>
#include <vector>

using Log = std::vector<std::string>;

inline void InitTestControls() {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
}

// Left button press and release in the middle of a tab, as the user switches to it.
inline bool ClickTab(CTabCtrl& tabs, int index) {
    RECT item = {};
    if (!tabs.GetItemRect(index, &item)) return false;
    const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, point);
    tabs.SendMessage(WM_LBUTTONUP, 0, point);
    return true;
}
