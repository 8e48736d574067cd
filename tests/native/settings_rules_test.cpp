#include "store/profile_rules.h"
#include "store/settings_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionString, DebugDataIsOnExactlyWithEitherMarker) {
    EXPECT_TRUE(settings::HasDebugMarker("-w30;;-dd;;"));
    EXPECT_TRUE(settings::HasDebugMarker("-d;;"));
    EXPECT_FALSE(settings::HasDebugMarker("-d;-dd;-x;;"));
    EXPECT_FALSE(settings::HasDebugMarker(""));
    EXPECT_FALSE(settings::HasDebugMarker("-D;;"));
}

TEST(OptionString, SwitchingDebugDataAppendsWithinTheBufferOrRemovesEveryMarker) {
    using settings::WithDebugData;
    EXPECT_EQ(WithDebugData("-w30;;", true, 1024), "-w30;;-dd;;");
    EXPECT_EQ(WithDebugData(std::string(1020, 'x'), true, 1024), std::string(1020, 'x') + "-dd");
    EXPECT_EQ(WithDebugData("-d;;-w30;;-dd;;-dd;;", false, 1024), "-w30;;");
    EXPECT_EQ(WithDebugData("-d-d;;d;;", false, 1024), "") << "a marker the removal joined";
}

TEST(WaitTime, TheLeadingNumberCountsAndTheRestIsIgnored) {
    const std::pair<const char*, int> cases[] = {
        {"5", 5}, {"5 s", 5}, {" 12x", 12}, {"x5", 0},
        {"", 0},  {"-3", -3}, {"+20", 20},  {"99999999999", 2147483647}};
    for (const auto& [text, number] : cases)
        EXPECT_EQ(settings::LeadingNumber(text), number) << text;
}

// Card and text with their two separators must leave the 5120-byte buffer its zero.
TEST(StartEntryRecord, IsRefusedOnceCardTextAndSeparatorsReachTheBuffer) {
    EXPECT_EQ(settings::StartEntryRecord("LAN", "office.pcf"), "LAN;;office.pcf;;");
    const std::string card(5000, 'c');
    EXPECT_EQ(settings::StartEntryRecord(card, std::string(115, 'p'))->size(), 5119u);
    EXPECT_EQ(settings::StartEntryRecord(card, std::string(116, 'p')), std::nullopt);
    EXPECT_EQ(settings::StartEntryRecord("", std::string(5116, 'p')), std::nullopt);
}

TEST(ProfileNames, OnlyAnExactWcfEndingIsWirelessAndTheStartUpSetIgnoresCase) {
    EXPECT_STREQ(ProfileKindOf("wcf"), "wired");
    EXPECT_TRUE(IsProfileFileName("C:\\ProgramData\\Ovanta\\Profiles\\OFFICE.PCF"));
    EXPECT_TRUE(IsProfileFileName("x.Kif"));
    EXPECT_FALSE(IsProfileFileName("C:\\profiles\\office.hwf"));  // a profile, not a start-up one
    EXPECT_FALSE(IsProfileFileName("pcf"));
    // a 512-byte buffer holds the first 511 characters, and the test sees those
    EXPECT_TRUE(IsProfileFileName(std::string(507, 'a') + ".pcf"));
    EXPECT_FALSE(IsProfileFileName(std::string(508, 'a') + ".pcf"));
}

}  // namespace
