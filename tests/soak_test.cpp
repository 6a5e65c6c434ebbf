// SPDX-License-Identifier: MIT
// A year of running in a few seconds: the stopwatch on the real clock adapter
// over simulated boot time, with ticks that
// come early, late, twice in a second or not at all, frequent Stop/Continue
// pauses, suspends and changes of the system clock.
#include "app/stopwatch.h"
#include "fakes.h"
#include "platform/clock.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <random>

namespace zelvan {
namespace {

constexpr std::int64_t NsPerSecond = 1'000'000'000;

// A surface that only counts the lines it was asked to draw, and keeps the
// first one in the foreground colour since it was told to forget: after a
// tick, the second hand.
class CountingSurface final : public Surface
{
public:
    double Width() const override { return 2295; }
    double Height() const override { return 2295; }
    Colour FillColor() const override { return 0xffffff; }
    void SetFillColor(Colour) override {}
    void Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour) override
    {
        ++lines;
        if (!colour && !firstHand) {
            firstHand = true;
            handX = x2 - x1;
            handY = y2 - y1;
        }
    }
    void Circle(double, double, double) override {}
    void SetCurrentX(double) override {}
    void SetCurrentY(double) override {}
    double FontSize() const override { return 8.25; }
    void Print(const std::string &) override {}

    long lines = 0;
    bool firstHand = false;
    double handX = 0;
    double handY = 0;
};

std::int32_t ReadoutSeconds(const std::string &text)
{
    EXPECT_EQ(text.size(), 8u);
    return std::stoi(text.substr(0, 2)) * 3600 + std::stoi(text.substr(3, 2)) * 60 +
           std::stoi(text.substr(6, 2));
}

TEST(Soak, AYearOfJitteryTicksAndPausesKeepsTheCountOnTheRunningTime)
{
    std::mt19937_64 random(20261208);
    const auto chance = [&](double p) {
        return std::uniform_real_distribution<>(0, 1)(random) < p;
    };
    const auto between = [&](double lo, double hi) {
        return std::uniform_real_distribution<>(lo, hi)(random);
    };

    std::int64_t boot = 7 * NsPerSecond + 123'456'789; // nanoseconds since boot
    std::int64_t wall = 1'780'000'000;                 // the system clock, set by hand now and then
    BootClock clock({[&] { return wall; }, [&] { return boot; }});
    const auto at = [](double seconds) { return static_cast<std::int64_t>(seconds * NsPerSecond); };

    testing::FakeTimer timer;
    CountingSurface picture;
    testing::StopwatchFakes fakes;
    const testing::FakeReadouts &window = fakes.window;
    Stopwatch watch(fakes.Parts(clock, timer, picture));
    watch.Form_Load();

    constexpr std::int64_t Year = 365LL * 86400 * NsPerSecond;
    std::int64_t running = 0; // true running time, nanoseconds
    long ticks = 0;
    long stops = 0;
    long shortRuns = 0;

    while (running < Year) {
        // Continue (or Start): the clock is re-centred on the coming ticks. The
        // first is due when the running time reaches the next whole second past
        // the count (past the count's own second where ticks went missing).
        const std::int32_t ElapsedSeconds = watch.ElapsedSeconds();
        watch.cmdStart_Click();
        const std::int64_t started = boot;
        const std::int64_t firstDue =
            (std::max<std::int64_t>(ElapsedSeconds, running / NsPerSecond) + 1) * NsPerSecond -
            running;
        // The timer's first interval, in milliseconds, is that to the nearest one.
        ASSERT_LE(std::llabs(timer.firstMilliseconds * (NsPerSecond / 1000) - firstDue),
                  NsPerSecond / 2000)
            << "stop " << stops;
        std::int64_t due = firstDue - NsPerSecond; // the ticks' due times after the start
        std::int64_t lastArrival = 0;
        // Mostly runs of a few seconds or less, now and then an hour.
        const bool shortRun = chance(0.98);
        shortRuns += shortRun;
        const int ticksThisRun = static_cast<int>(shortRun ? between(0, 4) : between(1, 4000));
        for (int k = 0; k < ticksThisRun; ++k) {
            due += NsPerSecond;
            if (chance(0.01))
                due += at(std::floor(between(1, 5))); // a few ticks skipped
            if (chance(0.0005))
                due += at(std::floor(between(3600, 30 * 3600))); // a suspend, counted as running
            if (chance(0.001))
                wall += chance(0.5) ? 3600 : -3600; // clock set, or daylight saving
            // Up to 0.45 s early or late, but never before the tick before it.
            const double early =
                std::min(0.45, static_cast<double>(due - lastArrival) / NsPerSecond);
            const std::int64_t arrival = due + at(between(-early, 0.45));
            boot = started + arrival;
            lastArrival = arrival;
            const std::int64_t runningAtDue = running + due;

            const int deliveries = chance(0.005) ? 2 : 1; // twice within one second
            for (int d = 0; d < deliveries; ++d) {
                picture.firstHand = false;
                timer.Tick();
                ++ticks;
                const std::int32_t ElapsedSeconds = watch.ElapsedSeconds();

                // Each tick was due at a whole second of running time, and the
                // count holds exactly those seconds.
                ASSERT_EQ(runningAtDue % NsPerSecond, 0) << "tick " << ticks;
                ASSERT_EQ(ElapsedSeconds, runningAtDue / NsPerSecond)
                    << "tick " << ticks << " at " << running + arrival << " ns of running";
                ASSERT_EQ(ReadoutSeconds(window.readout), ElapsedSeconds % 86400);
                ASSERT_EQ(window.caption, "Zelvan - " + window.readout);
                // The second hand points at the seconds of the count.
                using std::numbers::pi;
                const double angle = std::atan2(-picture.handY, picture.handX);
                const double expected = pi / 2 - 2 * pi * (ElapsedSeconds % 60) / 60;
                ASSERT_NEAR(std::remainder(angle - expected, 2 * pi), 0, 0.01) << ElapsedSeconds;
            }
        }
        // Stop after the last tick came and before the next one does: mostly
        // before the next is due, now and then while it is late.
        const std::int64_t nextDue = due + NsPerSecond;
        const double lateness = chance(0.05) ? 0.45 : 0;
        const std::int64_t stopAt =
            lastArrival +
            at(between(0, static_cast<double>(nextDue - lastArrival) / NsPerSecond + lateness));
        boot = started + stopAt;
        const std::int32_t countBeforeStop = watch.ElapsedSeconds();
        watch.cmdStart_Click();
        running += stopAt;
        ++stops;
        ASSERT_EQ(watch.ElapsedSeconds(), countBeforeStop);
        // Stopped after a tick's due time and before the next one's, the count
        // is the whole seconds of the running time. What it lacks is carried:
        // the first tick after the next Continue is checked against it above.
        if (ticksThisRun > 0 && stopAt >= due && stopAt < nextDue) {
            ASSERT_EQ(watch.ElapsedSeconds(), running / NsPerSecond) << "stop " << stops;
        }
        // Stopped, however long: not counted.
        boot += at(between(0, chance(0.01) ? 86400 : 3));
    }

    std::printf("simulated %.0f s of running (%.1f days): %ld ticks, %ld stops (%ld after short "
                "runs), %ld lines drawn\n",
                running / 1e9, running / 1e9 / 86400, ticks, stops, shortRuns, picture.lines);
    EXPECT_GT(ticks, 1'000'000);
    EXPECT_GT(stops, 20'000);
}

} // namespace
} // namespace zelvan
