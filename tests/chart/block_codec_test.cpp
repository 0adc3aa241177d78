#include "chart/analysis/chart_constants.h"
#include "chart/analysis/chart_geometry.h"
#include "chart/analysis/readout_message.h"
#include "chart/drawing/chart_picture.h"
#include "chart/drawing/stability_circles.h"
#include "core/numbers/errors.h"
#include "core/numbers/extended_codec.h"
#include "ui/qt_text.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace qv {
namespace {

TEST(ReadoutMessageCodec, LaysOutTheHeaderAndZeroTerminatedSlots) {
    ReadoutMessage m;
    m.lineCount = 5;
    m.width = 200;
    m.height = 120;
    m.lines[0] = "\xB5\xE7=1"; // GBK "电=1"
    m.lines[20] = "last";
    const std::string bytes = EncodeReadoutMessage(m);
    ASSERT_EQ(bytes.size(), 5388u);
    EXPECT_EQ(bytes.substr(0, 12), std::string("\x05\0\0\0\xC8\0\0\0\x78\0\0\0", 12));
    EXPECT_EQ(bytes.substr(12, 5), std::string("\xB5\xE7=1\0", 5));
    EXPECT_EQ(bytes.substr(12 + 256 * 20, 5), std::string("last\0", 5));
    // Everything no field wrote is zero.
    std::string expected = bytes;
    expected.replace(0, 12, 12, '\0');
    expected.replace(12, 4, 4, '\0');
    expected.replace(12 + 256 * 20, 4, 4, '\0');
    EXPECT_EQ(expected, std::string(5388, '\0'));
}

TEST(ReadoutMessageCodec, RoundTripsAndKeepsEverySlotZeroTerminated) {
    ReadoutMessage m;
    m.lineCount = -7;
    m.width = 0x12345678;
    m.height = 3;
    m.lines[1] = std::string(300, 'a');
    const std::optional<ReadoutMessage> back = DecodeReadoutMessage(EncodeReadoutMessage(m));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->lineCount, -7);
    EXPECT_EQ(back->width, 0x12345678);
    EXPECT_EQ(back->height, 3);
    EXPECT_EQ(back->lines[1], std::string(255, 'a'));
    EXPECT_EQ(back->lines[0], "");
}

TEST(ReadoutMessageCodec, DecodingReadsAFullSlotWithoutTerminatorWhole) {
    std::string bytes(5388, '\0');
    bytes.replace(12, 256, 256, 'z');
    const std::optional<ReadoutMessage> m = DecodeReadoutMessage(bytes);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->lines[0], std::string(256, 'z'));
    EXPECT_EQ(m->lines[1], "");
}

TEST(ReadoutMessageCodec, ShortOrRandomBlocksAreHandledSafely) {
    EXPECT_FALSE(DecodeReadoutMessage(std::string(5387, 'x')));
    EXPECT_FALSE(DecodeReadoutMessage(""));
    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        std::string bytes(5388 + round, '\0');
        for (char& b : bytes)
            b = static_cast<char>(random());
        const std::optional<ReadoutMessage> m = DecodeReadoutMessage(bytes);
        ASSERT_TRUE(m);
        for (const std::string& line : m->lines)
            EXPECT_LE(line.size(), 256u);
    }
}

StabilityCircles SampleCircles() {
    StabilityCircles c;
    c.inputCentreMagnitude = 0.5L;
    c.outputCentreMagnitude = 1;
    c.inputCentreAngle = 90;
    c.outputCentreAngle = 180;
    c.inputRadius = 0.25L;
    c.outputRadius = 0.5L;
    return c;
}

TEST(StabilityBlock, SixExtendedValuesInTheirOrder) {
    const std::string bytes = EncodeStabilityBlock(SampleCircles());
    ASSERT_EQ(bytes.size(), 60u);
    const auto value = [&](int offset) {
        return DecodeExtended(reinterpret_cast<const std::uint8_t*>(bytes.data()) + offset);
    };
    EXPECT_EQ(value(0), 0.5L);
    EXPECT_EQ(value(10), 1);
    EXPECT_EQ(value(20), 90);
    EXPECT_EQ(value(30), 180);
    EXPECT_EQ(value(40), 0.25L);
    EXPECT_EQ(value(50), 0.5L);
    // 0.5 as x87 extended: mantissa 0x8000000000000000, exponent 0x3FFE.
    EXPECT_EQ(bytes.substr(0, 10), std::string("\0\0\0\0\0\0\0\x80\xFE\x3F", 10));
    const std::optional<StabilityCircles> back = DecodeStabilityBlock(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->outputCentreAngle, 180);
    EXPECT_EQ(back->inputRadius, 0.25L);
}

TEST(StabilityBlock, ShortBlocksAreIgnored) {
    EXPECT_FALSE(DecodeStabilityBlock(std::string(59, '\0')));
    EXPECT_TRUE(DecodeStabilityBlock(std::string(61, '\0')));
}

