// Every message box of the program goes through ShowMessageBox, so that tests can record the
// boxes (owner, text, title, type) instead of showing them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

using MessageBoxRecorder =
    std::function<int(HWND owner, const std::string& text, const std::string& title, UINT type)>;

int ShowMessageBox(HWND owner, const std::string& text, const std::string& title, UINT type);

// Tests only: while set, boxes go to the recorder, whose answer is returned. Empty restores.
void SetMessageBoxRecorder(MessageBoxRecorder recorder);
