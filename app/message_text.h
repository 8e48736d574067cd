// Texts by number from the client's text module, and the boxes built on them.
#pragma once

#include <windows.h>

#include <string>

// Message numbers of the application core.
enum MessageNumber : DWORD {
    kMsgWinsockFailed = 8023,   // Winsock cannot be started
    kMsgNoClientHandle = 8024,  // the client library handle cannot be obtained
    kMsgMutexFailed = 8118,     // the single-instance mutex cannot be created
    kMsgAlreadyRunning = 8119,  // another copy of the settings editor is running
};

constexpr DWORD kTextBufferSize = 1024;

// Box types: errors are owner-less, topmost error boxes; information and questions are owned by
// the asking dialog.
constexpr UINT kErrorBoxType = MB_OK | MB_ICONERROR | MB_TOPMOST;           // 0x40010
constexpr UINT kInformationBoxType = MB_OK | MB_TOPMOST;                    // 0x40000
constexpr UINT kQuestionBoxType = MB_YESNO | MB_ICONQUESTION | MB_TOPMOST;  // 0x40024

// Fetches the message text *NUMBER into BUFFER (zero-filled by the caller, *SIZE bytes, normally
// 1024). True when the text module found it; *NUMBER then holds the language, 0 for Korean.
// The module is loaded for this one lookup and unloaded again.
bool LoadText(DWORD* number, char* buffer, DWORD* size);

// Shows the owner-less error box for NUMBER, titled "Error - (n)" or "에러 - (n)" by the text's
// language. A text that cannot be fetched, or is empty, shows nothing.
void ShowErrorText(DWORD number);
// The same box owned by OWNER, for a dialog that keeps its errors in front of itself.
void ShowErrorText(HWND owner, DWORD number);

// The pattern of the information and question boxes: text NUMBER, after SUBJECT when one is given
// (a card or file name the text goes on about), owned by OWNER, titled by the language with one
// of the caller's fixed titles (the Korean one in UTF-8). Returns the box's answer (0 when the box
// itself failed), or kNoBoxShown when no text could be fetched and so nobody was asked.
constexpr int kNoBoxShown = -1;
int ShowTextBox(HWND owner, DWORD number, const char* englishTitle, const char* koreanTitleUtf8,
                UINT type, const std::string& subject = std::string());
