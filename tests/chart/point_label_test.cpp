#include "chart/analysis/chart_geometry.h"
#include "chart/drawing/point_label.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using Kind = Primitive::Kind;

CursorReadout Sample() {
    CursorReadout c;
    c.Rohm = 30;
    c.Xohm = -40;
    c.GammaMag = 0.5L;
    c.GammaAngle = -90;
    c.r = 0.6L;
    c.x = -0.8L;
    c.u = 0;
    c.v = -0.5L;
    c.g = 0.6L;
    c.b = 0.8L;
    return c;
}

TEST(PointLabelText, EachKindPrintsItsPairWithTheSignOfTheSecondValue) {
    const CursorReadout below = Sample();
    EXPECT_EQ(PointLabelText(below, 0), "");
    EXPECT_EQ(PointLabelText(below, 1), "Z=30.00-j40.00");
    EXPECT_EQ(PointLabelText(below, 2), "Rho=0.50∠-90.00°");
    EXPECT_EQ(PointLabelText(below, 3), "R=0.60-j0.80");
    EXPECT_EQ(PointLabelText(below, 4), "G=0.60+j0.80");
    EXPECT_EQ(PointLabelText(below, 5), "VSWR=3.0000");
    EXPECT_EQ(PointLabelText(below, 6), "");

    CursorReadout above = below;
    above.Xohm = 40;
    above.GammaAngle = 90;
    above.x = 0.8L;
    above.b = -0.8L;
    EXPECT_EQ(PointLabelText(above, 1), "Z=30.00+j40.00");
    EXPECT_EQ(PointLabelText(above, 2), "Rho=0.50∠90.00°");
    EXPECT_EQ(PointLabelText(above, 3), "R=0.60+j0.80");
    EXPECT_EQ(PointLabelText(above, 4), "G=0.60-j0.80");
}

TEST(PointLabelText, VswrAtTheOpenCircuitIsTheSentinel) {
    CursorReadout open;
    open.u = 1;
    open.v = 0;
    EXPECT_EQ(PointLabelText(open, 5), "VSWR=999999.9990");
}

TEST(PointLabel, MarkerIsAPenWidthTwoCircleAndThePenReturnsToWidthOne) {
    RecordingSurface s(841, 633);
    PointLabel(s, GeometryForHeight(633), Sample(), 100, 200, true, 0x111111, 0x222222, 0, true);
    ASSERT_EQ(s.primitives.size(), 1u); // kind 0: the marker only
    const Primitive& marker = s.primitives[0];
    EXPECT_EQ(marker.kind, Kind::Ellipse);
    EXPECT_EQ(marker.x1, 97);
    EXPECT_EQ(marker.y1, 197);
    EXPECT_EQ(marker.x2, 103);
    EXPECT_EQ(marker.y2, 203);
    EXPECT_EQ(marker.pen.width, 2);
    EXPECT_EQ(marker.pen.colour, 0x222222);
    EXPECT_EQ(s.pen.width, 1);
    EXPECT_EQ(s.pen.colour, 0x222222);
}

TEST(PointLabel, WithoutMarkerKindZeroDrawsNothing) {
    RecordingSurface s(841, 633);
    PointLabel(s, GeometryForHeight(633), Sample(), 100, 200, true, 0, 0, 0, false);
    EXPECT_TRUE(s.primitives.empty());
}

TEST(PointLabel, TextSitsBelowRightAndShiftsNearTheRightAndBottomEdges) {
    const ChartGeometry g = GeometryForHeight(633); // 2*Radius = 633
    struct Case {
        int X, Y, textX, textY;
    };
    for (const Case c : {Case{100, 200, 102, 202}, Case{563, 200, 565, 202}, // 563 = 633 - 70
                         Case{564, 200, 496, 202}, Case{100, 613, 102, 615}, Case{100, 614, 102, 596},
                         Case{600, 620, 532, 602}}) {
        RecordingSurface s(841, 633);
        PointLabel(s, g, Sample(), c.X, c.Y, false, 0x0000FF, 255, 1, true);
        ASSERT_EQ(s.primitives.size(), 2u);
        const Primitive& text = s.primitives[1];
        EXPECT_EQ(text.kind, Kind::Text);
        EXPECT_EQ(text.x1, c.textX) << c.X << "," << c.Y;
        EXPECT_EQ(text.y1, c.textY) << c.X << "," << c.Y;
        EXPECT_EQ(text.font.colour, 0x0000FF);
        EXPECT_EQ(text.font.size, 11);
        EXPECT_TRUE(text.brush.solid); // clear flag not set
    }
}

TEST(PointLabel, ALongLabelNearTheRightEdgeStaysInThePicture) {
    RecordingSurface s(633, 633);
    s.characterWidth = 8; // "Z=50.00+j50.00" is 14 bytes: 112 pixels
    PointLabel(s, GeometryForHeight(633), Sample(), 600, 200, false, 0, 255, 1, false);
    ASSERT_EQ(s.primitives.size(), 1u);
    EXPECT_EQ(s.primitives[0].x1, 633 - 112 - 2);
}

TEST(PointLabel, ClearFlagLeavesTheBrushClear) {
    RecordingSurface s(841, 633);
    PointLabel(s, GeometryForHeight(633), Sample(), 10, 10, true, 0, 255, 3, false);
    ASSERT_EQ(s.primitives.size(), 1u);
    EXPECT_FALSE(s.primitives[0].brush.solid);
    EXPECT_EQ(s.primitives[0].text, "R=0.60-j0.80");
}

} // namespace
} // namespace qv
