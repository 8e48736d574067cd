#include "afx/image.h"

#include "afx/gdi.h"
#include "afx/system_library.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace flat = Gdiplus::DllExports;

// GDI+ started, from its library loaded for as long as it runs: the program decodes its pictures
// while it starts, and GDI+ and what it loads would otherwise stay mapped for the whole run.
class GdiplusSession {
    CSystemLibrary m_library{"gdiplus.dll"};  // first: the calls below are found in it
    ULONG_PTR m_token = 0;
    bool m_bStarted = false;

public:
#define GDIPLUS_CALL(name) \
    decltype(&flat::name) const name = m_library.Find<decltype(flat::name)>(#name)
    GDIPLUS_CALL(GdipCreateBitmapFromFile);
    GDIPLUS_CALL(GdipDisposeImage);
    GDIPLUS_CALL(GdipGetImageWidth);
    GDIPLUS_CALL(GdipGetImageHeight);
    GDIPLUS_CALL(GdipGetImagePixelFormat);
    GDIPLUS_CALL(GdipGetImagePaletteSize);
    GDIPLUS_CALL(GdipGetImagePalette);
    GDIPLUS_CALL(GdipBitmapLockBits);
    GDIPLUS_CALL(GdipBitmapUnlockBits);
#undef GDIPLUS_CALL

    GdiplusSession() {
        auto* startup = m_library.Find<decltype(Gdiplus::GdiplusStartup)>("GdiplusStartup");
        const Gdiplus::GdiplusStartupInput input;
        m_bStarted = startup != nullptr && startup(&m_token, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession() {
        if (!m_bStarted) return;
        if (auto* shutdown = m_library.Find<decltype(Gdiplus::GdiplusShutdown)>("GdiplusShutdown"))
            shutdown(m_token);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    // Started, with every call the images make found.
    bool Usable() const {
        return m_bStarted && GdipCreateBitmapFromFile && GdipDisposeImage && GdipGetImageWidth &&
               GdipGetImageHeight && GdipGetImagePixelFormat && GdipGetImagePaletteSize &&
               GdipGetImagePalette && GdipBitmapLockBits && GdipBitmapUnlockBits;
    }
};

// GDI+ runs while image objects exist and one of them has needed it.
int g_nLiveImages = 0;
std::optional<GdiplusSession> g_gdiplus;

// The running GDI+, started if it is not; null when it cannot be.
const GdiplusSession* StartGdiplus() {
    if (!g_gdiplus) g_gdiplus.emplace();
    if (g_gdiplus->Usable()) return &*g_gdiplus;
    g_gdiplus.reset();
    return nullptr;
}

std::wstring WidePath(LPCSTR path) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, path, -1, wide.data(), length);
    wide.resize(static_cast<std::size_t>(length) - 1);
    return wide;
}

// A GDI+ picture, disposed of when its owner goes.
struct PictureDisposer {
    const GdiplusSession* gdiplus;
    void operator()(Gdiplus::GpBitmap* pBitmap) const { gdiplus->GdipDisposeImage(pBitmap); }
};
using OwnedPicture = std::unique_ptr<Gdiplus::GpBitmap, PictureDisposer>;

// The depth of the bitmap and the format GDI+ is asked to deliver the pixels in.
struct Layout {
    int bitsPerPixel;
    Gdiplus::PixelFormat format;
};

Layout LayoutFor(Gdiplus::PixelFormat source) {
    if ((source & PixelFormatAlpha) != 0) return {32, PixelFormat32bppARGB};
    switch (source) {
        case PixelFormat1bppIndexed:
            return {1, source};
        case PixelFormat4bppIndexed:
            return {4, source};
        case PixelFormat8bppIndexed:
            return {8, source};
        default:  // every other picture without alpha, whatever its depth in the file
            return {24, PixelFormat24bppRGB};
    }
}

// A BITMAPINFO with room for a full palette.
struct BitmapInfoWithPalette {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
};

bool CopyPalette(const GdiplusSession& gp, Gdiplus::GpBitmap* pBitmap,
                 BitmapInfoWithPalette* pInfo) {
    INT size = 0;
    if (gp.GdipGetImagePaletteSize(pBitmap, &size) != Gdiplus::Ok || size <= 0) return false;
    std::vector<unsigned char> buffer(static_cast<std::size_t>(size));
    auto* pPalette = reinterpret_cast<Gdiplus::ColorPalette*>(buffer.data());
    if (gp.GdipGetImagePalette(pBitmap, pPalette, size) != Gdiplus::Ok) return false;
    const UINT count = pPalette->Count < 256 ? pPalette->Count : 256;
    for (UINT i = 0; i < count; ++i) {
        const Gdiplus::ARGB argb = pPalette->Entries[i];
        pInfo->colors[i] = {static_cast<BYTE>(argb), static_cast<BYTE>(argb >> 8),
                            static_cast<BYTE>(argb >> 16), 0};
    }
    pInfo->header.biClrUsed = count;
    return true;
}

}  // namespace

CImage::CImage() {
    ++g_nLiveImages;
}

CImage::~CImage() {
    Destroy();
    if (--g_nLiveImages == 0) g_gdiplus.reset();
}

HRESULT CImage::Load(LPCSTR pszFileName) {
    Destroy();
    const GdiplusSession* const started = StartGdiplus();
    if (started == nullptr) return E_FAIL;
    const GdiplusSession& gp = *started;
    const std::wstring path = WidePath(pszFileName);
    Gdiplus::GpBitmap* pLoaded = nullptr;
    if (path.empty() || gp.GdipCreateBitmapFromFile(path.c_str(), &pLoaded) != Gdiplus::Ok) {
        return E_FAIL;
    }
    const OwnedPicture picture(pLoaded, PictureDisposer{started});
    Gdiplus::GpBitmap* const pBitmap = picture.get();

    UINT width = 0;
    UINT height = 0;
    Gdiplus::PixelFormat source = 0;
    gp.GdipGetImageWidth(pBitmap, &width);
    gp.GdipGetImageHeight(pBitmap, &height);
    gp.GdipGetImagePixelFormat(pBitmap, &source);
    const Layout layout = LayoutFor(source);

    BitmapInfoWithPalette info = {};
    info.header.biSize = sizeof(info.header);
    info.header.biWidth = static_cast<LONG>(width);
    info.header.biHeight = -static_cast<LONG>(height);  // top-down: rows in GDI+'s order
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(layout.bitsPerPixel);
    info.header.biCompression = BI_RGB;
    bool ok =
        width > 0 && height > 0 && (layout.bitsPerPixel > 8 || CopyPalette(gp, pBitmap, &info));

    void* pBits = nullptr;
    CBitmap bitmap;
    if (ok) {
        ok = bitmap.Attach(::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info),
                                              DIB_RGB_COLORS, &pBits, nullptr, 0));
    }
    if (ok) {
        // LockBits in the chosen format hands over the picture's own values (straight alpha),
        // which GDI+'s own HBITMAP conversion would premultiply.
        const Gdiplus::GpRect whole(0, 0, static_cast<INT>(width), static_cast<INT>(height));
        Gdiplus::BitmapData data = {};
        ok = gp.GdipBitmapLockBits(pBitmap, &whole, Gdiplus::ImageLockModeRead, layout.format,
                                   &data) == Gdiplus::Ok;
        if (ok) {
            const std::size_t pitch =
                ((static_cast<std::size_t>(width) * layout.bitsPerPixel + 31) / 32) * 4;
            const std::size_t rowBytes =
                (static_cast<std::size_t>(width) * layout.bitsPerPixel + 7) / 8;
            for (UINT y = 0; y < height; ++y) {
                std::memcpy(static_cast<BYTE*>(pBits) + y * pitch,
                            static_cast<const BYTE*>(data.Scan0) +
                                static_cast<std::ptrdiff_t>(y) * data.Stride,
                            rowBytes);
            }
            gp.GdipBitmapUnlockBits(pBitmap, &data);
        }
    }
    if (!ok) return E_FAIL;
    m_hBitmap = static_cast<HBITMAP>(bitmap.Detach());
    m_nWidth = static_cast<int>(width);
    m_nHeight = static_cast<int>(height);
    return S_OK;
}

void CImage::Destroy() {
    if (m_hBitmap != nullptr) ::DeleteObject(m_hBitmap);
    m_hBitmap = nullptr;
    m_nWidth = m_nHeight = 0;
}

HBITMAP CImage::Detach() {
    HBITMAP hBitmap = m_hBitmap;
    m_hBitmap = nullptr;
    Destroy();
    return hBitmap;
}

BOOL CImage::BitBlt(HDC hDestDC, int xDest, int yDest, DWORD dwROP) const {
    CDC destination;
    destination.Attach(hDestDC);
    CDC memoryDC;
    if (!memoryDC.CreateCompatibleDC(&destination)) return FALSE;
    HGDIOBJ hOld = memoryDC.SelectObject(m_hBitmap);
    const BOOL copied =
        destination.BitBlt(xDest, yDest, m_nWidth, m_nHeight, &memoryDC, 0, 0, dwROP);
    memoryDC.SelectObject(hOld);  // the bitmap is out of the DC before the DC goes
    return copied;
}
