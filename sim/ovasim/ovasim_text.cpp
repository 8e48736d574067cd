#include "sim/ovasim/ovasim_text.h"

namespace ovasim {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Digits in BASE up to LIMIT; nothing when the text is empty, has another character or exceeds.
std::optional<std::uint64_t> ParseDigits(std::string_view text, unsigned base,
                                         std::uint64_t limit) {
    if (text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        int digit = HexDigit(c);
        if (digit < 0 || static_cast<unsigned>(digit) >= base) return std::nullopt;
        if (value > (limit - static_cast<unsigned>(digit)) / base) return std::nullopt;
        value = value * base + static_cast<unsigned>(digit);
    }
    return value;
}

// Splits at single spaces; the journal never writes two in a row.
std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start <= line.size()) {
        std::size_t end = line.find(' ', start);
        if (end == std::string_view::npos) end = line.size();
        words.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

}  // namespace

std::optional<JournalLine> ParseJournalLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::vector<std::string_view> words = Words(line);
    const bool valueWrite = words.size() >= 6 && words[1] == "reg_set_value";
    if ((words.size() != 4 && !valueWrite) || words[1].empty()) return std::nullopt;
    auto pid = ParseDigits(words[0], 10, UINT32_MAX);
    if (!pid || words[2].substr(0, 2) != "0x") return std::nullopt;
    auto handle = ParseDigits(words[2].substr(2), 16, UINT64_MAX);
    std::string_view result = words[3];
    bool negative = !result.empty() && result.front() == '-';
    if (negative) result.remove_prefix(1);
    auto magnitude = ParseDigits(result, 10, negative ? std::uint64_t{INT64_MAX} + 1 : INT64_MAX);
    if (!handle || !magnitude) return std::nullopt;

    JournalLine parsed;
    parsed.pid = static_cast<std::uint32_t>(*pid);
    parsed.operation = std::string(words[1]);
    parsed.handle = *handle;
    parsed.result = negative ? static_cast<std::int64_t>(0 - *magnitude)
                             : static_cast<std::int64_t>(*magnitude);
    if (valueWrite) {
        auto bytes = ParseDigits(words[4], 10, UINT32_MAX);
        if (!bytes) return std::nullopt;
        parsed.bytes = static_cast<std::uint32_t>(*bytes);
        // the name is the rest of the line, spaces and all
        parsed.valueName = std::string(line.substr(words[5].data() - line.data()));
    }
    return parsed;
}

std::optional<std::vector<std::uint8_t>> ParseHex(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    int high = -1;
    for (char c : text) {
        if (c == ' ' || c == ':') {
            if (high >= 0) return std::nullopt;  // a separator inside a byte
            continue;
        }
        int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        if (high < 0) {
            high = digit;
        } else {
            bytes.push_back(static_cast<std::uint8_t>(high * 16 + digit));
            high = -1;
        }
    }
    if (high >= 0) return std::nullopt;
    return bytes;
}

std::string HexText(const std::uint8_t* data, std::size_t size) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(size * 2);
    for (std::size_t i = 0; i < size; ++i) {
        text += kDigits[data[i] >> 4];
        text += kDigits[data[i] & 0x0f];
    }
    return text;
}

std::optional<std::uint32_t> ParseCellValue(std::string_view text) {
    if (text.substr(0, 2) == "0x" || text.substr(0, 2) == "0X") {
        auto value = ParseDigits(text.substr(2), 16, UINT32_MAX);
        return value ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(*value))
                     : std::nullopt;
    }
    if (!text.empty() && text.front() == '-') {
        auto value = ParseDigits(text.substr(1), 10, std::uint64_t{INT32_MAX} + 1);
        return value ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(0 - *value))
                     : std::nullopt;
    }
    auto value = ParseDigits(text, 10, UINT32_MAX);
    return value ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(*value)) : std::nullopt;
}

std::optional<unsigned> ParseItemNumber(std::string_view text) {
    auto value = ParseDigits(text, 10, 99999);
    return value ? std::optional<unsigned>(static_cast<unsigned>(*value)) : std::nullopt;
}

}  // namespace ovasim
