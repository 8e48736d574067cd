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
    // BST_CHECKED, BST_UNCHECKED or BST_INDETERMINATE; BST_UNCHECKED for a push button.
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
    // BST_PUSHED, BST_FOCUS and the check state, combined.
    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    void SetState(BOOL bHighlight) { SendMessage(BM_SETSTATE, bHighlight); }
    UINT GetButtonStyle() const { return GetStyle() & 0xFFFF; }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE) {
        SendMessage(BM_SETSTYLE, nStyle, bRedraw);
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
    // At nIndex (-1: at the end), not sorted; the index, or CB_ERR / CB_ERRSPACE.
    int InsertString(int nIndex, LPCSTR lpszString) {
        return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(nIndex),
                                            reinterpret_cast<LPARAM>(lpszString)));
    }
    // The number of lines left, or CB_ERR when nIndex is out of range.
    int DeleteString(UINT nIndex) { return static_cast<int>(SendMessage(CB_DELETESTRING, nIndex)); }
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
    // Like SelectString without selecting.
    int FindString(int nStartAfter, LPCSTR lpszString) const {
        return static_cast<int>(SendMessage(CB_FINDSTRING, static_cast<WPARAM>(nStartAfter),
                                            reinterpret_cast<LPARAM>(lpszString)));
    }
    // The first line after nIndexStart equal to lpszFind, ignoring case, or CB_ERR.
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const {
        return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart),
                                            reinterpret_cast<LPARAM>(lpszFind)));
    }
    // The value kept with line nIndex, or CB_ERR.
    DWORD_PTR GetItemData(int nIndex) const {
        return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(nIndex)));
    }
    // CB_ERR on failure.
    int SetItemData(int nIndex, DWORD_PTR dwItemData) {
        return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(nIndex),
                                            static_cast<LPARAM>(dwItemData)));
    }
    // Nonzero while the list is dropped down.
    BOOL GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
    void ShowDropDown(BOOL bShowIt = TRUE) { SendMessage(CB_SHOWDROPDOWN, bShowIt); }
    // Selects characters nStartChar..nEndChar of the edit field; FALSE for a drop-down list.
    BOOL SetEditSel(int nStartChar, int nEndChar) {
        return static_cast<BOOL>(SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(nStartChar, nEndChar)));
    }
};

class CEdit : public CWnd {
public:
    // Selects characters nStartChar..nEndChar; 0, -1 selects everything.
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE) {
        SendMessage(EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
        if (!bNoScroll) SendMessage(EM_SCROLLCARET);
    }
    // The selection's first character and the one after its last.
    void GetSel(int& nStartChar, int& nEndChar) const {
        DWORD start = 0;
        DWORD end = 0;
        SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        nStartChar = static_cast<int>(start);
        nEndChar = static_cast<int>(end);
    }
    // The most characters the user may type; 0 sets the system's maximum.
    void SetLimitText(UINT nMax) { SendMessage(EM_SETLIMITTEXT, nMax); }
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE) {
        SendMessage(EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
    }
    // Nonzero when the text has been changed since it was set.
    BOOL GetModify() const { return static_cast<BOOL>(SendMessage(EM_GETMODIFY)); }
    void SetReadOnly(BOOL bReadOnly = TRUE) { SendMessage(EM_SETREADONLY, bReadOnly); }
};

class CStatic : public CWnd {
public:
    // The icon shown before, or null (SS_ICON statics).
    HICON SetIcon(HICON hIcon) {
        return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(hIcon)));
    }
    // The bitmap shown before, or null (SS_BITMAP statics); the caller still owns both.
    HBITMAP SetBitmap(HBITMAP hBitmap) {
        return reinterpret_cast<HBITMAP>(
            SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
    }
};
