#include "app/ansi_text.h"

std::string Utf8ToCodePage(const char* utf8, UINT codePage) {
    int wide = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    if (wide <= 0) return {};
    std::wstring utf16(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, utf16.data(), wide);
    int bytes = WideCharToMultiByte(codePage, 0, utf16.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {};
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(codePage, 0, utf16.c_str(), -1, out.data(), bytes, nullptr, nullptr);
    out.resize(static_cast<size_t>(bytes - 1));
    return out;
}

size_t WholeCharactersIn(const char* text, size_t length, size_t room) {
    if (length <= room) return length;
    size_t kept = 0;
    while (true) {
        const size_t width = IsDBCSLeadByte(static_cast<BYTE>(text[kept])) ? 2 : 1;
        if (kept + width > room) return kept;
        kept += width;
    }
}
