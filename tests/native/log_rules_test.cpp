#include "app/log_rules.h"

#include <gtest/gtest.h>

namespace {

// The line's form, its size rules and the rotation limit are proven on the real log by the win
// tier's app_log_test; only the path's cut needs a buffer too small for a real folder.
TEST(DiagnosticLogPath, IsCutToTheBufferWithTheSuffixAppendedAsFarAsItFits) {
    EXPECT_EQ(logrules::PathInBuffer("C:\\Users\\a", logrules::kLogSuffix),
              "C:\\Users\\a\\Ovanta\\OvaSettings.log");
    std::string folder(1010, 'f');
    std::string path = logrules::PathInBuffer(folder, logrules::kLogSuffix);
    EXPECT_EQ(path.size(), 1023u);
    EXPECT_EQ(path.substr(1010), std::string("\\Ovanta\\OvaSe"));
}

}  // namespace
