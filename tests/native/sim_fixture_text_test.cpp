#include "sim/common/fixture_text.h"

#include <gtest/gtest.h>

namespace {

TEST(SimulatorFixtures, NameListsIgnoreLetterCase) {
    EXPECT_TRUE(sim::ListContains("OvaText.dll;OvaReg.dll", "ovareg.DLL"));
    EXPECT_FALSE(sim::ListContains("OvaText.dll;OvaReg.dll", "OvaShMem.dll"));
    EXPECT_FALSE(sim::ListContains("OvaText.dll", "OvaText"));
    EXPECT_FALSE(sim::ListContains("", "x"));
}

TEST(SimulatorFixtures, FailItemsGiveEachItemItsStatusAndPassOverMalformedPairs) {
    const std::string pairs = "72=9100;x=1;130=;43=9043;77";
    EXPECT_EQ(sim::StatusForItem(pairs, 72), 9100u);
    EXPECT_EQ(sim::StatusForItem(pairs, 43), 9043u);
    EXPECT_FALSE(sim::StatusForItem(pairs, 130).has_value());
    EXPECT_FALSE(sim::StatusForItem(pairs, 77).has_value());
    EXPECT_FALSE(sim::StatusForItem(pairs, 7).has_value());
}

}  // namespace
