// ovasim's text forms, free of Win32 so that they are tested natively: the journal's lines, the
// hexadecimal of binary fixtures and the integers of the command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovasim {

// One line of the client library's journal: "pid operation 0xhandle result", and for a value
// write (reg_set_value) also "bytes name", the name running to the end of the line.
struct JournalLine {
    std::uint32_t pid = 0;
    std::string operation;
    std::uint64_t handle = 0;
    std::int64_t result = 0;
    std::optional<std::uint32_t> bytes;  // the byte count a value write was given
    std::string valueName;
};

// Nothing when the line is not of that form (a torn last line, a line written by hand).
std::optional<JournalLine> ParseJournalLine(std::string_view line);

// Pairs of hexadecimal digits, either case; spaces and ':' between bytes are allowed. Nothing
// when a digit is not hexadecimal or a byte is left half.
std::optional<std::vector<std::uint8_t>> ParseHex(std::string_view text);

// Lower-case hexadecimal, two digits a byte, nothing between.
std::string HexText(const std::uint8_t* data, std::size_t size);

// A 32-bit value as the command line gives it: decimal, "-" decimal (stored as its two's
// complement), or hexadecimal after "0x". Nothing when it is not a number or does not fit.
std::optional<std::uint32_t> ParseCellValue(std::string_view text);

// A store item number: decimal digits only.
std::optional<unsigned> ParseItemNumber(std::string_view text);

}  // namespace ovasim
