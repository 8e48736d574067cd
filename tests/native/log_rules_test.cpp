#include "app/log_rules.h"

#include <gtest/gtest.h>

namespace {

const std::string kTooLong = "too long";

TEST(DiagnosticLogLine, KeepsAtMost1023BytesAndReplacesLongerMessages) {
    struct Case {
        size_t length;
        size_t written;  // 0: replaced by the fixed text
    } cases[] = {{0, 0}, {1, 1}, {1023, 1023}, {1024, 1023}, {1025, 0}, {5000, 0}};
    for (const Case& c : cases) {
        std::string message(c.length, 'x');
        std::string written = logrules::MessageForLine(message, kTooLong);
        if (c.length > 1024)
            EXPECT_EQ(written, kTooLong) << c.length;
        else
            EXPECT_EQ(written, std::string(c.written, 'x')) << c.length;
    }
}

TEST(DiagnosticLogLine, IsTimeStampBlankMessageAndLineEnd) {
    std::string stamp = logrules::TimeStamp(2026, 3, 7, 9, 5, 1);
    EXPECT_EQ(stamp, "2026-03-07 09:05:01");
    EXPECT_EQ(logrules::Line(stamp, "start failed"), "2026-03-07 09:05:01 start failed\n");
}

TEST(DiagnosticLogRotation, HappensOnlyPastTheLimitOf5120000Bytes) {
    EXPECT_FALSE(logrules::NeedsRotation(5120000));
    EXPECT_TRUE(logrules::NeedsRotation(5120001));
    EXPECT_FALSE(logrules::NeedsRotation(5 * 1024 * 1024 - 1 - 122880));  // 5 MiB is not the rule
    EXPECT_TRUE(logrules::NeedsRotation(5 * 1024 * 1024));
}

TEST(DiagnosticLogPath, IsCutToTheBufferWithTheSuffixAppendedAsFarAsItFits) {
    EXPECT_EQ(logrules::PathInBuffer("C:\\Users\\a", logrules::kLogSuffix),
              "C:\\Users\\a\\Ovanta\\OvaSettings.log");
    std::string folder(1010, 'f');
    std::string path = logrules::PathInBuffer(folder, logrules::kLogSuffix);
    EXPECT_EQ(path.size(), 1023u);
    EXPECT_EQ(path.substr(1010), std::string("\\Ovanta\\OvaSe"));
}

}  // namespace
