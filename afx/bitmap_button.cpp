#include "afx/bitmap_button.h"

BOOL CBitmapButton::LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel,
                                UINT nIDBitmapResourceFocus, UINT nIDBitmapResourceDisabled) {
    m_bitmap.DeleteObject();
    m_bitmapSel.DeleteObject();
    m_bitmapFocus.DeleteObject();
    m_bitmapDisabled.DeleteObject();
    if (!m_bitmap.LoadBitmap(nIDBitmapResource)) return FALSE;
    BOOL allLoaded = TRUE;
    const struct {
        CBitmap* bitmap;
        UINT id;
    } others[] = {{&m_bitmapSel, nIDBitmapResourceSel},
                  {&m_bitmapFocus, nIDBitmapResourceFocus},
                  {&m_bitmapDisabled, nIDBitmapResourceDisabled}};
    for (const auto& other : others) {
        if (other.id != 0 && !other.bitmap->LoadBitmap(other.id)) allLoaded = FALSE;
    }
    return allLoaded;
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    // A bitmap button without its normal bitmap is a programming error.
    AFX_ASSERT(m_bitmap.GetSafeHandle() != nullptr);
    const UINT state = lpDrawItemStruct->itemState;
    const CBitmap* pBitmap = &m_bitmap;
    if ((state & ODS_SELECTED) != 0 && m_bitmapSel.GetSafeHandle() != nullptr) {
        pBitmap = &m_bitmapSel;
    } else if ((state & ODS_FOCUS) != 0 && m_bitmapFocus.GetSafeHandle() != nullptr) {
        pBitmap = &m_bitmapFocus;
    } else if ((state & ODS_DISABLED) != 0 && m_bitmapDisabled.GetSafeHandle() != nullptr) {
        pBitmap = &m_bitmapDisabled;
    }

    CDC target;
    target.Attach(lpDrawItemStruct->hDC);
    CDC memory;
    if (!memory.CreateCompatibleDC(&target)) {
        target.Detach();
        return;
    }
    HGDIOBJ hOld = memory.SelectObject(pBitmap);
    const CRect rect(lpDrawItemStruct->rcItem);
    target.BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(hOld);
    target.Detach();
}
