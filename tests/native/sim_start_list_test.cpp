// The start list texts of the simulated settings store: records in, card names out.
#include "sim/store/start_list_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(StartRecord, CardEndsAtTheFirstSeparatorAndValueAtTheLast) {
    const struct {
        const char* text;
        const char* card;  // null: no record
        const char* value;
    } kRecords[] = {
        {"LAN;;C:\\p\\office.pcf;;", "LAN", "C:\\p\\office.pcf"},
        {"LAN;;;;", "LAN", ""},          // an entry without a password
        {"LAN;;a;b;;", "LAN", "a;b"},    // a value may hold ";"
        {"LAN;;pw;;;;", "LAN", "pw;;"},  // the value ends at the last ";;"
        {"\xb9\xab\xbc\xb1 LAN;;kim;;", "\xb9\xab\xbc\xb1 LAN", "kim"},  // Hangul in code page 949
        {"", nullptr, nullptr},
        {"LAN", nullptr, nullptr},
        {"LAN;;", nullptr, nullptr},
        {"LAN;;office.pcf", nullptr, nullptr},
        {"LAN;;office.pcf;", nullptr, nullptr},
        {";;x;;", nullptr, nullptr},
        {"LAN;office.pcf;;", nullptr, nullptr},
    };
    for (const auto& record : kRecords) {
        auto parsed = sim::ParseStartRecord(record.text);
        ASSERT_EQ(parsed.has_value(), record.card != nullptr) << record.text;
        if (!parsed) continue;
        EXPECT_EQ(parsed->card, record.card) << record.text;
        EXPECT_EQ(parsed->value, record.value) << record.text;
    }
}

TEST(CardName, LetterCaseIsIgnoredOutsideDoubleByteCharacters) {
    const struct {
        const char* a;
        const char* b;
        bool same;
    } kPairs[] = {
        {"Intel(R) Wi-Fi 6", "INTEL(r) wi-fi 6", true},
        {"LAN", "LAN ", false},
        {"LAN1", "LAN2", false},
        // Two different Hangul characters of code page 949 whose second bytes are "A" and "a".
        {"\xb0\x41", "\xb0\x61", false},
        {"\xb0\x41 Lan", "\xb0\x41 LAN", true},
    };
    for (const auto& pair : kPairs)
        EXPECT_EQ(sim::SameCardName(pair.a, pair.b), pair.same) << pair.a << " | " << pair.b;
}

TEST(CardNameList, OnlyWholeNamesThatFitAreTaken) {
    std::vector<std::string> cards = {"AAAA", "BBBB", "CCCC"};
    EXPECT_EQ(sim::JoinCardNames(cards, 5119).text, "AAAA;;BBBB;;CCCC");
    EXPECT_EQ(sim::JoinCardNames(cards, 10).text, "AAAA;;BBBB");
    EXPECT_EQ(sim::JoinCardNames(cards, 10).count, 2u);
    EXPECT_EQ(sim::JoinCardNames(cards, 9).text, "AAAA");
    EXPECT_EQ(sim::JoinCardNames(cards, 3).count, 0u);
}

}  // namespace
