// SPDX-License-Identifier: MIT
#include "dial/updatedisplay.h"

#include "dial/geometry.h"
#include "platform/colour.h"
#include "platform/readouts.h"
#include "platform/surface.h"

#include <cmath>

namespace zelvan {

namespace {

constexpr Colour AlarmHandColour = Rgb(255, 0, 0);

constexpr double SecondHandLength = 0.7;
constexpr double MinuteHandLength = 0.6;
constexpr double AlarmHandLength = 0.65;
constexpr double BossRadius = 0.025;
constexpr double BrandWordsBelowCentre = 0.25;

HandTip TipAt(float angle, std::int16_t radius, double length)
{
    const double a = angle;
    return {Round16(radius * length * std::cos(a)), Round16(radius * length * -std::sin(a))};
}

// Before anything has been drawn, a tip of (0, 0) would erase nothing useful:
// point it straight down so the first erase is a harmless line in the face colour.
void StartPointingDown(HandTip &tip, std::int16_t radius)
{
    if (tip == HandTip{})
        tip.y = Round16(SecondHandLength * radius);
}

void DrawHand(Surface &picture, const DialGeometry &g, HandTip tip, std::optional<Colour> colour)
{
    picture.Line(g.CenterX, g.CenterY, static_cast<std::int16_t>(g.CenterX + tip.x),
                 static_cast<std::int16_t>(g.CenterY + tip.y), colour);
}

} // namespace

void UpdateDisplay(Surface &picture, Readouts &window, const DisplayState &state, HandTips &tips)
{
    if (!window.IsMinimized()) {
        const DialGeometry g = ComputeDialGeometry(picture.Width(), picture.Height());
        const double pi = g.pi;

        StartPointingDown(tips.SecondTip, g.DialRadius);
        const int s = state.ElapsedSeconds % 60 * 2;
        const auto secondAngle = static_cast<float>(pi / 2 - (pi * s) / 60);
        const HandTip second = TipAt(secondAngle, g.DialRadius, SecondHandLength);

        StartPointingDown(tips.MinuteTip, g.DialRadius);
        const int m = state.ElapsedSeconds / 60 % 60 * 2;
        const auto minuteAngle = static_cast<float>(pi / 2 - (pi * m) / 60);
        const HandTip minute = TipAt(minuteAngle, g.DialRadius, MinuteHandLength);

        StartPointingDown(tips.AlarmTip, g.DialRadius);
        HandTip alarm;
        if (IsTrue(state.AlarmEnabled)) {
            // The alarm hand moves smoothly between minutes, unlike the minute hand.
            const auto a = static_cast<std::int16_t>(state.AlarmSeconds / 60 % 60 * 2);
            const auto b = static_cast<std::int16_t>(state.AlarmSeconds % 60 * 2);
            const auto alarmAngle =
                static_cast<float>(pi / 2 - (pi * a) / 60 - ((pi * b) / 60) / 60);
            alarm = TipAt(alarmAngle, g.DialRadius, AlarmHandLength);
        }

        window.SetReadoutText(state.ElapsedText);

        // All stale hands go before any new one is drawn, or an erase could cut
        // through a hand that is staying put.
        DrawHand(picture, g, tips.SecondTip, picture.FillColor());
        DrawHand(picture, g, tips.MinuteTip, picture.FillColor());
        DrawHand(picture, g, tips.AlarmTip, picture.FillColor());

        if (IsTrue(state.AlarmEnabled)) {
            DrawHand(picture, g, alarm, AlarmHandColour);
            tips.AlarmTip = alarm;
        }
        DrawHand(picture, g, second, std::nullopt);
        tips.SecondTip = second;
        // The minute hand goes over the second hand.
        DrawHand(picture, g, minute, std::nullopt);
        tips.MinuteTip = minute;

        // The erasing lines cut through the boss and the brand words: redraw them last.
        picture.Circle(g.CenterX, g.CenterY, static_cast<float>(BossRadius * g.DialRadius));
        const double size = picture.FontSize();
        const double wordsY = g.CenterY + BrandWordsBelowCentre * g.DialRadius;
        picture.SetCurrentX(FixedPointOffset(g.CenterX, -30 * size));
        picture.SetCurrentY(FixedPointOffset(wordsY, -10 * size));
        picture.Print("Qumo'T");
        picture.SetCurrentX(FixedPointOffset(g.CenterX, -30 * size));
        picture.SetCurrentY(FixedPointOffset(wordsY, 10 * size));
        picture.Print("Zelvan");
    }
    window.SetCaption(CaptionPrefix + state.ElapsedText);
}

} // namespace zelvan
