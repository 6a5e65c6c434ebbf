// SPDX-License-Identifier: MIT
// A year of running in a few seconds: the real clock adapter over simulated
// boot time, the tick's accounting and the display refresh, with ticks that
// come early, late, twice in a second or not at all, Stop/Continue pauses,
// suspends and changes of the system clock.
#include "app/tick.h"
#include "dial/updatedisplay.h"
#include "fakes.h"
#include "platform/clock.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace zelvan {
namespace {

constexpr std::int64_t NsPerSecond = 1'000'000'000;

// A surface that only remembers how many lines it was asked to draw.
class CountingSurface final : public Surface
{
public:
    double Width() const override { return 2295; }
    double Height() const override { return 2295; }
    Colour ForeColor() const override { return 0; }
    Colour FillColor() const override { return 0xffffff; }
    void SetFillColor(Colour) override {}
    void Line(double, double, double, double, std::optional<Colour>) override { ++lines; }
    void Circle(double, double, double) override {}
    void SetCurrentX(double) override {}
    void SetCurrentY(double) override {}
    double FontSize() const override { return 8.25; }
    void Print(const std::string &) override {}

    long lines = 0;
};

std::int32_t ReadoutSeconds(const std::string &text)
{
    EXPECT_EQ(text.size(), 8u);
    return std::stoi(text.substr(0, 2)) * 3600 + std::stoi(text.substr(3, 2)) * 60 +
           std::stoi(text.substr(6, 2));
}

TEST(Soak, AYearOfJitteryTicksKeepsTheCountOnTheRunningTime)
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

    std::int32_t ElapsedSeconds = 0;
    OleDate LastTick = clock.Now();
    HandTips tips;
    CountingSurface picture;
    testing::FakeReadouts window;

    constexpr double Year = 365.0 * 86400;
    double running = 0; // true running time, seconds
    double lostAtStops = 0;
    long ticks = 0;
    long stops = 0;

    while (running < Year) {
        // Continue (or Start): the timer starts and the clock is re-centred on its ticks.
        clock.CenterSecondsBetweenTicks();
        LastTick = clock.Now();
        const std::int64_t started = boot;
        double due = 0; // the timer's schedule, seconds after the start
        double lastTick = 0;
        const int ticksThisRun = static_cast<int>(between(1, 4000));
        for (int k = 0; k < ticksThisRun; ++k) {
            due += 1;
            if (chance(0.01))
                due += std::floor(between(1, 5)); // a few ticks skipped
            if (chance(0.0005))
                due += std::floor(between(3600, 30 * 3600)); // a suspend, counted as running
            if (chance(0.001))
                wall += chance(0.5) ? 3600 : -3600; // clock set, or daylight saving
            const double arrival = due + between(-0.45, 0.45);
            boot = started + at(arrival);
            lastTick = arrival;

            const int deliveries = chance(0.005) ? 2 : 1; // twice within one second
            for (int d = 0; d < deliveries; ++d) {
                AccountElapsed(ElapsedSeconds, LastTick, clock.Now());
                const std::string text = FormatElapsed(ElapsedSeconds);
                UpdateDisplay(picture, window, {ElapsedSeconds, text, False, 0}, tips);
                ++ticks;

                // The count is the running time in whole seconds: the runs before this
                // one lost less than a second each at their Stop, this one nothing yet.
                const double truth = running + arrival;
                const double behind = truth - lostAtStops - ElapsedSeconds;
                ASSERT_LE(std::fabs(behind), 0.5) << "tick " << ticks << " after " << truth << " s";
                ASSERT_EQ(ReadoutSeconds(window.readout), ElapsedSeconds % 86400);
                ASSERT_EQ(window.caption, "Zelvan - " + text);
                // The second hand points at the seconds of the count.
                const double angle = std::atan2(-tips.SecondTip.y, tips.SecondTip.x);
                const double expected = M_PI / 2 - 2 * M_PI * (ElapsedSeconds % 60) / 60;
                ASSERT_NEAR(std::remainder(angle - expected, 2 * M_PI), 0, 0.01) << ElapsedSeconds;
            }
        }
        // Stop between the last tick and the earliest the next one could come.
        const double stopAt = between(lastTick, due + 1 - 0.45);
        const double behindAtLastTick = running + lastTick - lostAtStops - ElapsedSeconds;
        // What this Stop loses: the time since the last tick, give or take the
        // half second by which that tick's count may differ from the running time.
        const double lost = stopAt - lastTick + behindAtLastTick;
        ASSERT_GT(lost, -0.5);
        ASSERT_LT(lost, 1.5);
        running += stopAt;
        lostAtStops += lost;
        ++stops;
        boot = started + at(stopAt) + at(between(0, 3));
    }

    std::printf("simulated %.0f s of running (%.1f days): %ld ticks, %ld stops, %ld lines drawn\n",
                running, running / 86400, ticks, stops, picture.lines);
    EXPECT_GT(ticks, 1'000'000);
    // Nothing is lost but at the Stops.
    EXPECT_NEAR(running - lostAtStops, ElapsedSeconds, 0.5);
}

} // namespace
} // namespace zelvan
