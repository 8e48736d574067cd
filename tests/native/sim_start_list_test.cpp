// The start list texts of the simulated settings store: records in, card names out.
#include "sim/store/start_list_text.h"
#include "sim/store/store_items.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct RecordCase {
    const char* text;
    const char* card;
    const char* value;
};

const RecordCase kRecords[] = {
    {"LAN;;C:\\p\\office.pcf;;", "LAN", "C:\\p\\office.pcf"},
    {"LAN;;;;", "LAN", ""},          // an entry without a password
    {"LAN;;a;b;;", "LAN", "a;b"},    // a value may hold ";"
    {"LAN;;pw;;;;", "LAN", "pw;;"},  // the value ends at the last ";;"
    {"LAN;;;;;", "LAN", ";"},
    {"\xb9\xab\xbc\xb1 LAN;;kim;;", "\xb9\xab\xbc\xb1 LAN", "kim"},  // Hangul in code page 949
};

TEST(StartRecord, CardEndsAtTheFirstSeparatorAndValueAtTheLast) {
    for (const RecordCase& record : kRecords) {
        auto parsed = sim::ParseStartRecord(record.text);
        ASSERT_TRUE(parsed) << record.text;
        EXPECT_EQ(parsed->card, record.card) << record.text;
        EXPECT_EQ(parsed->value, record.value) << record.text;
    }
}

TEST(StartRecord, TextsOfAnotherShapeAreNoRecords) {
    for (const char* text : {"", "LAN", "LAN;;", "LAN;;office.pcf", "LAN;;office.pcf;", ";;x;;",
                             ";;;;", "LAN;office.pcf;;"}) {
        EXPECT_FALSE(sim::ParseStartRecord(text)) << text;
    }
}

TEST(CardName, LetterCaseIsIgnored) {
    EXPECT_TRUE(sim::SameCardName("Intel(R) Wi-Fi 6", "INTEL(r) wi-fi 6"));
    EXPECT_FALSE(sim::SameCardName("LAN", "LAN "));
    EXPECT_FALSE(sim::SameCardName("LAN1", "LAN2"));
}

TEST(CardName, TheSecondByteOfADoubleByteCharacterIsNotFolded) {
    // "\xb0\x41" and "\xb0\x61" are two different Hangul characters of code page 949 whose second
    // bytes happen to be "A" and "a".
    EXPECT_FALSE(sim::SameCardName("\xb0\x41", "\xb0\x61"));
    EXPECT_TRUE(sim::SameCardName("\xb0\x41 Lan", "\xb0\x41 LAN"));
}

TEST(CardName, FindCardGivesThePositionOfTheFirstMatch) {
    std::vector<std::string> cards = {"LAN", "Wi-Fi", "lan"};
    EXPECT_EQ(sim::FindCard(cards, "wi-fi"), 1u);
    EXPECT_EQ(sim::FindCard(cards, "Lan"), 0u);
    EXPECT_FALSE(sim::FindCard(cards, "WAN"));
}

TEST(CardNameList, NamesAreSeparatedWithTheirCount) {
    auto list = sim::JoinCardNames({"LAN", "Wi-Fi", "USB"}, 5119);
    EXPECT_EQ(list.text, "LAN;;Wi-Fi;;USB");
    EXPECT_EQ(list.count, 3u);

    auto empty = sim::JoinCardNames({}, 5119);
    EXPECT_EQ(empty.text, "");
    EXPECT_EQ(empty.count, 0u);
}

TEST(CardNameList, OnlyWholeNamesThatFitAreTaken) {
    std::vector<std::string> cards = {"AAAA", "BBBB", "CCCC"};
    EXPECT_EQ(sim::JoinCardNames(cards, 10).text, "AAAA;;BBBB");
    EXPECT_EQ(sim::JoinCardNames(cards, 10).count, 2u);
    EXPECT_EQ(sim::JoinCardNames(cards, 9).text, "AAAA");
    EXPECT_EQ(sim::JoinCardNames(cards, 3).count, 0u);

    // The editor's 5120-byte buffer: a list of long names stops before the name that would not fit.
    std::vector<std::string> longNames(10, std::string(600, 'n'));
    auto list = sim::JoinCardNames(longNames, 5119);
    EXPECT_EQ(list.count, 8u);  // 8 x 600 + 7 x 2 = 4814; a ninth would need 5416
    EXPECT_LE(list.text.size(), 5119u);
}

