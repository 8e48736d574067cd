// Message maps: each window class keeps a static table that binds a message (and, for commands
// and notifications, a control id and a notification code) to one of its member functions, and
// chains to its base class's table. The derived class's entries are searched first, then the
// base's, and the first entry that matches handles the message; a message that no entry takes
// goes to the window's default procedure.
//
// Usage:
//
//     class CMyDlg : public CDialog {
//         ...
//     protected:
//         const MessageMap* GetMessageMap() const override;
//
//     private:
//         void OnHelp();                                 // a command
//         void OnItemClick(NMHDR* pNMHDR, LRESULT* pResult);  // a notification, *pResult 0
//         void OnPaint();                                // a message; answers 0
//         LRESULT OnQueryDragIcon(WPARAM, LPARAM);       // a message with its answer
//         HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);  // every WM_CTLCOLORxxx
//     };
//
//     const MessageMap* CMyDlg::GetMessageMap() const {
//         static const MessageMapEntry entries[] = {
//             CommandEntry(1000, BN_CLICKED, &CMyDlg::OnHelp),
//             NotifyEntry(1006, NM_CLICK, &CMyDlg::OnItemClick),
//             MessageEntry(WM_PAINT, &CMyDlg::OnPaint),
//             MessageEntry(WM_QUERYDRAGICON, &CMyDlg::OnQueryDragIcon),
//             CtlColorEntry(&CMyDlg::OnCtlColor),
//         };
//         static const MessageMap map{CDialog::GetMessageMap(), entries};
//         return &map;
//     }
//
// A control class that handles its own notifications lists them with ReflectNotifyEntry; the
// parent window offers such a notification to the control's object first and handles it itself
// only when the control did not (see CWnd::OnWndMsg):
//
//     const MessageMap* CMyTabCtrl::GetMessageMap() const {
//         static const MessageMapEntry entries[] = {
//             ReflectNotifyEntry(TCN_SELCHANGING, &CMyTabCtrl::OnSelChanging),
//             ReflectNotifyEntry(TCN_SELCHANGE, &CMyTabCtrl::OnSelChange),
//             MessageEntry(WM_DESTROY, &CMyTabCtrl::OnDestroy),  // the control's own message
//         };
//         static const MessageMap map{CTabCtrl::GetMessageMap(), entries};
//         return &map;
//     }
//
// The handler's class must derive from CWnd; the entry builders check it when they are compiled.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <type_traits>

class CWnd;
class CDC;

enum class MapKind : unsigned char {
    Command,          // WM_COMMAND from control `id` with notification `code`
    Notify,           // WM_NOTIFY from control `id` with notification `code`
    Message,          // the message `message`, whatever its parameters
    CtlColor,         // every WM_CTLCOLORxxx message
    ReflectedNotify,  // the control's own WM_NOTIFY `code`, offered to it by its parent
};

struct MessageMapEntry {
    using VoidHandler = void (CWnd::*)();
    using NotifyHandler = void (CWnd::*)(NMHDR*, LRESULT*);
    using MessageHandler = LRESULT (CWnd::*)(WPARAM, LPARAM);
    using CtlColorHandler = HBRUSH (CWnd::*)(CDC*, CWnd*, UINT);

    MapKind kind;
    UINT message;
    UINT id;
    UINT code;
    // Exactly one of these is set, by the entry builders below.
    VoidHandler onVoid;
    NotifyHandler onNotify;
    MessageHandler onMessage;
    CtlColorHandler onCtlColor;
};

struct MessageMap {
    // A class that adds no entries of its own.
    explicit MessageMap(const MessageMap* baseMap) : base(baseMap) {}
    template <std::size_t N>
    MessageMap(const MessageMap* baseMap, const MessageMapEntry (&table)[N])
        : base(baseMap), entries(table), count(N) {}

    const MessageMap* base;
    const MessageMapEntry* entries = nullptr;
    std::size_t count = 0;
};

namespace afx_detail {

// A member function of a CWnd-derived class, seen as a member function of CWnd. Calling it
// through the map is sound because a class's map is only ever used for objects of that class.
template <class T, class R, class... Args>
auto AsWndMember(R (T::*handler)(Args...)) {
    static_assert(std::is_base_of_v<CWnd, T>, "a message handler must belong to a CWnd class");
    return static_cast<R (CWnd::*)(Args...)>(handler);
}

inline MessageMapEntry Entry(MapKind kind, UINT message, UINT id, UINT code) {
    return {kind, message, id, code, nullptr, nullptr, nullptr, nullptr};
}

}  // namespace afx_detail

// WM_COMMAND from control `id` with notification `code` (BN_CLICKED, CBN_SELENDOK, ...).
template <class T>
MessageMapEntry CommandEntry(UINT id, UINT code, void (T::*handler)()) {
    MessageMapEntry entry = afx_detail::Entry(MapKind::Command, WM_COMMAND, id, code);
    entry.onVoid = afx_detail::AsWndMember(handler);
    return entry;
}

// WM_NOTIFY from control `id` with notification `code` (NM_CLICK, LVN_GETDISPINFO, ...). The
// handler's *pResult, 0 unless it sets it, is the message's answer.
template <class T>
MessageMapEntry NotifyEntry(UINT id, UINT code, void (T::*handler)(NMHDR*, LRESULT*)) {
    MessageMapEntry entry = afx_detail::Entry(MapKind::Notify, WM_NOTIFY, id, code);
    entry.onNotify = afx_detail::AsWndMember(handler);
    return entry;
}

// Any message, with its parameters and answer.
template <class T>
MessageMapEntry MessageEntry(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
    MessageMapEntry entry = afx_detail::Entry(MapKind::Message, message, 0, 0);
    entry.onMessage = afx_detail::AsWndMember(handler);
    return entry;
}

// Any message whose parameters the handler does not need (WM_PAINT, WM_DESTROY); answers 0.
template <class T>
MessageMapEntry MessageEntry(UINT message, void (T::*handler)()) {
    MessageMapEntry entry = afx_detail::Entry(MapKind::Message, message, 0, 0);
    entry.onVoid = afx_detail::AsWndMember(handler);
    return entry;
}

// Every WM_CTLCOLORxxx: the handler gets the control's context, the control, and its kind
// (CTLCOLOR_STATIC, CTLCOLOR_BTN, ...) and answers the brush that paints its background.
template <class T>
MessageMapEntry CtlColorEntry(HBRUSH (T::*handler)(CDC*, CWnd*, UINT)) {
    MessageMapEntry entry = afx_detail::Entry(MapKind::CtlColor, 0, 0, 0);
    entry.onCtlColor = afx_detail::AsWndMember(handler);
    return entry;
}

// The control's own WM_NOTIFY notification `code`, which its parent offers it first.
template <class T>
MessageMapEntry ReflectNotifyEntry(UINT code, void (T::*handler)(NMHDR*, LRESULT*)) {
    MessageMapEntry entry = afx_detail::Entry(MapKind::ReflectedNotify, WM_NOTIFY, 0, code);
    entry.onNotify = afx_detail::AsWndMember(handler);
    return entry;
}
