// SPDX-License-Identifier: MIT
#include "app/tick.h"

#include <climits>
#include <gtest/gtest.h>

namespace zelvan {
namespace {

constexpr double Second = 1.0 / SecondsPerDay;

TEST(AccountElapsed, AddsTheWholeSecondsSinceTheLastTick)
{
    std::int32_t count = 0;
    OleDate last = 46000.25;
    AccountElapsed(count, last, 46000.25 + 1 * Second);
    EXPECT_EQ(count, 1);
    AccountElapsed(count, last, 46000.25 + 1 * Second); // same clock second
    EXPECT_EQ(count, 1);
    AccountElapsed(count, last, 46000.25 + 3 * Second); // a late tick
    EXPECT_EQ(count, 3);
    EXPECT_EQ(last, 46000.25 + 3 * Second);
}

TEST(AccountElapsed, CountsAGapOfMoreThanADayWhole)
{
    std::int32_t count = 100;
    OleDate last = 46000.9;
    AccountElapsed(count, last, 46000.9 + 30.0 / 24);
    EXPECT_EQ(count, 100 + 30 * 3600);
}

TEST(AccountElapsed, NeverGoesDownWhenTheReadingsDo)
{
    std::int32_t count = 50;
    OleDate last = 46000.5;
    AccountElapsed(count, last, 46000.5 - 20 * Second);
    EXPECT_EQ(count, 70);
}

TEST(AccountElapsed, WrapsLikeA32BitCountAfterDecadesOfRunning)
{
    std::int32_t count = INT32_MAX;
    OleDate last = 46000.5;
    AccountElapsed(count, last, 46000.5 + Second);
    EXPECT_EQ(count, INT32_MIN);
}

struct FormatCase
{
    const char *name;
    std::int32_t seconds;
    const char *text;
};

void PrintTo(const FormatCase &c, std::ostream *os)
{
    *os << c.seconds << " s";
}

class FormatElapsedTest : public ::testing::TestWithParam<FormatCase>
{
};

TEST_P(FormatElapsedTest, ShowsHoursMinutesAndSecondsInTwoDigitsEach)
{
    EXPECT_EQ(FormatElapsed(GetParam().seconds), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Readout, FormatElapsedTest,
                         ::testing::Values(FormatCase{"zero", 0, "00:00:00"},
                                           FormatCase{"one_second", 1, "00:00:01"},
                                           FormatCase{"last_second_of_minute", 59, "00:00:59"},
                                           FormatCase{"one_minute", 60, "00:01:00"},
                                           FormatCase{"last_second_of_hour", 3599, "00:59:59"},
                                           FormatCase{"one_hour", 3600, "01:00:00"},
                                           FormatCase{"each_field", 3723, "01:02:03"},
                                           FormatCase{"last_second_of_day", 86399, "23:59:59"},
                                           FormatCase{"hours_wrap_at_a_day", 86400, "00:00:00"},
                                           FormatCase{"an_hour_after_the_wrap", 90000, "01:00:00"},
                                           FormatCase{"largest_count", INT32_MAX, "03:14:07"}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace zelvan
