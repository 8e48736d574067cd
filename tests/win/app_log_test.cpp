// The diagnostic log in the user's application-data folder: line form, size rules, rotation with
// one backup generation, and silence when the folder is missing.
#include "app/ansi_text.h"
#include "app/diagnostic_log.h"
#include "app/file_content.h"
#include "tests/win/template_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

namespace {

class DiagnosticLog : public ::testing::Test {
protected:
    void SetUp() override {
        log = templates::EmptyLog();
        folder = log.substr(0, log.find_last_of('\\'));
        backup = log + ".0";
        DeleteFileA(backup.c_str());
    }
    void TearDown() override {
        DeleteFileA(log.c_str());
        DeleteFileA(backup.c_str());
    }

    static std::string Read(const std::string& path) { return ReadFileContent(path).value_or(""); }
    static void MakeFile(const std::string& path, size_t size, char fill) {
        std::ofstream f(path, std::ios::binary);
        f << std::string(size, fill);
    }
    static long long SizeOf(const std::string& path) {
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
        return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }

    std::string folder, log, backup;
};

// "YYYY-MM-DD hh:mm:ss " + message + CR LF
constexpr size_t kStampAndBlank = 20;

TEST_F(DiagnosticLog, AppendsTimeStampedLinesEndingInCrLf) {
    WriteLog("first");
    WriteLog("second");
    std::string content = Read(log);
    EXPECT_TRUE(std::regex_match(
        content, std::regex("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d first\r\n"
                            "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d second\r\n")))
        << content;
}

TEST_F(DiagnosticLog, KeepsAtMost1023BytesOfAMessageAndReplacesOneOver1024) {
    WriteLog(std::string(1023, 'a'));
    WriteLog(std::string(1024, 'b'));
    WriteLog(std::string(1025, 'c'));
    std::istringstream lines(Read(log));
    std::string line;
    std::vector<std::string> messages;
    while (std::getline(lines, line)) messages.push_back(line.substr(kStampAndBlank));
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], std::string(1023, 'a') + "\r");
    EXPECT_EQ(messages[1], std::string(1023, 'b') + "\r");
    // the fixed Korean replacement, as its 35 bytes in code page 949
    std::string fixed = Utf8ToCodePage("WriteLog 로그 메시지가 너무 큽니다.", 949);
    EXPECT_EQ(fixed.size(), 35u);
    EXPECT_EQ(messages[2], fixed + "\r");
}

// Wine's C runtime counts an append stream's position from 0 until the first flush: the log must
// flush before it asks for the size, or it never rotates here.
TEST_F(DiagnosticLog, MovesToTheBackupOnlyWhenTheLinePassesTheLimit) {
    const std::string message = "x";
    const size_t line = kStampAndBlank + message.size() + 2;
    struct Case {
        long long sizeAfterLine;
        bool rotated;
    } cases[] = {{5120000, false}, {5120001, true}};
    for (const Case& c : cases) {
        MakeFile(backup, 10, 'b');  // an older backup gives way
        MakeFile(log, static_cast<size_t>(c.sizeAfterLine) - line, 'o');
        WriteLog(message);
        if (c.rotated) {
            EXPECT_EQ(SizeOf(backup), c.sizeAfterLine);
            EXPECT_EQ(Read(backup).substr(0, 10), std::string(10, 'o'));
            EXPECT_EQ(SizeOf(log), -1) << "the next line starts a new file";
            WriteLog(message);
            EXPECT_EQ(SizeOf(log), static_cast<long long>(line));
        } else {
            EXPECT_EQ(SizeOf(log), c.sizeAfterLine);
            EXPECT_EQ(SizeOf(backup), 10);
        }
    }
}

TEST_F(DiagnosticLog, MissingOvantaFolderMeansNoLogAndNoFolder) {
    // the folder may hold other files of the user's: set it aside rather than empty it
    const std::string aside = folder + ".aside";
    RemoveDirectoryA(aside.c_str());
    ASSERT_TRUE(MoveFileA(folder.c_str(), aside.c_str()));
    WriteLog("lost");
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(MoveFileA(aside.c_str(), folder.c_str()));
}

}  // namespace
