#include "app/log_rules.h"

#include <cstdio>

namespace logrules {

std::string MessageForLine(const std::string& message, const std::string& tooLong) {
    if (message.size() > kMessageBufferSize) return tooLong;
    return message.substr(0, kMessageBufferSize - 1);
}

std::string TimeStamp(int year, int month, int day, int hour, int minute, int second) {
    char stamp[kStampBufferSize] = {};
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour,
                  minute, second);
    return stamp;
}

std::string Line(const std::string& stamp, const std::string& message) {
    return stamp + " " + message + "\n";
}

std::string PathInBuffer(const std::string& folder, const std::string& suffix) {
    return (folder + suffix).substr(0, kPathBufferSize - 1);
}

}  // namespace logrules
