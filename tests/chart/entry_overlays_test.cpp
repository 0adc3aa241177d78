#include "chart/analysis/chart_geometry.h"
#include "chart/analysis/entry_points.h"
#include "chart/drawing/overlay_layers.h"
#include "chart/drawing/overlays.h"
#include "core/numbers/errors.h"

#include <cmath>
#include <gtest/gtest.h>

namespace qv {
namespace {

// The laid-out drawing area: 633 pixels high, radius and centre 316.5.
const ChartGeometry Chart = GeometryForHeight(633);

std::vector<Primitive> Arcs(const RecordingSurface& s) {
    std::vector<Primitive> arcs;
    for (const Primitive& p : s.primitives)
        if (p.kind == Primitive::Kind::Arc)
            arcs.push_back(p);
    return arcs;
}

// The pixel an arc reaches at the given angle (counter-clockwise, 0 pointing right).
std::pair<Real, Real> PointOnArc(const Primitive& arc, Real degrees) {
    const Real a = degrees * DegreesToRadians;
    return {arc.x1 + arc.radius * std::cos(a), arc.y1 - arc.radius * std::sin(a)};
}

TEST(DrawConstantRXCircles, BothCirclesThroughOnePlusJOne) {
    RecordingSurface s(841, 633);
    s.pen.width = 3;
    DrawConstantRXCircles(s, Chart, 0xABCDEF, 1, 1);
    const auto arcs = Arcs(s);
    ASSERT_EQ(arcs.size(), 2u);
    // r = 1: centre 474.75 drawn at 475, radius 158.25 drawn at 158.
    EXPECT_EQ(arcs[0].x1, 475);
    EXPECT_EQ(arcs[0].y1, 316);
    EXPECT_EQ(arcs[0].radius, 158);
    // x = 1: centre on the open-circuit tangent, one radius above the axis.
    EXPECT_EQ(arcs[1].x1, 633);
    EXPECT_EQ(arcs[1].y1, 0);
    EXPECT_EQ(arcs[1].radius, 316);
    for (const Primitive& a : arcs) {
        EXPECT_EQ(a.sweepDegrees, 360);
        EXPECT_EQ(a.pen.colour, 0xABCDEF);
        EXPECT_EQ(a.pen.width, 3); // the width is not touched
    }
}

TEST(DrawConstantRXCircles, CapacitiveReactanceCircleLiesBelowTheAxis) {
    RecordingSurface s(841, 633);
    DrawConstantRXCircles(s, Chart, 1, 0.5L, -2);
    const auto arcs = Arcs(s);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[1].y1, 475); // 316.5 + 158.25
    EXPECT_EQ(arcs[1].radius, 158);
}

TEST(DrawConstantRXCircles, CirclesThatDoNotExistAreLeftOut) {
    RecordingSurface s(841, 633);
    DrawConstantRXCircles(s, Chart, 1, 1, 0); // the x = 0 "circle" is the real axis
    EXPECT_EQ(Arcs(s).size(), 1u);
    s.primitives.clear();
    DrawConstantRXCircles(s, Chart, 1, -1, 0); // r = -1 has no circle either
    EXPECT_TRUE(s.primitives.empty());
    s.primitives.clear();
    // A reactance so small that its circle cannot be placed on any surface: no failure.
    EXPECT_NO_THROW(DrawConstantRXCircles(s, Chart, 1, 1, 1e-15L));
    EXPECT_EQ(Arcs(s).size(), 1u);
}

TEST(DrawConstantQArcs, QOfOneGivesTwoQuarterCircles) {
    RecordingSurface s(841, 633);
    s.pen.width = 2;
    DrawConstantQArcs(s, Chart, 0x800000, 1);
    const auto arcs = Arcs(s);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[0].radius, 448); // sqrt(2) * 316.5 = 447.6
    EXPECT_EQ(arcs[0].x1, 316);
    EXPECT_EQ(arcs[0].y1, 633);
    EXPECT_NEAR(arcs[0].startDegrees, 45, 1e-15L);
    EXPECT_NEAR(arcs[0].sweepDegrees, 90, 1e-15L);
    EXPECT_EQ(arcs[1].y1, 0);
    EXPECT_NEAR(arcs[1].startDegrees, 225, 1e-15L);
    EXPECT_NEAR(arcs[1].sweepDegrees, 90, 1e-15L);
    for (const Primitive& a : arcs) {
        EXPECT_EQ(a.pen.width, 1);
        EXPECT_EQ(a.pen.colour, 0x800000);
    }
    EXPECT_EQ(s.pen.width, 1);
}

