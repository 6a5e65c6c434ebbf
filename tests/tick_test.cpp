// SPDX-License-Identifier: MIT
#include "app/tick.h"
#include "fakes.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

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

// The count across runs and pauses, kept as the window keeps it: the ticks come
// when the timer says the first is due and a second apart from there.
class PausedStopwatch
{
public:
    // Continue, let `seconds` of running time pass with ticks on time, then Stop.
    void Run(double seconds)
    {
        LastTick = carry.Continue(clock, ElapsedSeconds);
        double due = carry.FirstTickMilliseconds() / 1000.0;
        double now = 0;
        bool first = true;
        while (due <= seconds) {
            clock.Advance(due - now);
            now = due;
            const std::int32_t before = ElapsedSeconds;
            AccountElapsed(ElapsedSeconds, LastTick, clock.Now());
            if (first)
                firstTickAdded.push_back(ElapsedSeconds - before);
            first = false;
            due += 1;
        }
        clock.Advance(seconds - now);
        carry.Stop(clock, ElapsedSeconds);
        running += seconds;
    }
    // Stopped: time passes and no tick comes.
    void Pause(double seconds) { clock.Advance(seconds); }

    testing::FakeClock clock;
    PauseCarry carry;
    std::int32_t ElapsedSeconds = 0;
    OleDate LastTick = 0;
    double running = 0;
    std::vector<std::int32_t> firstTickAdded;
};

struct PauseCase
{
    const char *name;
    std::vector<double> runs;         // seconds of running, each followed by a pause
    std::vector<std::int32_t> counts; // the count after each run
};

void PrintTo(const PauseCase &c, std::ostream *os)
{
    *os << c.name;
}

class PauseCarryTest : public ::testing::TestWithParam<PauseCase>
{
};

TEST_P(PauseCarryTest, TheCountIsTheWholeSecondsOfRunningTime)
{
    PausedStopwatch watch;
    const PauseCase &c = GetParam();
    ASSERT_EQ(c.runs.size(), c.counts.size());
    for (std::size_t i = 0; i < c.runs.size(); ++i) {
        watch.Run(c.runs[i]);
        EXPECT_EQ(watch.ElapsedSeconds, c.counts[i]) << "after run " << i + 1;
        EXPECT_EQ(watch.ElapsedSeconds,
                  static_cast<std::int32_t>(std::floor(watch.running + 1e-9)));
        watch.Pause(7.7);
    }
    // Each first tick after a Continue adds exactly one second.
    for (std::int32_t added : watch.firstTickAdded)
        EXPECT_EQ(added, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, PauseCarryTest,
    ::testing::Values(PauseCase{"ten_runs_of_0_85_s",
                                {0.85, 0.85, 0.85, 0.85, 0.85, 0.85, 0.85, 0.85, 0.85, 0.85},
                                {0, 1, 2, 3, 4, 5, 5, 6, 7, 8}},
                      PauseCase{"runs_ending_just_before_a_tick", {2.999, 2.999, 2.999}, {2, 5, 8}},
                      PauseCase{"runs_ending_just_after_a_tick", {3.001, 3.001, 3.001}, {3, 6, 9}},
                      PauseCase{"stop_and_continue_within_one_second",
                                {0.3, 0.3, 0.3, 0.2, 0.05},
                                {0, 0, 0, 1, 1}},
                      PauseCase{"runs_of_whole_seconds", {1, 2, 3}, {1, 3, 6}},
                      PauseCase{"eight_runs_of_2_9_s",
                                {2.9, 2.9, 2.9, 2.9, 2.9, 2.9, 2.9, 2.9},
                                {2, 5, 8, 11, 14, 17, 20, 23}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PauseCarry, TheFirstTickComesWhenTheCarriedSecondIsComplete)
{
    PausedStopwatch watch;
    EXPECT_EQ(watch.carry.FirstTickMilliseconds(), 1000);
    watch.Run(2.35);
    EXPECT_EQ(watch.carry.FirstTickMilliseconds(), 650);
    watch.Run(0.65);
    EXPECT_EQ(watch.carry.FirstTickMilliseconds(), 1000);
    watch.Run(0.4);
    // A reset count starts a whole second afresh.
    watch.carry.Clear();
    EXPECT_EQ(watch.carry.FirstTickMilliseconds(), 1000);
}

TEST(PauseCarry, SecondsWhoseTicksNeverCameAreAddedByTheFirstTickAfterContinue)
{
    PausedStopwatch watch;
    watch.LastTick = watch.carry.Continue(watch.clock, 0);
    watch.clock.Advance(1);
    AccountElapsed(watch.ElapsedSeconds, watch.LastTick, watch.clock.Now());
    // The timer falls silent; Stop comes 2.5 s after the last tick.
    watch.clock.Advance(2.5);
    watch.carry.Stop(watch.clock, watch.ElapsedSeconds);
    EXPECT_EQ(watch.ElapsedSeconds, 1);
    watch.running = 3.5;
    watch.Pause(60);
    watch.Run(0.6);
    ASSERT_EQ(watch.firstTickAdded.size(), 1u);
    EXPECT_EQ(watch.firstTickAdded.back(), 3); // the tick at 4 s of running time
    EXPECT_EQ(watch.ElapsedSeconds, 4);
}

TEST(PauseCarry, AStopJustAfterAnEarlyTickCountsTheRestOfItsSecond)
{
    PausedStopwatch watch;
    watch.LastTick = watch.carry.Continue(watch.clock, 0);
    watch.clock.Advance(0.8); // the tick due at 1 s comes 0.2 s early
    AccountElapsed(watch.ElapsedSeconds, watch.LastTick, watch.clock.Now());
    ASSERT_EQ(watch.ElapsedSeconds, 1);
    watch.clock.Advance(0.1);
    watch.carry.Stop(watch.clock, watch.ElapsedSeconds);
    watch.running = 0.9;
    // The count is 0.1 s ahead: the first tick comes after 1.1 s, at 2 s of
    // running time, and adds one.
    EXPECT_EQ(watch.carry.FirstTickMilliseconds(), 1100);
    watch.Run(1.1);
    ASSERT_EQ(watch.firstTickAdded.size(), 1u);
    EXPECT_EQ(watch.firstTickAdded.back(), 1);
    EXPECT_EQ(watch.ElapsedSeconds, 2);
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
