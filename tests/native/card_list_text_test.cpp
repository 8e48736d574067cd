#include "store/card_list_text.h"

#include <gtest/gtest.h>

namespace {

std::string Describe(const std::vector<NicEntry>& cards) {
    std::string out;
    for (const NicEntry& c : cards) out += c.NicName + "/" + c.NicType + "/" + c.NdisName + ";";
    return out;
}

TEST(CardList, ParsesEntriesInOrderWithTheirKinds) {
    struct Case {
        const char* text;
        const char* cards;
    } cases[] = {
        {"A||Card A||0##B||Card B||1", "Card A/wired/A;"},      // no closing "##"
        {"##A||Card A||0##", ""},                               // begins with "##"
        {"A||Card A||0####B||Card B||1##", "Card A/wired/A;"},  // an empty entry ends the list
        {"A||Card A##B||Card B||1##", "Card B/ndis/B;"},        // one "||" only: skipped
        {"||Card A||1##B||Card B||1##", "Card B/ndis/B;"},      // no NDIS name
        {"A||||1##B||Card B||0##", "Card B/wired/B;"},          // no display name
        {"A||Card||2##B||Card||##C||Card||x##", "Card/wired/A;Card/wired/B;Card/wired/C;"},
        {"A||Same||1##A||Same||1##", "Same/ndis/A;Same/ndis/A;"},  // duplicates stay
        {"A||Card||1||extra##", "Card/wired/A;"},  // the flag is all after the second "||"
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Describe(ParseCardList(c.text)), c.cards) << c.text;
}

// A name with the format's own characters, or the start list's separator, still makes one card
// of its kind, whichever split reads it.
TEST(CardList, AnEntryCarriesNamesWithTheFormatsOwnCharacters) {
    const std::string list = CardListEntry("{G|1}", "Lab ## 2 || #3;4", true) + "N||Plain||0##";
    EXPECT_EQ(Describe(ParseCardList(list)), "Lab __ 2 __ _3_4/ndis/{G_1};Plain/wired/N;");
    const auto raw = SplitCardListByCharacter(list);
    ASSERT_EQ(raw.size(), 2u);
    EXPECT_EQ(raw[0].ndisName + "/" + raw[0].displayName + "/" + raw[0].flag,
              "{G_1}/Lab __ 2 __ _3_4/1");
}

// The single-character split stops at the first empty entry and leaves missing fields empty.
TEST(CardList, SingleCharacterSplitStopsAtTheFirstEmptyEntry) {
    auto raw = SplitCardListByCharacter("A||Card##B####C||Card C||1##");
    ASSERT_EQ(raw.size(), 2u);
    EXPECT_EQ(raw[0].flag, "");
    EXPECT_EQ(raw[1].ndisName + "/" + raw[1].displayName, "B/");
    EXPECT_TRUE(SplitCardListByCharacter("#A||B||1##").empty());
}

// Every card has its entry, however many there are; a line without one reads as no card.
TEST(CardList, NdisNameTableAnswersAnEmptyNameOutsideItsEntries) {
    NdisNameTable table;
    for (int i = 0; i < 12; ++i) table.Add("N" + std::to_string(i));
    EXPECT_EQ(table[11], "N11");
    for (int outside : {-1, 12, 1 << 30}) EXPECT_EQ(table[outside], "") << outside;
}

}  // namespace
