// Geometry helpers and owners of GDI handles: a GDI object or a device context made here is
// released when its owner goes; one that is only attached (Attach, FromHandle) is not.
#pragma once

#include "afx/debug.h"

#include <windows.h>

#include <utility>

class CWnd;

struct CPoint : POINT {
    CPoint() : POINT{0, 0} {}
    CPoint(int x0, int y0) : POINT{x0, y0} {}
};

struct CSize : SIZE {
    CSize() : SIZE{0, 0} {}
    CSize(int cx0, int cy0) : SIZE{cx0, cy0} {}
};

struct CRect : RECT {
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& r) : RECT(r) {}  // NOLINT: a RECT is a CRect, as in MFC
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
    bool operator==(const RECT& r) const { return ::EqualRect(this, &r) != FALSE; }
};

// Owns one GDI object (bitmap, brush, pen, font) and deletes it when it goes.
class CGdiObject {
public:
    CGdiObject() = default;
    ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept : m_hObject(other.Detach()) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept {
        if (this != &other) Attach(other.Detach());
        return *this;
    }

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    // Takes ownership; an object held before is deleted first.
    BOOL Attach(HGDIOBJ hObject) {
        DeleteObject();
        m_hObject = hObject;
        return hObject != nullptr;
    }
    // Gives up ownership: the caller deletes the handle.
    HGDIOBJ Detach() { return std::exchange(m_hObject, nullptr); }
    // Nonzero when an object was held and has been deleted.
    BOOL DeleteObject() {
        return m_hObject != nullptr ? ::DeleteObject(std::exchange(m_hObject, nullptr)) : FALSE;
    }

    HGDIOBJ m_hObject = nullptr;
};

class CBitmap : public CGdiObject {
public:
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    // A bitmap resource of the program's resource module.
    BOOL LoadBitmap(UINT nIDResource);
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
    BOOL CreateSolidBrush(COLORREF crColor) { return Attach(::CreateSolidBrush(crColor)); }
};

// A device context. One made by CreateCompatibleDC is deleted with the object; one given by
// Attach is only borrowed. CPaintDC manages its own.
class CDC {
public:
    CDC() = default;
    virtual ~CDC() { DeleteDC(); }
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    // Borrows a context that belongs to someone else.
    BOOL Attach(HDC hDC) {
        AFX_ASSERT(m_hDC == nullptr);
        m_hDC = hDC;
        m_bOwned = false;
        return hDC != nullptr;
    }
    HDC Detach() {
        m_bOwned = false;
        return std::exchange(m_hDC, nullptr);
    }
    // A memory context compatible with pDC (the screen when null), owned by this object.
    BOOL CreateCompatibleDC(const CDC* pDC) {
        AFX_ASSERT(m_hDC == nullptr);
        m_hDC = ::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr);
        m_bOwned = true;
        return m_hDC != nullptr;
    }
    // Deletes an owned context; a borrowed one is only let go.
    BOOL DeleteDC() {
        BOOL deleted = m_bOwned && m_hDC != nullptr ? ::DeleteDC(m_hDC) : FALSE;
        m_hDC = nullptr;
        m_bOwned = false;
        return deleted;
    }

    // The object selected before, to be selected back by the caller.
    HGDIOBJ SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
    HGDIOBJ SelectObject(const CGdiObject* pObject) { return SelectObject(pObject->m_hObject); }

    BOOL BitBlt(int x, int y, int nWidth, int nHeight, const CDC* pSrcDC, int xSrc, int ySrc,
                DWORD dwRop) {
        return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->m_hDC, xSrc, ySrc, dwRop);
    }
    void FillSolidRect(const RECT* lpRect, COLORREF clr);
    int FillRect(const RECT* lpRect, HBRUSH hBrush) { return ::FillRect(m_hDC, lpRect, hBrush); }
    BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
    // The colour set before, or CLR_INVALID.
    COLORREF SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
    COLORREF SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
    // The mode set before (TRANSPARENT or OPAQUE), 0 on failure.
    int SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
    int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }

    HDC m_hDC = nullptr;

private:
    bool m_bOwned = false;
};

// The context of a WM_PAINT handler: BeginPaint when made, EndPaint when it goes.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps = {};

private:
    HWND m_hWnd;
};