TEST(DrawConstantQArcs, ArcsRunBetweenTheShortAndTheOpenCircuit) {
    RecordingSurface s(841, 633);
    DrawConstantQArcs(s, Chart, 1, 2.5L);
    const auto arcs = Arcs(s);
    ASSERT_EQ(arcs.size(), 2u);
    for (const Primitive& a : arcs) {
        const auto [x1, y1] = PointOnArc(a, a.startDegrees);
        const auto [x2, y2] = PointOnArc(a, a.startDegrees + a.sweepDegrees);
        // One pixel: centre and radius are rounded to whole pixels before drawing.
        EXPECT_NEAR(std::min(x1, x2), 0, 1.5L);
        EXPECT_NEAR(std::max(x1, x2), 633, 1.5L);
        EXPECT_NEAR(y1, 316.5L, 1.5L);
        EXPECT_NEAR(y2, 316.5L, 1.5L);
    }
    // The inductive arc passes above the axis at its middle, the capacitive one below.
    EXPECT_LT(PointOnArc(arcs[0], arcs[0].startDegrees + arcs[0].sweepDegrees / 2).second, 316.5L);
    EXPECT_GT(PointOnArc(arcs[1], arcs[1].startDegrees + arcs[1].sweepDegrees / 2).second, 316.5L);
}

TEST(DrawConstantQArcs, QOfZeroDrawsNothing) {
    RecordingSurface s(841, 633);
    s.pen.width = 3;
    EXPECT_NO_THROW(DrawConstantQArcs(s, Chart, 1, 0));
    EXPECT_TRUE(s.primitives.empty());
    EXPECT_EQ(s.pen.width, 1);
}

TEST(DrawVswrPoint, VswrThreeAtZeroDegreesIsHalfTheRadiusRightOfCentre) {
    RecordingSurface s(841, 633);
    const PixelOffset offset = DrawVswrPoint(s, Chart, false, 0x800000, 0, 3);
    EXPECT_EQ(offset.dx, 158.25L);
    EXPECT_EQ(offset.dy, 0);
    const auto arcs = Arcs(s);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].x1, 475);
    EXPECT_EQ(arcs[0].y1, 316);
    EXPECT_EQ(arcs[0].radius, 3);
    EXPECT_EQ(arcs[0].pen.width, 2);
    EXPECT_EQ(s.pen.width, 2); // left for the repaint to reset
}

TEST(DrawVswrPoint, WithTheFlagDrawsTheWholeCircle) {
    RecordingSurface s(841, 633);
    DrawVswrPoint(s, Chart, true, 7, 90, 3);
    const auto arcs = Arcs(s);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[0].x1, 316);
    EXPECT_EQ(arcs[0].y1, 158); // 316.5 - 158.25 to the nearest pixel
    EXPECT_EQ(arcs[1].x1, 316);
    EXPECT_EQ(arcs[1].y1, 316);
    EXPECT_EQ(arcs[1].radius, 158);
    EXPECT_EQ(arcs[1].pen.width, 1);
    EXPECT_EQ(s.pen.width, 1);
}

TEST(DrawVswrPoint, VswrOneSitsAtTheCentreWithACircleOfNoRadius) {
    RecordingSurface s(841, 633);
    DrawVswrPoint(s, Chart, true, 7, 30, 1);
    const auto arcs = Arcs(s);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[0].x1, 316);
    EXPECT_EQ(arcs[1].radius, 0);
}

TEST(PointReadout, SetsTheGeometryFromTheSurfaceAndReadsThePixel) {
    ProgramState state("/nonexistent");
    state.geometry = GeometryForHeight(100);
    CursorReadout readout;
    readout.g = readout.b = readout.Q = 123;
    RecordingSurface s(841, 633);
    // Gamma 0.2 + j0.4 is z = 1 + j1; the pixel (380, 190) is its nearest.
    const ReadoutPoint p = PointReadout(s, 380, 190, state, readout);
    EXPECT_EQ(state.geometry.Radius, 316.5L);
    const Complex gamma = PixelToGamma(state.geometry, 380, 190);
    EXPECT_EQ(readout.u, gamma.re);
    EXPECT_EQ(readout.v, gamma.im);
    EXPECT_NEAR(p.r, 1, 0.01L); // half a pixel of Gamma moves r by under 1 %
    EXPECT_NEAR(p.x, 1, 0.01L);
    EXPECT_EQ(readout.r, p.r);
    EXPECT_EQ(readout.x, p.x);
    EXPECT_EQ(readout.Rohm, p.r * 50);
    EXPECT_EQ(readout.Xohm, p.x * 50);
    EXPECT_GT(readout.ElementValue, 0); // inductive above the axis
    EXPECT_NEAR(readout.GammaMag, std::sqrt(0.2L), 0.003L);
    EXPECT_GT(readout.GammaAngle, 0);
    EXPECT_EQ(readout.g, 123);
    EXPECT_EQ(readout.b, 123);
    EXPECT_EQ(readout.Q, 123);
}

