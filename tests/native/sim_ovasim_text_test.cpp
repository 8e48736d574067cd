// The simulated client's text forms: fixture values as its modules read them, and ovasim's call
// journal lines, binary fixtures in hex, command-line integers and texts cut to a buffer.
#include "sim/common/fixture_text.h"
#include "sim/ovasim/ovasim_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace {

TEST(SimulatorFixtures, NameListsIgnoreLetterCase) {
    EXPECT_TRUE(sim::ListContains("OvaText.dll;OvaReg.dll", "ovareg.DLL"));
    EXPECT_FALSE(sim::ListContains("OvaText.dll;OvaReg.dll", "OvaShMem.dll"));
    EXPECT_FALSE(sim::ListContains("OvaText.dll", "OvaText"));
    EXPECT_FALSE(sim::ListContains("", "x"));
}

TEST(SimulatorFixtures, FailItemsGiveEachItemItsStatusAndPassOverMalformedPairs) {
    const std::string pairs = "72=9100;x=1;130=;43=9043;77;41=0";  // 0 reports no failure
    EXPECT_EQ(sim::StatusForItem(pairs, 72), 9100u);
    EXPECT_EQ(sim::StatusForItem(pairs, 43), 9043u);
    for (unsigned item : {130u, 77u, 7u, 41u})
        EXPECT_FALSE(sim::StatusForItem(pairs, item)) << item;
}

TEST(JournalLine, ReadsProcessOperationHandleAndResult) {
    auto line = ovasim::ParseJournalLine("7 enum_card 0xffffffffffffffff -2147483648\r");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->pid, 7u);
    EXPECT_EQ(line->operation, "enum_card");
    EXPECT_EQ(line->handle, 0xffffffffffffffffu);
    EXPECT_EQ(line->result, -2147483648LL);
    EXPECT_FALSE(line->bytes);
    // a value write goes on with its byte count and the name, which may hold spaces
    line = ovasim::ParseJournalLine("7 reg_set_value 0x1 0 12 Wireless Base");
    ASSERT_TRUE(line);
    EXPECT_EQ(*line->bytes, 12u);
    EXPECT_EQ(line->valueName, "Wireless Base");
    for (const char* text : {"", "412 terminate 0x1", "412 terminate 1 0", "412  0x1 0",
                             "412 terminate 0x1 0 extra", "412 terminate 0x10000000000000000 0",
                             "7 reg_set_value 0x1 0 12", "7 reg_set_value 0x1 0 x Name"})
        EXPECT_FALSE(ovasim::ParseJournalLine(text)) << text;
}

TEST(Hex, PairsOfDigitsWithOptionalSeparatorsReadBackLowerCase) {
    auto bytes = ovasim::ParseHex("0a0B:ff 10");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(ovasim::HexText(bytes->data(), bytes->size()), "0a0bff10");
    for (const char* text : {"0a0", "0 a", "zz", "0x0a"})
        EXPECT_FALSE(ovasim::ParseHex(text)) << text;
}

TEST(CellValue, ThirtyTwoBitsDecimalNegativeOrHexadecimal) {
    const struct {
        const char* text;
        std::optional<std::uint32_t> value;
    } kCases[] = {
        {"4294967295", 0xffffffffu},
        {"-1", 0xffffffffu},
        {"-2147483648", 0x80000000u},
        {"0x1F", 0x1fu},
        {"4294967296", {}},
        {"-2147483649", {}},
        {"0x100000000", {}},
        {"12a", {}},
        {"", {}},
    };
    for (const auto& cell : kCases)
        EXPECT_EQ(ovasim::ParseCellValue(cell.text), cell.value) << cell.text;
    EXPECT_EQ(ovasim::ParseItemNumber("813"), 813u);
    for (const char* text : {"-41", "0x29", "100000"})
        EXPECT_FALSE(ovasim::ParseItemNumber(text)) << text;
}

TEST(CopyCut, KeepsAtMostTheSizeMinusOneAndAZero) {
    char buffer[8] = "#######";
    EXPECT_EQ(sim::CopyCut("C:\\Program Files", buffer, 8), 7u);
    EXPECT_STREQ(buffer, "C:\\Prog");
    EXPECT_EQ(sim::CopyCut("abc", buffer, 1), 0u);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[1], ':');
}

}  // namespace
