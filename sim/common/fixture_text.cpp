#include "sim/common/fixture_text.h"

#include <cctype>
#include <cstring>
#include <cstdlib>

namespace sim {
namespace {

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

template <class Visit>
void ForEachPiece(const std::string& list, Visit visit) {
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(';', start);
        if (end == std::string::npos) end = list.size();
        if (visit(list.substr(start, end - start))) return;
        start = end + 1;
    }
}

std::optional<unsigned> ParseNumber(const std::string& text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    return static_cast<unsigned>(std::strtoul(text.c_str(), nullptr, 10));
}

}  // namespace

bool ListContains(const std::string& list, const std::string& name) {
    bool found = false;
    ForEachPiece(list,
                 [&](const std::string& piece) { return found = EqualIgnoringCase(piece, name); });
    return found;
}

std::optional<unsigned> StatusForItem(const std::string& pairs, unsigned item) {
    std::optional<unsigned> status;
    ForEachPiece(pairs, [&](const std::string& piece) {
        size_t eq = piece.find('=');
        if (eq == std::string::npos) return false;
        auto number = ParseNumber(piece.substr(0, eq));
        if (!number || *number != item) return false;
        // 0 reports no failure, so a pair with it names none
        auto failure = ParseNumber(piece.substr(eq + 1));
        if (!failure || *failure == 0) return false;
        status = failure;
        return true;
    });
    return status;
}

ProfileFacts ReadProfileFacts(std::string_view text) {
    ProfileFacts facts;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (start == 0) facts.readable = line == "[Profile]";
        if (line == "Credentials=1") facts.credentials = true;
        start = end + 1;
    }
    return facts;
}

std::size_t CopyCut(std::string_view text, char* buffer, std::size_t size) {
    if (size == 0) return 0;
    std::size_t length = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return length;
}

std::string_view TextInBuffer(const char* buffer, std::size_t size) {
    const void* zero = std::memchr(buffer, '\0', size);
    return std::string_view(buffer, zero ? static_cast<const char*>(zero) - buffer : size);
}

}  // namespace sim
