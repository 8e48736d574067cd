// ovasim's text forms: the call journal's lines, binary fixtures in hex, command-line integers.
#include "sim/ovasim/ovasim_text.h"

#include <gtest/gtest.h>

namespace {

TEST(JournalLine, ReadsProcessOperationHandleAndResult) {
    auto line = ovasim::ParseJournalLine("412 QTV_CLI_terminate 0x1a2b3c4d5e6f 0");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->pid, 412u);
    EXPECT_EQ(line->operation, "QTV_CLI_terminate");
    EXPECT_EQ(line->handle, 0x1a2b3c4d5e6fu);
    EXPECT_EQ(line->result, 0);
}

TEST(JournalLine, ResultsMayBeNegativeAndHandlesFullWidth) {
    auto line = ovasim::ParseJournalLine("7 enum_card 0xffffffffffffffff -2147483648\r");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->handle, 0xffffffffffffffffu);
    EXPECT_EQ(line->result, -2147483648LL);
}

TEST(JournalLine, OtherLinesAreNotJournalLines) {
    for (const char* text : {"", "412 terminate 0x1", "412 terminate 1 0", "x terminate 0x1 0",
                             "412  0x1 0", "412 terminate 0x 0", "412 terminate 0x1 0 extra",
                             "412 terminate 0x1g 0", "412 terminate 0x10000000000000000 0",
                             "4294967296 terminate 0x1 0", "412 terminate 0x1 -"}) {
        EXPECT_FALSE(ovasim::ParseJournalLine(text)) << text;
    }
}

TEST(Hex, PairsOfDigitsWithOptionalSeparators) {
    auto bytes = ovasim::ParseHex("0a0B:ff 10");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, (std::vector<std::uint8_t>{0x0a, 0x0b, 0xff, 0x10}));
    auto empty = ovasim::ParseHex("");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());
}

TEST(Hex, HalfBytesAndOtherCharactersAreRefused) {
    for (const char* text : {"0", "0a0", "0 a", "zz", "0x0a", "0a-0b"})
        EXPECT_FALSE(ovasim::ParseHex(text)) << text;
}

TEST(Hex, TextIsLowerCaseAndReadsBack) {
    const std::uint8_t data[] = {0x00, 0xab, 0x7f, 0xff};
    EXPECT_EQ(ovasim::HexText(data, sizeof data), "00ab7fff");
    EXPECT_EQ(*ovasim::ParseHex(ovasim::HexText(data, sizeof data)),
              std::vector<std::uint8_t>(std::begin(data), std::end(data)));
}

TEST(CellValue, DecimalNegativeAndHexadecimal) {
    EXPECT_EQ(ovasim::ParseCellValue("1"), 1u);
    EXPECT_EQ(ovasim::ParseCellValue("4294967295"), 0xffffffffu);
    EXPECT_EQ(ovasim::ParseCellValue("-1"), 0xffffffffu);
    EXPECT_EQ(ovasim::ParseCellValue("-2147483648"), 0x80000000u);
    EXPECT_EQ(ovasim::ParseCellValue("0x1F"), 0x1fu);
    EXPECT_EQ(ovasim::ParseCellValue("0XffffFFFF"), 0xffffffffu);
}

TEST(CellValue, TextsThatAreNoThirtyTwoBitNumberAreRefused) {
    for (const char* text :
         {"", "-", "0x", "4294967296", "-2147483649", "1.5", "12a", " 1", "0x100000000", "+1"})
        EXPECT_FALSE(ovasim::ParseCellValue(text)) << text;
}

TEST(ItemNumber, DecimalDigitsOnly) {
    EXPECT_EQ(ovasim::ParseItemNumber("813"), 813u);
    for (const char* text : {"", "-41", "0x29", "41 ", "100000"})
        EXPECT_FALSE(ovasim::ParseItemNumber(text)) << text;
}

}  // namespace