TEST(StabilityCirclesDrawing, CirclesAndLegendsAtTheirPixels) {
    RecordingSurface s(841, 200);
    DrawStabilityCircles(s, GeometryForHeight(200), SampleCircles());
    ASSERT_EQ(s.primitives.size(), 4u);
    const Primitive& input = s.primitives[0];
    // 0.5 at 90 degrees: (100 + cos(90) 50, 100 - sin(90) 50) = (100, 50), radius 25.
    EXPECT_EQ(input.kind, Primitive::Kind::Arc);
    EXPECT_EQ(input.x1, 100);
    EXPECT_EQ(input.y1, 50);
    EXPECT_EQ(input.radius, 25);
    EXPECT_EQ(input.sweepDegrees, 360);
    EXPECT_EQ(input.pen.colour, ChartRed);
    EXPECT_EQ(input.pen.width, 1);
    const Primitive& output = s.primitives[1];
    EXPECT_EQ(output.x1, 0); // 1 at 180 degrees: the short-circuit point
    EXPECT_EQ(output.y1, 100);
    EXPECT_EQ(output.radius, 50);
    EXPECT_EQ(output.pen.colour, ChartBlue);
    EXPECT_EQ(s.primitives[2].text, "---输入稳定圆");
    EXPECT_EQ(s.primitives[2].x1, 10);
    EXPECT_EQ(s.primitives[2].y1, 10);
    EXPECT_EQ(s.primitives[2].font.colour, ChartRed);
    EXPECT_EQ(s.primitives[3].text, "---输出稳定圆");
    EXPECT_EQ(s.primitives[3].y1, 30);
    EXPECT_EQ(s.primitives[3].font.colour, ChartBlue);
    EXPECT_EQ(s.primitives[3].font.size, 10);
    EXPECT_FALSE(s.primitives[3].brush.solid);
}

TEST(StabilityCirclesDrawing, PixelsOfTheCirclesInThePicture) {
    QImage image = MakeChartImage(300, 200);
    ImageSurface surface(image);
    surface.fillRect(0, 0, 300, 200, ChartWhite);
    DrawStabilityCircles(surface, GeometryForHeight(200), SampleCircles());
    surface.finish();
    EXPECT_EQ(QColor(image.pixel(125, 50)), QColor(255, 0, 0));     // input circle's right-most point
    EXPECT_EQ(QColor(image.pixel(100, 75)), QColor(255, 0, 0));     // and its bottom
    EXPECT_EQ(QColor(image.pixel(100, 50)), QColor(255, 255, 255)); // not filled
    EXPECT_EQ(QColor(image.pixel(50, 100)), QColor(0, 0, 255));     // output circle's right-most point
}

TEST(StabilityCirclesDrawing, ACircleFarLargerThanThePictureIsClippedNotWalked) {
    StabilityCircles c = SampleCircles();
    c.inputCentreMagnitude = 20001; // centre 2000100 pixels above, radius 2000000: passes y = 0
    c.inputRadius = 20000;
    QImage image = MakeChartImage(300, 200);
    ImageSurface surface(image);
    surface.fillRect(0, 0, 300, 200, ChartWhite);
    DrawStabilityCircles(surface, GeometryForHeight(200), c);
    surface.finish();
    EXPECT_EQ(QColor(image.pixel(100, 0)), QColor(255, 0, 0));
}

TEST(StabilityCirclesDrawing, ValuesThatCannotBePlacedAreAnErrorAndDrawNothing) {
    StabilityCircles c = SampleCircles();
    c.outputRadius = std::numeric_limits<Real>::quiet_NaN();
    RecordingSurface s(300, 200);
    EXPECT_THROW(DrawStabilityCircles(s, GeometryForHeight(200), c), FloatingPointError);
    EXPECT_TRUE(s.primitives.empty());
}

TEST(StabilityCirclesDrawing, UnstableSidesAreHatchedWithinTheChart) {
    // The extended block still decodes as the 60-byte one; a 60-byte block says no side.
    const std::string block = EncodeStabilityBlock(SampleCircles()) + EncodeStabilitySides({true, false});
    ASSERT_EQ(block.size(), 62u);
    EXPECT_EQ(DecodeStabilityBlock(block)->inputRadius, 0.25L);
    EXPECT_FALSE(DecodeStabilitySides(block.substr(0, 60)));
    const std::optional<StabilitySides> sides = DecodeStabilitySides(block);
    ASSERT_TRUE(sides);

    RecordingSurface s(841, 200);
    DrawStabilityCircles(s, GeometryForHeight(200), SampleCircles(), sides);
    ASSERT_GT(s.primitives.size(), 4u);
    // The input circle (centre (100, 50), radius 25) has a stable chart centre outside it: its
    // inside is unstable. The output circle (centre (0, 100), radius 50) has an unstable chart
    // centre outside it: everything outside it is. Both hatchings stay within the chart.
    int input = 0, output = 0;
    const auto distance = [](int x, int y, int cx, int cy) { return std::hypot(x - cx, y - cy); };
    for (std::size_t i = 0; i + 4 < s.primitives.size(); ++i) {
        const Primitive& p = s.primitives[i];
        ASSERT_EQ(p.kind, Primitive::Kind::Line);
        EXPECT_NE(p.pen.colour, ChartRed);
        for (const auto& [x, y] : {std::pair{p.x1, p.y1}, std::pair{p.x2, p.y2}}) {
            EXPECT_LE(distance(x, y, 100, 100), 101); // one pixel for rounding
            if (p.pen.colour == s.primitives[0].pen.colour)
                EXPECT_LE(distance(x, y, 100, 50), 26);
            else
                EXPECT_GE(distance(x, y, 0, 100), 49);
        }
        ++(p.pen.colour == s.primitives[0].pen.colour ? input : output);
    }
    EXPECT_GE(input, 5);
    EXPECT_GE(output, 20);
    EXPECT_EQ(s.primitives[s.primitives.size() - 4].kind, Primitive::Kind::Arc); // circles drawn over
}

} // namespace
} // namespace qv