TEST(PointReadout, BelowTheAxisTheReactanceAndAngleAreNegative) {
    ProgramState state("/nonexistent");
    CursorReadout readout;
    RecordingSurface s(841, 633);
    const ReadoutPoint p = PointReadout(s, 380, 443, state, readout);
    EXPECT_LT(p.x, 0);
    EXPECT_LT(readout.GammaAngle, 0);
    EXPECT_LT(readout.ElementValue, 0); // minus the capacitance
}

TEST(PointReadout, OutsideTheChartTheReadoutStaysAsItWas) {
    ProgramState state("/nonexistent");
    CursorReadout readout;
    readout.r = 42;
    RecordingSurface s(841, 633);
    const ReadoutPoint p = PointReadout(s, 700, 100, state, readout);
    EXPECT_EQ(readout.r, 42);
    EXPECT_LT(p.r, 0); // |Gamma| > 1 is a negative resistance
}

TEST(EnteredReflection, DecibelsAreTwentyLogOfTheMagnitude) {
    const Complex g = EnteredReflection(-6, 0, true);
    EXPECT_NEAR(g.re, 0.501187233627272L, 1e-15L);
    EXPECT_NEAR(g.im, 0, 1e-18L);
    const Complex top = EnteredReflection(1, 90, false);
    EXPECT_NEAR(top.re, 0, 1e-18L);
    EXPECT_NEAR(top.im, 1, 1e-18L);
    EXPECT_THROW(EnteredReflection(1e6L, 0, true), FloatingPointError);
}

TEST(EntryLabels, SignAndUnitsOfTheValue) {
    EXPECT_EQ(ImpedanceEntryLabel(1, 1, false, 50), "R=50.00+j50.00");
    EXPECT_EQ(ImpedanceEntryLabel(1, 1, true, 50), "R=1.00+j1.00");
    EXPECT_EQ(ImpedanceEntryLabel(0.5L, -0.25L, false, 50), "R=25.00-j12.50");
    EXPECT_EQ(ImpedanceEntryLabel(1, 0, false, 50), "R=50.00-j0.00");
    EXPECT_EQ(AdmittanceEntryLabel(1, 0), "Y=1.0000-b0.0000");
    EXPECT_EQ(AdmittanceEntryLabel(0.5L, 1.25L), "Y=0.5000+b1.2500");
    EXPECT_EQ(AdmittanceEntryLabel(0.5L, -1.25L), "Y=0.5000-b1.2500");
}

TEST(EnteredValues, OhmsAndSiemensAreNormalisedToZo) {
    const NormalisedPair z = EnteredImpedance(25, -100, false, 50);
    EXPECT_EQ(z.re, 0.5L);
    EXPECT_EQ(z.im, -2);
    const NormalisedPair y = EnteredAdmittance(0.02L, 0.01L, false, 50);
    EXPECT_NEAR(y.re, 1, 1e-18L);
    EXPECT_NEAR(y.im, 0.5L, 1e-18L);
    EXPECT_EQ(EnteredAdmittance(3, 4, true, 50).im, 4);
}

// A stored point that a chart of this size cannot place (a file value far off the chart) is left
// out; the layers drawn after it still are.
TEST(DrawOverlayLayers, AnItemThatCannotBePlacedLeavesTheOthersDrawn) {
    ChartOverlays layers;
    layers.plot.points = {{{1e30L, 0}, "far", 0x0000FF, 0}, {{0.5L, 0}, "near", 0x0000FF, 0}};
    layers.marks = {EntryMark{{1e30L, 0}, 0x123456, "lost", std::nullopt}, ConstantQMark{1, 0x654321}};
    RecordingSurface s(841, 633);
    DrawOverlayLayers(s, Chart, layers);
    std::vector<std::string> texts;
    for (const Primitive& p : s.primitives)
        if (p.kind == Primitive::Kind::Text)
            texts.push_back(p.text);
    EXPECT_EQ(texts, std::vector<std::string>{"near"});
    EXPECT_EQ(Arcs(s).size(), 2u); // both constant-Q arcs
}

TEST(DrawOverlayLayers, LegendsOfEveryLayerStackWithoutOverlapping) {
    ChartOverlays layers;
    layers.stability = StabilityCircles{0.5L, 0.5L, 90, -90, 0.2L, 0.2L};
    layers.designCircles = {{{0.3L, 0}, 0.1L, 1, "Ga=10.00dB"}, {{0.3L, 0}, 0.2L, 2, "Ga=9.00dB"}};
    layers.plot.legends = {{"---- S11", 3, 10}, {"---- S22", 4, 30}};
    RecordingSurface s(841, 633);
    DrawOverlayLayers(s, Chart, layers);
    std::vector<int> tops;
    for (const Primitive& p : s.primitives)
        if (p.kind == Primitive::Kind::Text && p.x1 == 10)
            tops.push_back(p.y1);
    EXPECT_EQ(tops, (std::vector<int>{10, 30, 50, 70, 90, 110}));
}

} // namespace
} // namespace qv
