// The diagnostic log's rules, free of Win32: what a line holds and when the file is rotated.
#pragma once

#include <cstddef>
#include <string>

namespace logrules {

constexpr size_t kMessageBufferSize = 1024;  // a message keeps at most 1023 bytes
constexpr size_t kPathBufferSize = 1024;     // log and backup paths
constexpr size_t kStampBufferSize = 40;
constexpr long long kSizeLimit = 5120000;  // bytes, not 5 MiB
constexpr const char kLogSuffix[] = "\\Ovanta\\OvaSettings.log";
constexpr const char kBackupSuffix[] = ".0";

// The message as it is written: cut to 1023 bytes when it is at most 1024 long (so a message
// of exactly 1024 loses its last byte), and replaced by TOO_LONG when it is longer.
std::string MessageForLine(const std::string& message, const std::string& tooLong);

// "YYYY-MM-DD hh:mm:ss" of local time.
std::string TimeStamp(int year, int month, int day, int hour, int minute, int second);

// "stamp message\n"; text mode turns the line end into CR LF.
std::string Line(const std::string& stamp, const std::string& message);

// FOLDER followed by SUFFIX in a buffer of kPathBufferSize bytes: the suffix is appended only as
// far as the buffer has room.
std::string PathInBuffer(const std::string& folder, const std::string& suffix);

// The log moves to its backup once the position after a write is past the limit.
inline bool NeedsRotation(long long positionAfterWrite) {
    return positionAfterWrite > kSizeLimit;
}

}  // namespace logrules
