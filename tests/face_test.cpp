// SPDX-License-Identifier: MIT
#include "dial/face.h"
#include "fakes.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace zelvan {
namespace {

using testing::DrawOp;
using testing::RecordingSurface;

constexpr Colour Black = Rgb(0, 0, 0);
constexpr Colour White = Rgb(255, 255, 255);
constexpr Colour Red = Rgb(255, 0, 0);
constexpr Colour Olive = Rgb(176, 176, 0);

std::vector<DrawOp> Only(const std::vector<DrawOp> &ops, DrawOp::Kind kind)
{
    std::vector<DrawOp> picked;
    for (const DrawOp &op : ops)
        if (op.kind == kind)
            picked.push_back(op);
    return picked;
}

TEST(DialFace, PaintsTheRingThenTheFaceAndRestoresTheFillColour)
{
    RecordingSurface picture;
    DrawDialFace(picture);
    const auto circles = Only(picture.ops, DrawOp::Circle);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].colour, Olive);
    EXPECT_EQ(circles[0].x1, 1147);
    EXPECT_EQ(circles[0].y1, 1147);
    EXPECT_EQ(circles[0].x2, 1136); // 0.495 x the width of a square picture
    EXPECT_EQ(circles[1].colour, White);
    EXPECT_FLOAT_EQ(circles[1].x2, 908.8f);
    EXPECT_EQ(picture.FillColor(), White);
}

TEST(DialFace, FollowsTheHeightOfAWidePicture)
{
    RecordingSurface picture(4000, 2000);
    DrawDialFace(picture);
    const auto circles = Only(picture.ops, DrawOp::Circle);
    ASSERT_FALSE(circles.empty());
    EXPECT_EQ(circles[0].x1, 2000);
    EXPECT_EQ(circles[0].y1, 1000);
    EXPECT_EQ(circles[0].x2, 990);
}

TEST(DialFace, DrawsSixtyMarksRedAtEveryFifth)
{
    RecordingSurface picture;
    DrawDialFace(picture);
    const auto marks = Only(picture.ops, DrawOp::Line);
    ASSERT_EQ(marks.size(), 60u);
    for (int i = 1; i <= 60; ++i)
        EXPECT_EQ(marks[i - 1].colour, i % 5 == 0 ? Red : Black) << "mark " << i;

    // Mark 15 points right, from 0.7 to 0.8 of the radius; mark 60 points up.
    const DrawOp &right = marks[14];
    EXPECT_NEAR(right.x1, 1147 + 0.7 * 1136, 0.01);
    EXPECT_NEAR(right.x2, 1147 + 0.8 * 1136, 0.01);
    EXPECT_NEAR(right.y1, 1147, 0.01);
    EXPECT_NEAR(right.y2, 1147, 0.01);
    const DrawOp &up = marks[59];
    EXPECT_NEAR(up.x1, 1147, 0.01);
    EXPECT_NEAR(up.y1, 1147 - 0.7 * 1136, 0.01);
    EXPECT_NEAR(up.y2, 1147 - 0.8 * 1136, 0.01);
    // The ends keep their fractions of a twip.
    EXPECT_NE(marks[0].x1, std::round(marks[0].x1));
}

TEST(DialFace, PrintsTheNumeralsOnTheRing)
{
    RecordingSurface picture;
    DrawDialFace(picture);
    const auto texts = Only(picture.ops, DrawOp::Print);
    ASSERT_EQ(texts.size(), 12u);
    for (int k = 1; k <= 12; ++k)
        EXPECT_EQ(texts[k - 1].text, std::string(" ").append(std::to_string(5 * k)).append(" "));

    // 0.9 x 1136 = 1022.4 from the centre, less 15 and 10 times the font size.
    struct Place
    {
        int index;
        double x;
        double y;
    };
    const Place places[] = {
        {11, 1147 - 123.75, 1147 - 1022.4 - 82.5}, // 60 at the top
        {2, 1147 + 1022.4 - 123.75, 1147 - 82.5},  // 15 at the right
        {5, 1147 - 123.75, 1147 + 1022.4 - 82.5},  // 30 at the bottom
        {8, 1147 - 1022.4 - 123.75, 1147 - 82.5},  // 45 at the left
    };
    for (const Place &p : places) {
        EXPECT_NEAR(texts[p.index].x1, p.x, 0.01) << texts[p.index].text;
        EXPECT_NEAR(texts[p.index].y1, p.y, 0.01) << texts[p.index].text;
    }
}

// The recording surface with the metrics of another face than the design's.
class OtherFace final : public Surface
{
public:
    OtherFace(double twipsPerCharacter, double lineTwips)
        : m_perCharacter(twipsPerCharacter), m_line(lineTwips)
    {
    }

    double Width() const override { return record.Width(); }
    double Height() const override { return record.Height(); }
    Colour FillColor() const override { return record.FillColor(); }
    void SetFillColor(Colour colour) override { record.SetFillColor(colour); }
    void Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour) override
    {
        record.Line(x1, y1, x2, y2, colour);
    }
    void Circle(double x, double y, double radius) override { record.Circle(x, y, radius); }
    void SetCurrentX(double x) override { record.SetCurrentX(x); }
    void SetCurrentY(double y) override { record.SetCurrentY(y); }
    double FontSize() const override { return record.FontSize(); }
    void Print(const std::string &text) override { record.Print(text); }
    double TextWidth(const std::string &text) const override
    {
        return m_perCharacter * static_cast<double>(text.size());
    }
    double TextHeight() const override { return m_line; }

    RecordingSurface record;

private:
    double m_perCharacter;
    double m_line;
};

TEST(DialFace, CentresTheNumeralsByTheMetricsOfTheFaceInUse)
{
    struct Face
    {
        const char *name;
        double perCharacter;
        double line;
    };
    // The design's face gives the offsets 15 and 10 times the font size
    // (123.75 and 82.5 twips at 8.25 pt); a wider and taller one more.
    const Face faces[] = {
        {"design", 61.875, 165},
        {"wider and taller", 70, 185},
        {"narrower", 50, 165},
    };
    for (const Face &face : faces) {
        OtherFace picture(face.perCharacter, face.line);
        DrawDialFace(picture);
        const auto texts = Only(picture.record.ops, DrawOp::Print);
        ASSERT_EQ(texts.size(), 12u);
        // " 15 " at the right and " 5 " at the top right: both start half a
        // two-digit numeral's box (four characters) left of their points.
        const double half = 2 * face.perCharacter;
        EXPECT_NEAR(texts[2].x1, 1147 + 1022.4 - half, 0.01) << face.name;
        EXPECT_NEAR(texts[2].y1, 1147 - face.line / 2, 0.01) << face.name;
        const double pi = std::acos(-1.0);
        EXPECT_NEAR(texts[0].x1, 1147 + 1022.4 * std::sin(pi / 6) - half, 0.05) << face.name;
    }
}

} // namespace
} // namespace zelvan