TEST(CopyCut, KeepsAtMostTheSizeMinusOneAndAZero) {
    char buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), '#');
    EXPECT_EQ(sim::CopyCut("C:\\Program Files", buffer, 8), 7u);
    EXPECT_STREQ(buffer, "C:\\Prog");

    EXPECT_EQ(sim::CopyCut("abc", buffer, 8), 3u);
    EXPECT_STREQ(buffer, "abc");

    std::fill(std::begin(buffer), std::end(buffer), '#');
    EXPECT_EQ(sim::CopyCut("abc", buffer, 1), 0u);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[1], '#');
    EXPECT_EQ(sim::CopyCut("abc", buffer, 0), 0u);
    EXPECT_EQ(buffer[0], '\0');
}

TEST(TextInBuffer, EndsAtTheZeroOrAtTheSize) {
    const char withZero[6] = {'a', 'b', '\0', 'c', 'd', 'e'};
    EXPECT_EQ(sim::TextInBuffer(withZero, 6), "ab");
    const char full[3] = {'x', 'y', 'z'};
    EXPECT_EQ(sim::TextInBuffer(full, 3), "xyz");
    EXPECT_EQ(sim::TextInBuffer(full, 0), "");
}

TEST(StoredItems, EveryWrittenItemHasTheReadItemTheEditorReadsItBackWith) {
    const unsigned pairs[][2] = {{57, 41}, {59, 44},   {60, 45},   {61, 46}, {62, 47},
                                 {39, 40}, {906, 905}, {910, 909}, {75, 74}};
    for (const auto& pair : pairs) {
        bool found = false;
        for (const sim::StoredItem* item : sim::ItemsWrittenBy(pair[0]))
            if (item->number == pair[1] && sim::FindReadItem(pair[1]) == item) found = true;
        EXPECT_TRUE(found) << pair[0] << " to " << pair[1];
    }
}

TEST(StoredItems, ValuesNothingReadsAreWrittenOnly) {
    for (unsigned item : {62u, 71u, 83u, 84u}) {
        EXPECT_EQ(sim::FindReadItem(item), nullptr) << item;
        ASSERT_NE(sim::FindStoredItem(item), nullptr) << item;
        EXPECT_EQ(sim::FindStoredItem(item)->kind, sim::ItemKind::Text) << item;
    }
    // 62's value cell goes to the tray flag, its text to the command.
    EXPECT_EQ(sim::ItemsWrittenBy(62).size(), 2u);
}

TEST(StoredItems, ValuesOnlyTheAdministratorSetsHaveNoWriter) {
    for (unsigned item : {72u, 77u, 78u, 79u, 80u, 813u, 907u, 908u, 50u, 103u, 104u, 902u, 130u}) {
        const sim::StoredItem* stored = sim::FindReadItem(item);
        ASSERT_NE(stored, nullptr) << item;
        EXPECT_EQ(stored->writer, 0u) << item;
    }
    EXPECT_TRUE(sim::ItemsWrittenBy(0).empty());
}

TEST(StoredItems, AreInAscendingOrderForTheDump) {
    unsigned previous = 0;
    for (const sim::StoredItem& item : sim::kStoredItems) {
        EXPECT_GT(item.number, previous);
        previous = item.number;
    }
}

TEST(StoredItems, TheStartListAndUnknownNumbersHaveNoValue) {
    for (unsigned item : {43u, 51u, 54u, 55u, 65u, 68u, 69u, 73u, 0u, 52u})
        EXPECT_EQ(sim::FindStoredItem(item), nullptr) << item;
}

}  // namespace
