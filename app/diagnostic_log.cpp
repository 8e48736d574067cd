#include "app/diagnostic_log.h"

#include "afx/shell_library.h"
#include "app/ansi_text.h"
#include "app/log_rules.h"

#include <windows.h>

#include <cstdio>
#include <memory>

namespace {

constexpr UINT kKoreanCodePage = 949;

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

}  // namespace

void WriteLog(std::string message) {
    // the replacement text is fixed in its Korean bytes, whatever the system code page is
    static const std::string tooLong =
        Utf8ToCodePage("WriteLog 로그 메시지가 너무 큽니다.", kKoreanCodePage);
    std::string text = logrules::MessageForLine(message, tooLong);

    SYSTEMTIME now = {};
    GetLocalTime(&now);
    std::string stamp =
        logrules::TimeStamp(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);

    char folder[MAX_PATH] = {};
    const CShellLibrary shell;
    if (!shell.GetSpecialFolderPath ||
        !shell.GetSpecialFolderPath(nullptr, folder, CSIDL_APPDATA, FALSE))
        return;
    std::string logPath = logrules::PathInBuffer(folder, logrules::kLogSuffix);
    std::string backupPath = logrules::PathInBuffer(logPath, logrules::kBackupSuffix);

    long long position = 0;
    {
        File file(std::fopen(logPath.c_str(), "at"));
        if (!file) return;  // e.g. no "Ovanta" folder: the line is lost, quietly
        std::string line = logrules::Line(stamp, text);
        std::fwrite(line.data(), 1, line.size(), file.get());
        // an append stream reaches the end of the file only when it writes: flushed first, the
        // position is the file's size on every C runtime (Wine's counts only the buffer before)
        std::fflush(file.get());
        position = _ftelli64(file.get());
    }
    if (logrules::NeedsRotation(position))
        MoveFileExA(logPath.c_str(), backupPath.c_str(), MOVEFILE_REPLACE_EXISTING);
}
