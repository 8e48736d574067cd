// CImage: a picture file decoded by GDI+ into a DIB section of the picture's size. GDI+ is
// started by the first image that loads a file and shut down when the last image object goes;
// its library is loaded only while it runs.
//
// The bitmap keeps the picture's own values: 24 bits per pixel for a picture without alpha,
// 32 bits with straight (not premultiplied) alpha for one with alpha, and the palette and depth
// of an indexed picture; other formats become 32 bits without alpha.
#pragma once

#include <windows.h>

class CImage {
public:
    CImage();
    ~CImage();
    CImage(const CImage&) = delete;
    CImage& operator=(const CImage&) = delete;

    // Decodes the file (PNG, BMP, GIF, JPEG, ...; the path in the system's code page). S_OK, or
    // E_FAIL when it is missing or cannot be decoded, and the image is then empty.
    HRESULT Load(LPCSTR pszFileName);
    // Deletes the bitmap; the image is empty afterwards.
    void Destroy();
    // Gives the bitmap away: the caller deletes it, and the image is empty afterwards.
    HBITMAP Detach();

    operator HBITMAP() const { return m_hBitmap; }

    // Copies the whole picture, unblended, with its top left corner at (xDest, yDest).
    BOOL BitBlt(HDC hDestDC, int xDest, int yDest, DWORD dwROP = SRCCOPY) const;

private:
    HBITMAP m_hBitmap = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
};
