// The diagnostic log in the user's application-data folder: line form, size rules, rotation with
// one backup generation, and silence when the folder is missing.
#include "app/ansi_text.h"
#include "app/diagnostic_log.h"
#include "app/file_content.h"
#include "tests/win/template_support.h"

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

    std::string folder, log, backup;
};

// "YYYY-MM-DD hh:mm:ss " + message + CR LF
constexpr size_t kStampAndBlank = 20;

// A message keeps at most 1023 bytes, and one over 1024 gives way to a fixed Korean line.
TEST_F(DiagnosticLog, AppendsTimeStampedLinesOfAtMost1023BytesEndingInCrLf) {
    for (size_t length : {5u, 1023u, 1024u, 1025u}) WriteLog(std::string(length, 'a'));
    std::istringstream lines(Read(log));
    std::vector<std::string> messages;
    for (std::string line; std::getline(lines, line);) {
        EXPECT_TRUE(std::regex_match(line.substr(0, kStampAndBlank),
                                     std::regex("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d ")))
            << line;
        messages.push_back(line.substr(kStampAndBlank));
    }
    // the fixed replacement, as its 35 bytes in code page 949
    const std::string fixed = Utf8ToCodePage("WriteLog 로그 메시지가 너무 큽니다.", 949);
    EXPECT_EQ(fixed.size(), 35u);
    const std::string a1023 = std::string(1023, 'a') + "\r";
    EXPECT_EQ(messages, (std::vector<std::string>{"aaaaa\r", a1023, a1023, fixed + "\r"}));
}

// Wine's C runtime counts an append stream's position from 0 until the first flush: the log must
// flush before it asks for the size, or it never rotates here.
TEST_F(DiagnosticLog, MovesToTheBackupOnlyWhenTheLinePassesTheLimit) {
    const size_t line = kStampAndBlank + 1 + 2;  // of the message "x"
    for (size_t sizeAfterLine : {5120000u, 5120001u}) {
        const bool rotated = sizeAfterLine > 5120000;
        std::ofstream(backup, std::ios::binary) << std::string(10, 'b');  // an older one gives way
        std::ofstream(log, std::ios::binary) << std::string(sizeAfterLine - line, 'o');
        WriteLog("x");
        EXPECT_EQ(Read(rotated ? backup : log).size(), sizeAfterLine);
        EXPECT_EQ(Read(backup).substr(0, 11), rotated ? std::string(11, 'o') : "bbbbbbbbbb");
        EXPECT_EQ(ReadFileContent(log).has_value(), !rotated) << "moved, not copied";
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
