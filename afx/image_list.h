// CImageList: owns an image list and destroys it when it goes.
#pragma once

#include "afx/gdi.h"

#include <windows.h>
#include <commctrl.h>

#include <utility>

class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    // Images of cx x cy pixels; nFlags is ILC_COLOR32 | ILC_MASK and the like; the list starts
    // with room for nInitial images and grows by nGrow. FALSE when it could not be made.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
        return Attach(::ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
    }
    // Takes ownership; a list held before is destroyed first.
    BOOL Attach(HIMAGELIST hImageList) {
        DeleteImageList();
        m_hImageList = hImageList;
        return hImageList != nullptr;
    }
    // Gives up ownership: the caller (or a control without LVS_SHAREIMAGELISTS) destroys it.
    HIMAGELIST Detach() { return std::exchange(m_hImageList, nullptr); }
    BOOL DeleteImageList() {
        return m_hImageList != nullptr ? ::ImageList_Destroy(std::exchange(m_hImageList, nullptr))
                                       : FALSE;
    }

    // The new image's index, or -1. The list keeps its own copy of the icon.
    int Add(HICON hIcon) { return ::ImageList_AddIcon(m_hImageList, hIcon); }
    // The first new image's index, or -1; the bitmap may hold several images side by side.
    int Add(CBitmap* pbmImage, CBitmap* pbmMask) {
        return ::ImageList_Add(m_hImageList, *pbmImage,
                               pbmMask != nullptr ? static_cast<HBITMAP>(*pbmMask) : nullptr);
    }
    // Pixels of crMask colour become transparent.
    int Add(CBitmap* pbmImage, COLORREF crMask) {
        return ::ImageList_AddMasked(m_hImageList, *pbmImage, crMask);
    }
};
