// CTabCtrl: the tab control.
#pragma once

#include "afx/wnd.h"

#include <windows.h>
#include <commctrl.h>

class CTabCtrl : public CWnd {
public:
    // A tab with its text only at position nItem; the new tab's index, or -1.
    int InsertItem(int nItem, LPCSTR lpszItem) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<LPSTR>(lpszItem);
        return InsertItem(nItem, &item);
    }
    int InsertItem(int nItem, TCITEMA* pTabCtrlItem) {
        return static_cast<int>(SendMessage(TCM_INSERTITEMA, static_cast<WPARAM>(nItem),
                                            reinterpret_cast<LPARAM>(pTabCtrlItem)));
    }
    BOOL DeleteItem(int nItem) {
        return static_cast<BOOL>(SendMessage(TCM_DELETEITEM, static_cast<WPARAM>(nItem)));
    }
    int GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
    // The selected tab, or -1 when none is.
    int GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
    // The tab selected before, or -1. Sends no TCN_SELCHANGING / TCN_SELCHANGE.
    int SetCurSel(int nItem) {
        return static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(nItem)));
    }
    // Moves to tab nItem as a click does, with TCN_SELCHANGING and TCN_SELCHANGE.
    void SetCurFocus(int nItem) { SendMessage(TCM_SETCURFOCUS, static_cast<WPARAM>(nItem)); }
    // The tab's rectangle in the control's client coordinates; FALSE for no such tab.
    BOOL GetItemRect(int nItem, LPRECT lpRect) const {
        return static_cast<BOOL>(SendMessage(TCM_GETITEMRECT, static_cast<WPARAM>(nItem),
                                             reinterpret_cast<LPARAM>(lpRect)));
    }
    int GetRowCount() const { return static_cast<int>(SendMessage(TCM_GETROWCOUNT)); }
};
