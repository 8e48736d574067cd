#include "app/message_box.h"

namespace {

MessageBoxRecorder& Recorder() {
    static MessageBoxRecorder recorder;
    return recorder;
}

}  // namespace

int ShowMessageBox(HWND owner, const std::string& text, const std::string& title, UINT type) {
    if (Recorder()) return Recorder()(owner, text, title, type);
    return MessageBoxA(owner, text.c_str(), title.c_str(), type);
}

void SetMessageBoxRecorder(MessageBoxRecorder recorder) {
    Recorder() = std::move(recorder);
}
