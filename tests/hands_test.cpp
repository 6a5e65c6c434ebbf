// SPDX-License-Identifier: MIT
#include "dial/geometry.h"
#include "dial/updatedisplay.h"
#include "fakes.h"

#include <cmath>
#include <gtest/gtest.h>

namespace zelvan {
namespace {

using testing::DrawOp;
using testing::FakeReadouts;
using testing::RecordingSurface;

constexpr Colour Black = Rgb(0, 0, 0);
constexpr Colour White = Rgb(255, 255, 255);
constexpr Colour Red = Rgb(255, 0, 0);

// The picture of the main window: 2295 twips square, so the centre is
// (1147, 1147) and the dial radius 1136.
constexpr double C = 1147;

TEST(DialGeometry, FollowsTheSmallerSideOfThePicture)
{
    const DialGeometry square = ComputeDialGeometry(2295, 2295);
    EXPECT_EQ(square.CenterX, 1147);
    EXPECT_EQ(square.CenterY, 1147);
    EXPECT_EQ(square.DialRadius, 1136); // 0.495 x 2295 = 1136.025
    const DialGeometry wide = ComputeDialGeometry(4000, 2000);
    EXPECT_EQ(wide.CenterX, 2000);
    EXPECT_EQ(wide.CenterY, 1000);
    EXPECT_EQ(wide.DialRadius, 990);
    const DialGeometry tall = ComputeDialGeometry(2000, 4000);
    EXPECT_EQ(tall.DialRadius, 990);
    EXPECT_FLOAT_EQ(square.pi, 3.14159265f);
}

TEST(DialGeometry, RoundsHalvesToEven)
{
    EXPECT_EQ(Round16(2.5), 2);
    EXPECT_EQ(Round16(3.5), 4);
    EXPECT_EQ(Round16(-2.5), -2);
    EXPECT_EQ(Round16(-0.5), 0);
    EXPECT_EQ(Round16(681.6), 682);
    // 0.495 x 2101 = 1039.995: not a tie, rounds up
    EXPECT_EQ(ComputeDialGeometry(2101, 2101).DialRadius, 1040);
}

TEST(DialGeometry, KeepsTheLow16BitsUpToABillionAndGivesZeroBeyond)
{
    EXPECT_EQ(Round16(40000), 40000 - 65536);
    EXPECT_EQ(Round16(-40000.4), -40000 + 65536);
    EXPECT_EQ(Round16(1e9), static_cast<std::int16_t>(1'000'000'000 % 65536));
    EXPECT_EQ(Round16(1e9 + 1), 0);
    EXPECT_EQ(Round16(-3e18), 0);
    EXPECT_EQ(Round16(std::nan("")), 0);
    EXPECT_EQ(Round16(INFINITY), 0);
}

TEST(DialGeometry, PlacesTextsInFourDecimalFixedPoint)
{
    EXPECT_FLOAT_EQ(FixedPointOffset(1147, -247.5), 899.5f);
    EXPECT_FLOAT_EQ(FixedPointOffset(1431, 82.5), 1513.5f);
    // The fixed point rounds each term to four decimals first.
    EXPECT_FLOAT_EQ(FixedPointOffset(0.00004, 0.00004), 0.0f);
    EXPECT_FLOAT_EQ(FixedPointOffset(0.00006, 0.00006), 0.0002f);
}

struct Hands
{
    HandTip second;
    HandTip minute;
};

// Runs one refresh and returns the tips of the hands it drew.
Hands Draw(std::int32_t seconds)
{
    RecordingSurface picture;
    FakeReadouts window;
    HandTips tips;
    UpdateDisplay(picture, window, {seconds, "", False, 0}, tips);
    return {tips.SecondTip, tips.MinuteTip};
}

TEST(UpdateDisplay, PointsTheHandsAtTheCount)
{
    // At 0 s both hands point up; the minute hand is the shorter one.
    Hands h = Draw(0);
    EXPECT_EQ(h.second, (HandTip{0, -795}));
    EXPECT_EQ(h.minute, (HandTip{0, -682}));
    // 15 s: the second hand points right.
    h = Draw(15);
    EXPECT_EQ(h.second, (HandTip{795, 0}));
    EXPECT_EQ(h.minute, (HandTip{0, -682}));
    // 90 s: the second hand points down, the minute hand one minute past the top.
    h = Draw(90);
    EXPECT_EQ(h.second, (HandTip{0, 795}));
    EXPECT_EQ(h.minute, (HandTip{71, -678}));
    // 45 s: left.
    EXPECT_EQ(Draw(45).second, (HandTip{-795, 0}));
    // An hour: both hands up again.
    h = Draw(3600);
    EXPECT_EQ(h.second, (HandTip{0, -795}));
    EXPECT_EQ(h.minute, (HandTip{0, -682}));
}

HandTip AlarmTipFor(std::int16_t alarmSeconds)
{
    RecordingSurface picture;
    FakeReadouts window;
    HandTips tips;
    UpdateDisplay(picture, window, {0, "", True, alarmSeconds}, tips);
    return tips.AlarmTip;
}

TEST(UpdateDisplay, PointsTheAlarmHandSmoothlyAtTheAlarmTime)
{
    EXPECT_EQ(AlarmTipFor(300), (HandTip{369, -639})); // the 5-minute mark
    EXPECT_EQ(AlarmTipFor(330), (HandTip{402, -619})); // halfway to the 6-minute mark
    EXPECT_EQ(AlarmTipFor(3600), (HandTip{0, -738}));  // 60 minutes: straight up
}

TEST(UpdateDisplay, ErasesEveryOldHandBeforeDrawingTheNewOnes)
{
    RecordingSurface picture;
    FakeReadouts window;
    HandTips tips;
    UpdateDisplay(picture, window, {0, "00:00:00", True, 300}, tips);
    picture.ops.clear();
    UpdateDisplay(picture, window, {15, "00:00:15", True, 300}, tips);

    const auto &ops = picture.ops;
    ASSERT_EQ(ops.size(), 9u);
    // Erase in the face colour: the second, minute and alarm hands as last drawn.
    const double erased[3][2] = {{C, C - 795}, {C, C - 682}, {C + 369, C - 639}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ops[i].kind, DrawOp::Line);
        EXPECT_EQ(ops[i].colour, White) << i;
        EXPECT_EQ(ops[i].x1, C);
        EXPECT_EQ(ops[i].y1, C);
        EXPECT_EQ(ops[i].x2, erased[i][0]) << i;
        EXPECT_EQ(ops[i].y2, erased[i][1]) << i;
    }
    // Then the alarm hand in red, the second hand, and the minute hand on top.
    EXPECT_EQ(ops[3].colour, Red);
    EXPECT_EQ(ops[3].x2, C + 369);
    EXPECT_EQ(ops[4].colour, Black);
    EXPECT_EQ(ops[4].x2, C + 795);
    EXPECT_EQ(ops[4].y2, C);
    EXPECT_EQ(ops[5].colour, Black);
    EXPECT_EQ(ops[5].y2, C - 682);
    // The boss, filled in the face colour, and the brand words over everything.
    EXPECT_EQ(ops[6].kind, DrawOp::Circle);
    EXPECT_EQ(ops[6].colour, White);
    EXPECT_FLOAT_EQ(ops[6].x2, 28.4f);
    EXPECT_EQ(ops[7].text, "Qumo'T");
    EXPECT_EQ(ops[7].x1, 899.5);  // 1147 - 30 x 8.25
    EXPECT_EQ(ops[7].y1, 1348.5); // 1147 + 284 - 10 x 8.25
    EXPECT_EQ(ops[8].text, "Zelvan");
    EXPECT_EQ(ops[8].x1, 899.5);
    EXPECT_EQ(ops[8].y1, 1513.5);

    EXPECT_EQ(window.readout, "00:00:15");
    EXPECT_EQ(window.caption, "Zelvan - 00:00:15");
}

TEST(UpdateDisplay, FirstRefreshErasesThreeLinesPointingDown)
{
    RecordingSurface picture;
    FakeReadouts window;
    HandTips tips;
    UpdateDisplay(picture, window, {0, "00:00:00", False, 0}, tips);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(picture.ops[i].colour, White);
        EXPECT_EQ(picture.ops[i].x2, C);
        EXPECT_EQ(picture.ops[i].y2, C + 795);
    }
}

TEST(UpdateDisplay, DisarmingRemovesTheAlarmHandAndKeepsErasingIt)
{
    RecordingSurface picture;
    FakeReadouts window;
    HandTips tips;
    UpdateDisplay(picture, window, {0, "", True, 300}, tips);
    for (int call = 0; call < 2; ++call) {
        picture.ops.clear();
        UpdateDisplay(picture, window, {0, "", False, 300}, tips);
        ASSERT_EQ(picture.ops.size(), 8u);
        EXPECT_EQ(picture.ops[2].colour, White);
        EXPECT_EQ(picture.ops[2].x2, C + 369);
        for (const DrawOp &op : picture.ops)
            EXPECT_NE(op.colour, Red);
    }
}

TEST(UpdateDisplay, AMinimisedWindowGetsOnlyItsCaption)
{
    RecordingSurface picture;
    FakeReadouts window;
    window.minimized = true;
    window.readout = "00:00:04";
    HandTips tips;
    UpdateDisplay(picture, window, {5, "00:00:05", True, 300}, tips);
    EXPECT_TRUE(picture.ops.empty());
    EXPECT_EQ(window.readout, "00:00:04");
    EXPECT_EQ(window.caption, "Zelvan - 00:00:05");
    EXPECT_EQ(tips.SecondTip, HandTip{});
}

} // namespace
} // namespace zelvan
