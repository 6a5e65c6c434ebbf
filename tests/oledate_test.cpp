// SPDX-License-Identifier: MIT
#include "platform/clock.h"
#include "platform/oledate.h"

#include <chrono>
#include <cmath>
#include <gtest/gtest.h>

namespace zelvan {
namespace {

using namespace std::chrono_literals;

constexpr double Second = 1.0 / SecondsPerDay;

TEST(WholeSecondsIn, CountsWholeDaysAndTheRoundedTimeOfDay)
{
    EXPECT_EQ(WholeSecondsIn(0.0), 0);
    EXPECT_EQ(WholeSecondsIn(1.25), 30 * 3600); // a 30-hour suspend
    EXPECT_EQ(WholeSecondsIn(3 * Second), 3);
    EXPECT_EQ(WholeSecondsIn((13 * 3600 + 4 * 60 + 5.4) * Second), 13 * 3600 + 4 * 60 + 5);
    EXPECT_EQ(WholeSecondsIn(59.6 * Second), 60); // rounds to the nearest
    EXPECT_EQ(WholeSecondsIn(0.5 * Second), 0);   // ties to even
    EXPECT_EQ(WholeSecondsIn(1.5 * Second), 2);
    EXPECT_EQ(WholeSecondsIn(0.9999999), 86400);                  // just before midnight
    EXPECT_EQ(WholeSecondsIn(1.0 - 0.4 * Second), 86400);         // carried into the day
    EXPECT_EQ(WholeSecondsIn(46000.5 + 2 * Second - 46000.5), 2); // subtraction noise
    EXPECT_EQ(WholeSecondsIn(-1.0 / 24), 3600);                   // a magnitude, never negative
    EXPECT_EQ(WholeSecondsIn(std::nan("")), 0);
    EXPECT_EQ(WholeSecondsIn(INFINITY), 0);
}

// Readings of the real clock come from a wall clock read once and a boot-time
// counter that the test moves by hand.
struct ClockWorld
{
    std::int64_t wall = 1'750'000'000; // seconds, local time
    std::int64_t boot = 5'000'000'123; // nanoseconds

    ClockReadings Readings()
    {
        return {[this] { return wall; }, [this] { return boot; }};
    }
    void Pass(double seconds) { boot += static_cast<std::int64_t>(seconds * 1e9); }
};

std::int64_t SecondsBetween(OleDate later, OleDate earlier)
{
    return std::llround((later - earlier) * SecondsPerDay);
}

TEST(BootClock, StartsAtTheLocalWallClockTime)
{
    ClockWorld world;
    BootClock clock(world.Readings());
    EXPECT_NEAR(clock.Now(), UnixEpochOleDate + 1'750'000'000 / SecondsPerDay, Second / 1000);
}

TEST(BootClock, IgnoresChangesOfTheSystemClock)
{
    ClockWorld world;
    BootClock clock(world.Readings());
    const OleDate start = clock.Now();
    world.Pass(10);
    world.wall -= 3600; // set back an hour, or a daylight-saving change
    EXPECT_EQ(SecondsBetween(clock.Now(), start), 10);
    world.wall += 7200; // and forward
    world.Pass(5);
    EXPECT_EQ(SecondsBetween(clock.Now(), start), 15);
}

TEST(BootClock, CountsTimeSpentSuspended)
{
    ClockWorld world;
    BootClock clock(world.Readings());
    const OleDate start = clock.Now();
    world.Pass(30 * 3600);
    EXPECT_EQ(SecondsBetween(clock.Now(), start), 30 * 3600);
}

TEST(BootClock, ReadsWholeSeconds)
{
    ClockWorld world;
    BootClock clock(world.Readings());
    const OleDate start = clock.Now();
    world.Pass(0.999);
    EXPECT_EQ(clock.Now(), start);
    world.Pass(0.002);
    EXPECT_EQ(SecondsBetween(clock.Now(), start), 1);
}

TEST(BootClock, TicksNearTheirDueTimeFallInConsecutiveSeconds)
{
    ClockWorld world;
    world.Pass(0.9995); // the timer starts just before a whole second of boot time
    BootClock clock(world.Readings());
    const OleDate start = clock.CenterSecondsBetweenTicks(0s);
    EXPECT_EQ(clock.Now(), start);
    const std::int64_t timerStart = world.boot;
    // Each tick arrives up to 0.45 s early or late.
    const double jitter[] = {-0.4, 0.45, 0.0, -0.3, 0.35, -0.45};
    for (int k = 1; k <= 6; ++k) {
        world.boot = timerStart;
        world.Pass(k + jitter[k - 1]);
        EXPECT_EQ(SecondsBetween(clock.Now(), start), k) << "tick " << k;
    }
}

struct CarryCase
{
    const char *name;
    std::chrono::nanoseconds carried;
    double firstDue; // seconds from the start of the timer
    int firstAdds;   // seconds the first tick adds
};

void PrintTo(const CarryCase &c, std::ostream *os)
{
    *os << c.name;
}

class BootClockCarryTest : public ::testing::TestWithParam<CarryCase>
{
};

// After a pause the ticks count from an instant before the timer started: the
// reading of that instant comes back, and ticks near their due times, the
// first one included, still fall in consecutive seconds.
TEST_P(BootClockCarryTest, TicksAfterACarryFallInConsecutiveSeconds)
{
    const CarryCase &c = GetParam();
    ClockWorld world;
    BootClock clock(world.Readings());
    world.Pass(12.345);
    const std::int64_t timerStart = world.boot;
    const OleDate began = clock.CenterSecondsBetweenTicks(c.carried);
    EXPECT_EQ(clock.SinceTicksBegan(), c.carried);
    world.Pass(0.25);
    EXPECT_EQ(clock.SinceTicksBegan(), c.carried + 250ms);
    const double jitter[] = {-0.2, 0.2, 0.45, -0.45, 0.0};
    for (int k = 0; k < 5; ++k) {
        for (double j : {jitter[k], -jitter[k]}) {
            const double arrival = c.firstDue + k + j;
            if (arrival < 0)
                continue;
            world.boot = timerStart;
            world.Pass(arrival);
            EXPECT_EQ(SecondsBetween(clock.Now(), began), c.firstAdds + k)
                << "tick " << k << " at " << arrival << " s";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Carry, BootClockCarryTest,
    ::testing::Values(CarryCase{"nothing", 0ns, 1.0, 1}, CarryCase{"a_little", 150ms, 0.85, 1},
                      CarryCase{"half_a_second", 500ms, 0.5, 1},
                      CarryCase{"nearly_a_second", 999'999'999ns, 1e-9, 1},
                      CarryCase{"seconds_whose_ticks_never_came", 2300ms, 0.7, 3},
                      CarryCase{"below_zero_after_an_early_tick", -300ms, 1.3, 1}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace zelvan
