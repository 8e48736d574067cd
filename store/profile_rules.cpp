#include "store/profile_rules.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::size_t kPathBufferSize = 512;

}  // namespace

bool EndsWithIgnoringCase(const std::string& text, const char* suffix) {
    const std::string tail(suffix);
    if (text.size() < tail.size()) return false;
    return std::equal(tail.begin(), tail.end(), text.end() - static_cast<long>(tail.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

const char* ProfileKindOf(const std::string& fileName) {
    const std::size_t n = fileName.size();
    return n >= 4 && fileName.compare(n - 4, 4, ".wcf") == 0 ? kProfileKindWireless
                                                             : kProfileKindWired;
}

bool IsProfileFileName(const std::string& path) {
    const std::string held = path.substr(0, kPathBufferSize - 1);
    for (const char* extension : {".wcf", ".pcf", ".hcf", ".kcf", ".kif", ".kpf"})
        if (EndsWithIgnoringCase(held, extension)) return true;
    return false;
}
