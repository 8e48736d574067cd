// CListCtrl: the list view, as the program uses it (report view).
#pragma once

#include "afx/image_list.h"
#include "afx/wnd.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

class CListCtrl : public CWnd {
public:
    // The new column's index, or -1. nWidth -1 leaves the width to the control; nSubItem -1
    // uses the column's index.
    int InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    // A line with its text only; the new line's index, or -1.
    int InsertItem(int nItem, LPCSTR lpszItem);
    // A line with its text (LPSTR_TEXTCALLBACKA: asked for by LVN_GETDISPINFO) and image; the
    // index, or -1.
    int InsertItem(int nItem, LPCSTR lpszItem, int nImage);
    // A line described field by field (LVIF_ flags in nMask); the index, or -1.
    int InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                   LPARAM lParam);
    int InsertItem(const LVITEMA* pItem) {
        return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(pItem)));
    }
    // Nonzero on success.
    BOOL SetItemText(int nItem, int nSubItem, LPCSTR lpszText);
    // The text of a line's column; empty for a line that does not exist.
    std::string GetItemText(int nItem, int nSubItem) const;
    BOOL DeleteItem(int nItem) {
        return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(nItem)));
    }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    // The next line after nItem (-1: from the first) with the LVNI_ flags, or -1.
    int GetNextItem(int nItem, int nFlags) const {
        return static_cast<int>(
            SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(nItem), MAKELPARAM(nFlags, 0)));
    }
    // The value kept with a line; 0 for a line that does not exist.
    DWORD_PTR GetItemData(int nItem) const;
    // The extended style set before.
    DWORD SetExtendedStyle(DWORD dwNewStyle) {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle));
    }
    // The list of that kind (LVSIL_SMALL, ...) held before, or null. The control destroys its
    // lists with itself unless it has LVS_SHAREIMAGELISTS.
    HIMAGELIST SetImageList(CImageList* pImageList, int nImageListType) {
        return reinterpret_cast<HIMAGELIST>(
            SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(nImageListType),
                        reinterpret_cast<LPARAM>(pImageList->GetSafeHandle())));
    }
    BOOL SetBkColor(COLORREF cr) { return static_cast<BOOL>(SendMessage(LVM_SETBKCOLOR, 0, cr)); }
    BOOL SetTextBkColor(COLORREF cr) {
        return static_cast<BOOL>(SendMessage(LVM_SETTEXTBKCOLOR, 0, cr));
    }
    BOOL SetTextColor(COLORREF cr) {
        return static_cast<BOOL>(SendMessage(LVM_SETTEXTCOLOR, 0, cr));
    }
    // Repaints lines nFirst..nLast (their texts are asked for again).
    BOOL RedrawItems(int nFirst, int nLast) {
        return static_cast<BOOL>(SendMessage(LVM_REDRAWITEMS, static_cast<WPARAM>(nFirst), nLast));
    }
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const {
        lpRect->left = static_cast<LONG>(nCode);
        return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(nItem),
                                             reinterpret_cast<LPARAM>(lpRect)));
    }
};
