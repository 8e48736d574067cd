// The standard controls. Each wrapper sends one message and passes the control's answer on.
#pragma once

#include "afx/wnd.h"

#include <windows.h>

#include <string>

class CButton : public CWnd {
public:
    // Makes a button child window (BS_ style bits in dwStyle); the object owns it.
    BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
        return CreateEx(0, "BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
    }

protected:
    // An owner-drawn button (BS_OWNERDRAW) draws itself here; its parent's WM_DRAWITEM is
    // offered to the button first.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// The text of line INDEX of the combo box COMBO in the ANSI code page, whole whatever its length;
// empty when the line does not exist.
std::string ComboLineText(HWND combo, int index);

class CComboBox : public CWnd {
public:
    // The new line's index; CB_ERR (-1) or CB_ERRSPACE (-2) on failure. A sorted box sorts it in.
    int AddString(LPCSTR lpszString) {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszString)));
    }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    // The number of lines, or CB_ERR.
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    // If no item is selected, it returns CB_ERR (-1).
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    // The selected index; CB_ERR when nSelect is -1 (no selection) or out of range.
    int SetCurSel(int nSelect) {
        return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nSelect)));
    }
    // The length of line nIndex without the NUL, or CB_ERR.
    int GetLBTextLen(int nIndex) const {
        return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex)));
    }
    // The text of line nIndex, whole whatever its length; a line that does not exist is a
    // programming error.
    void GetLBText(int nIndex, std::string& rString) const;
    // Selects the first line after nStartAfter that begins with lpszString, ignoring case; the
    // search wraps to the top, and -1 searches from the top. The index, or CB_ERR when no line
    // matches (the selection then stays).
    int SelectString(int nStartAfter, LPCSTR lpszString) {
        return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(nStartAfter),
                                            reinterpret_cast<LPARAM>(lpszString)));
    }
};

class CStatic : public CWnd {
public:
    // The icon shown before, or null (SS_ICON statics).
    HICON SetIcon(HICON hIcon) {
        return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(hIcon)));
    }
};
