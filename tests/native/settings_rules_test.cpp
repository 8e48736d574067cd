#include "store/profile_rules.h"
#include "store/settings_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(LockMask, EachZeroAmongTheFirstFiveLocksItsPage) {
    struct Case {
        const char* mask;
        std::array<bool, 5> locked;
    } cases[] = {
        {"11111", {false, false, false, false, false}},
        {"00111", {true, true, false, false, false}},
        {"10111", {false, true, false, false, false}},
        {"00000", {true, true, true, true, true}},
        {"0", {true, false, false, false, false}},  // shorter: nothing beyond its end
        {"", {false, false, false, false, false}},
        {"1x 0A", {false, false, false, true, false}},    // other characters change nothing
        {"111110", {false, false, false, false, false}},  // a sixth character is not read
    };
    for (const Case& c : cases) EXPECT_EQ(settings::LockedPages(c.mask), c.locked) << c.mask;
}

TEST(OptionString, DebugDataIsOnExactlyWithEitherMarker) {
    EXPECT_TRUE(settings::HasDebugMarker("-w30;;-dd;;"));
    EXPECT_TRUE(settings::HasDebugMarker("-d;;"));
    EXPECT_FALSE(settings::HasDebugMarker("-d;-dd;-x;;"));
    EXPECT_FALSE(settings::HasDebugMarker(""));
    EXPECT_FALSE(settings::HasDebugMarker("-D;;"));
}

}  // namespace

namespace {

TEST(ProfileNames, OnlyAnExactWcfEndingIsWirelessAndTheStartUpSetIgnoresCase) {
    EXPECT_STREQ(ProfileKindOf("campus.wcf"), "ndis");
    EXPECT_STREQ(ProfileKindOf("A.WCF"), "wired");
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
