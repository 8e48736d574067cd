// CWnd: one object for one window. The object is found from the window's handle through the
// handle map; a window that is subclassed (SubclassWindow, DDX_Control, the dialogs) sends every
// message through the object's message map before its own procedure sees it.
//
// The wrappers pass the system's answer on unchanged; each says what that answer is.
#pragma once

#include "afx/debug.h"
#include "afx/gdi.h"
#include "afx/message_map.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

class CDataExchange;

class CWnd {
public:
    CWnd() = default;
    // A window still attached is let go (its own procedure restored); one that this object
    // created is also destroyed.
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The handle map.

    // The object attached to hWnd; for a window without one, a plain CWnd that the framework
    // keeps until the window is gone. Null for a null handle.
    static CWnd* FromHandle(HWND hWnd);
    // The object attached to hWnd, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Binds this object to hWnd without taking its messages. FALSE for a null handle.
    BOOL Attach(HWND hWndNew);
    // Lets the window go (a subclassed one gets its own procedure back) and returns it.
    HWND Detach();
    // Binds this object to hWnd and sends the window's messages through the message map first.
    BOOL SubclassWindow(HWND hWnd);
    // SubclassWindow for the control nID of pParent. FALSE when there is no such control.
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);

    // Creates a window of a registered class (a control, usually) and subclasses it; the object
    // then owns it. Messages sent during creation (WM_CREATE) do not pass through the map.
    BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Nonzero when the window was destroyed.
    BOOL DestroyWindow();

    // Messages.

    // The answer of the window procedure.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    // Nonzero when the message was queued.
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }

    // Text.

    // Nonzero on success.
    BOOL SetWindowText(const std::string& text) { return ::SetWindowTextA(m_hWnd, text.c_str()); }
    // The whole text, however long.
    void GetWindowText(std::string& rString) const;
    // Copies at most nMaxCount - 1 characters and a NUL; the number of characters copied.
    int GetWindowText(char* lpszStringBuf, int nMaxCount) const {
        return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
    }
    BOOL SetDlgItemText(int nID, const std::string& text) {
        return ::SetWindowTextA(GetDlgItemHandle(nID), text.c_str());
    }
    void GetDlgItemText(int nID, std::string& rString) const;

    // Children and relatives.

    // The control's object (see FromHandle), or null when there is no control nID.
    CWnd* GetDlgItem(int nID) const { return FromHandle(GetDlgItemHandle(nID)); }
    // The control's handle in *phWnd, null when there is none.
    void GetDlgItem(int nID, HWND* phWnd) const { *phWnd = GetDlgItemHandle(nID); }
    // The control's handle, null when there is none. Under Wine every lookup by id is a round
    // trip to the window server, which lists the window's children anew; a dialog's controls
    // stay as they were made, so each is looked up once and then taken from what was found,
    // as long as that window is still this window's child with that id.
    HWND GetDlgItemHandle(int nID) const;
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    // The previous parent, or null on failure.
    CWnd* SetParent(CWnd* pWndNewParent) {
        return FromHandle(::SetParent(m_hWnd, pWndNewParent->GetSafeHwnd()));
    }

    // Buttons of a dialog.

    BOOL CheckDlgButton(int nIDButton, UINT nCheck) {
        HWND hWndButton = GetDlgItemHandle(nIDButton);
        if (hWndButton == nullptr) return FALSE;
        ::SendMessageA(hWndButton, BM_SETCHECK, nCheck, 0);
        return TRUE;
    }
    // BST_CHECKED, BST_INDETERMINATE or BST_UNCHECKED (also when there is no such button).
    UINT IsDlgButtonChecked(int nIDButton) const {
        HWND hWndButton = GetDlgItemHandle(nIDButton);
        return hWndButton == nullptr
                   ? BST_UNCHECKED
                   : static_cast<UINT>(::SendMessageA(hWndButton, BM_GETCHECK, 0, 0));
    }

    // State.

    // Nonzero when the window was visible before.
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    // Nonzero when the window was disabled before.
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    // Off, the window neither draws nor, for a list, lays itself out until it is switched on again.
    void SetRedraw(BOOL bRedraw = TRUE) { ::SendMessageA(m_hWnd, WM_SETREDRAW, bRedraw, 0); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    // The window that had the focus before, or null.
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
    // The icon set before, or null. bBigIcon chooses ICON_BIG or ICON_SMALL.
    HICON SetIcon(HICON hIcon, BOOL bBigIcon) {
        return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL,
                                                   reinterpret_cast<LPARAM>(hIcon)));
    }

    // Geometry.

    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    void ScreenToClient(LPRECT lpRect) const {
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(lpRect), 2);
    }
    void ClientToScreen(LPRECT lpRect) const {
        ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(lpRect), 2);
    }
    // pWndInsertAfter null means HWND_TOP; use SWP_NOZORDER to keep the Z order.
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
        return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : HWND_TOP, x, y,
                              cx, cy, nFlags);
    }

    // A message of a modal dialog's loop, offered before the dialog manager translates it: first
    // to the window it is for, then to each parent up to the dialog. TRUE takes it, and nothing
    // else sees it. Nothing is taken by default.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Data exchange: runs DoDataExchange in the given direction (TRUE: controls to members).
    // FALSE when a field failed; the exchange stopped there and the focus is on that control.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

protected:
    // Every class with entries of its own overrides this (see afx/message_map.h).
    virtual const MessageMap* GetMessageMap() const;
    // The class's DDX_ lines, one per control; nothing by default.
    virtual void DoDataExchange(CDataExchange* pDX);

    // Every message of a subclassed window: the message map first, then DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Offers the message to the map: first, for a message that comes from or is about a child
    // control, to that control's own object (OnChildNotify), then to this window's entries.
    // TRUE, with the answer in *pResult, when some handler took it.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A message that the parent offers to this control first: the Reflect... entries of its map.
    // TRUE when this control handled it, and the parent then does not.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The window's own procedure (the control's, or the dialog manager's).
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // DefWindowProc with the message now being handled, for handlers that add to the default.
    // Only inside this window's own message handling: a handler reached by reflection is
    // handling its parent's message and has no default of its own.
    LRESULT Default();
    // Called after the last message (WM_NCDESTROY), once the object has let the window go.
    virtual void PostNcDestroy() {}

    // The default handling of messages that handlers often add to: CDialog::OnPaint() in a
    // derived class's OnPaint, and so on.
    void OnPaint() { Default(); }
    void OnDestroy() { Default(); }
    HBRUSH OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }

    // The procedure the window had before it was subclassed; null when it is not subclassed.
    WNDPROC m_pfnSuper = nullptr;

private:
    // Drops the tie between object and window without touching the window.
    HWND Forget();
    static LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, bool reflected,
                       LRESULT* pResult);
    HWND ReflectionSource(UINT message, WPARAM wParam, LPARAM lParam) const;

    // The message being handled, for Default(); null outside the window procedure.
    const MSG* m_pCurrentMsg = nullptr;
    // Made by CreateEx or CDialog::Create: destroyed with the object.
    bool m_bOwnsWindow = false;
    // The controls GetDlgItemHandle has found, by id.
    mutable std::vector<std::pair<int, HWND>> m_controls;

    friend class CDialog;
};
