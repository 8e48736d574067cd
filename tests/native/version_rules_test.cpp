#include "app/version_rules.h"

#include <gtest/gtest.h>

namespace {

using versionrules::Classify;
using versionrules::VersionFacts;

struct Row {
    unsigned platform, major, minor;
    char sp;
    unsigned product;
    int code;
};

// Every row of the version table, and the combinations just outside it.
const Row kRows[] = {
    {0, 3, 11, 0, 0, 1},   {0, 0, 0, 'A', 1, 1},  // Win32s, whatever the numbers
    {1, 4, 0, 'A', 0, 3},  {1, 4, 0, 'B', 0, 4}, {1, 4, 0, 'C', 0, 4},  {1, 4, 0, 0, 0, 2},
    {1, 4, 0, 'D', 0, 2},  {1, 4, 0, 'a', 0, 2}, {1, 4, 3, 'B', 0, 5},  {1, 4, 3, 'C', 0, 6},
    {1, 4, 3, 'A', 0, 0},  {1, 4, 3, 0, 0, 0},   {1, 4, 10, 'A', 0, 8}, {1, 4, 10, 'B', 0, 8},
    {1, 4, 10, ' ', 0, 7}, {1, 4, 10, 0, 0, 7},  {1, 4, 90, 0, 0, 9},   {1, 4, 90, 'A', 0, 9},
    {1, 4, 1, 0, 0, 0},    {1, 5, 0, 'A', 0, 0}, {2, 3, 0, 0, 0, 10},   {2, 3, 1, 0, 0, 11},
    {2, 3, 51, 0, 0, 12},  {2, 3, 50, 0, 0, 0},  {2, 4, 0, 0, 0, 13},   {2, 4, 7, 0, 1, 13},
    {2, 5, 0, 0, 1, 14},   {2, 5, 1, 0, 1, 15},  {2, 5, 2, 0, 3, 16},   {2, 5, 3, 0, 1, 0},
    {2, 6, 0, 0, 1, 18},   {2, 6, 0, 0, 3, 17},  {2, 6, 1, 0, 1, 20},   {2, 6, 1, 0, 3, 19},
    {2, 6, 1, 0, 2, 19},   {2, 6, 1, 0, 0, 19},  {2, 6, 2, 0, 1, 22},   {2, 6, 2, 0, 3, 21},
    {2, 6, 3, 0, 1, 24},   {2, 6, 3, 0, 3, 23},  {2, 6, 4, 0, 1, 0},    {2, 10, 0, 0, 1, 0},
    {2, 2, 0, 0, 1, 0},    {3, 6, 1, 0, 1, 0},
};

// The NT family is every known code of platform 2, the codes above nine.
TEST(WindowsVersionCode, FollowsEveryRowOfTheVersionTableAndTellsTheNtFamily) {
    for (const Row& r : kRows) {
        VersionFacts facts{r.platform, r.major, r.minor, r.sp, r.product};
        const int code = Classify(facts);
        EXPECT_EQ(code, r.code) << "platform " << r.platform << " " << r.major << "." << r.minor
                                << " sp '" << r.sp << "' product " << r.product;
        EXPECT_EQ(versionrules::IsNtCode(code), r.platform == 2 && r.code != 0)
            << r.major << "." << r.minor;
    }
}

}  // namespace
