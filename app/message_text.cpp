#include "app/message_text.h"

#include "app/ansi_text.h"
#include "app/message_box.h"
#include "client/loaded_module.h"

#include <cstdio>

namespace {

constexpr unsigned kMessageCommand = 2;

// The text's language decides the title; the title carries the caller's number, which need not
// be the text's.
std::string NumberedTitle(bool english, const char* englishFormat, const char* koreanFormatUtf8,
                          long number) {
    std::string format = english ? englishFormat : Utf8ToCodePage(koreanFormatUtf8);
    char title[260] = {};
    std::snprintf(title, sizeof title, format.c_str(), number);
    return title;
}

}  // namespace

bool LoadText(DWORD* number, char* buffer, DWORD* size) {
    LoadedModule module("OvaText.dll");
    if (!module.ready()) return false;
    DWORD status = 0;
    const DWORD capacity = *size;
    const bool found = module.object()->Invoke(kMessageCommand, number, buffer, size, &status);
    // a module that fills the whole buffer still leaves a text that ends inside it
    if (capacity > 0) buffer[capacity - 1] = '\0';
    return found;
}

void ShowErrorText(DWORD number) {
    ShowErrorText(nullptr, number);
}

void ShowErrorText(HWND owner, DWORD number) {
    char text[kTextBufferSize] = {};
    DWORD size = kTextBufferSize;
    DWORD cell = number;
    if (!LoadText(&cell, text, &size) || text[0] == '\0') return;
    ShowMessageBox(
        owner, text,
        NumberedTitle(cell != 0, "Error - (%ld)", "에러 - (%ld)", static_cast<long>(number)),
        kErrorBoxType);
}

int ShowTextBox(HWND owner, DWORD number, const char* englishTitle, const char* koreanTitleUtf8,
                UINT type, const std::string& subject) {
    char text[kTextBufferSize] = {};
    DWORD size = kTextBufferSize;
    DWORD cell = number;
    if (!LoadText(&cell, text, &size) || text[0] == '\0') return kNoBoxShown;
    std::string title = cell != 0 ? englishTitle : Utf8ToCodePage(koreanTitleUtf8);
    return ShowMessageBox(owner, subject + text, title, type);
}
