#include "lottery/DrawCalendar.h"
#include "lottery/THistoryLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace lottery;

namespace {

using Texts = std::array<std::string, THistoryLine::kNumberCount>;

}  // namespace

TEST(HistoryRules, ValidateDrawNumbersAcceptsSevenDifferentNumbers1To49) {
    EXPECT_TRUE(ValidateDrawNumbers({"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_TRUE(ValidateDrawNumbers({"49", "12", "07", "31", "40", "23", "45"}));
    EXPECT_TRUE(ValidateDrawNumbers({"01", "02", "03", "04", "05", "06", "49"}));
}

TEST(HistoryRules, ValidateDrawNumbersRejectsBadTexts) {
    const Texts good{"07", "12", "23", "31", "40", "45", "01"};
    for (const std::string bad :
         {"", "0", "00", "50", "99", "1a", "a", " ", "-1", "4.5", "12 ", "99999999999999999999"}) {
        for (std::size_t field = 0; field < good.size(); ++field) {
            Texts texts = good;
            texts[field] = bad;
            EXPECT_FALSE(ValidateDrawNumbers(texts)) << "'" << bad << "' in field " << field + 1;
        }
    }
}

TEST(HistoryRules, ValidateDrawNumbersRejectsRepeats) {
    EXPECT_FALSE(ValidateDrawNumbers({"07", "12", "23", "31", "40", "45", "12"}));  // bonus repeats a ball
    EXPECT_FALSE(ValidateDrawNumbers({"07", "07", "23", "31", "40", "45", "01"}));
    EXPECT_FALSE(ValidateDrawNumbers({"7", "07", "23", "31", "40", "45", "01"}));
}

TEST(HistoryRules, SetResultSortsTheBallsButNotTheBonus) {
    THistoryLine line;
    EXPECT_FALSE(line.IsRecorded());
    EXPECT_EQ(line.NumberText(7), "00");
    line.SetResult({49, 12, 7, 31, 40, 23, 45}, DrawDateOf(119));
    EXPECT_EQ(line.BallArray(), (THistoryLine::Balls{7, 12, 23, 31, 40, 49}));
    EXPECT_EQ(line.NumberText(1), "07");
    EXPECT_EQ(line.NumberText(6), "49");
    EXPECT_EQ(line.Number(7), 45);
    EXPECT_TRUE(line.IsRecorded());
    line.SetResult({5, 4, 3, 2, 1, 0, 9}, DrawDateOf(119));
    EXPECT_FALSE(line.IsRecorded());  // a 0 ball sorts first
}

// Every order of six different balls, and every six drawn from three values
// (repeats, zeros and negatives, as an import may bring), come out sorted.
TEST(HistoryRules, SetResultSortsSixBallsInAnyOrder) {
    THistoryLine::Balls distinct = {3, 9, 17, 28, 41, 49};
    do {
        THistoryLine line;
        line.SetResult({distinct[0], distinct[1], distinct[2], distinct[3], distinct[4], distinct[5], 8}, 0);
        ASSERT_EQ(line.BallArray(), (THistoryLine::Balls{3, 9, 17, 28, 41, 49}));
        ASSERT_EQ(line.BonusBall(), 8);
    } while (std::next_permutation(distinct.begin(), distinct.end()));

    constexpr std::array<int16_t, 3> kValues = {-4, 0, 7};
    for (int code = 0; code < 729; ++code) {
        THistoryLine::Numbers numbers{};
        for (int i = 0, rest = code; i < THistoryLine::kBallCount; ++i, rest /= 3) numbers[i] = kValues[rest % 3];
        THistoryLine::Balls expected;
        std::copy_n(numbers.begin(), THistoryLine::kBallCount, expected.begin());
        std::sort(expected.begin(), expected.end());
        THistoryLine line;
        line.SetResult(numbers, 0);
        ASSERT_EQ(line.BallArray(), expected) << code;
    }
}

TEST(HistoryRules, HistoryRowKeyIsTheDateAsYearMonthDay) {
    EXPECT_EQ(HistoryRowKey(35466), "19970205");
    EXPECT_EQ(HistoryRowKey(35466.75), "19970205");
    EXPECT_EQ(HistoryRowKey(DayFromCivil({2026, 12, 9})), "20261209");
    EXPECT_EQ(HistoryRowKey(DayFromCivil({999, 1, 2})), "09990102");
    EXPECT_EQ(HistoryRowKey(std::nan("")), "00000000");
    EXPECT_EQ(HistoryRowKey(-1e300), "00000000");
}
