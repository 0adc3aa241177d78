#include "matching/drawing/element_path.h"

#include "core/numbers/errors.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>

namespace qv {
namespace {

using Kind = Primitive::Kind;

constexpr Real Zo = 50;
constexpr Real Fo = 100e6L;
constexpr PathColours Colours{0x00FF00, 0x0000AA};

// A chart of radius 300 centred at (300, 300): Gamma = u + jv sits at (300 + 300u, 300 - 300v).
const ChartGeometry Geometry{300, 300, 300};

// Angles to 0.01 degree: the worked values are quoted to two decimals.
constexpr double AngleTolerance = 0.01;

std::vector<Primitive> Draw(Complex z, int kind, Real value, Real R = 0, const std::string& label = "L1") {
    RecordingSurface surface(600, 600);
    const std::optional<ElementStep> step = ComputeElementStep(z, {kind, {}, R, value}, {Fo, Zo, 0});
    EXPECT_TRUE(step.has_value());
    DrawElementPath(surface, Geometry, *step, label, Colours);
    return surface.primitives;
}

std::vector<Kind> Kinds(const std::vector<Primitive>& primitives) {
    std::vector<Kind> kinds;
    for (const Primitive& p : primitives)
        kinds.push_back(p.kind);
    return kinds;
}

TEST(ElementPath, WorkedExampleArcSweepsThroughTheRealAxis) {
    const std::vector<Primitive> p = Draw({1, 1}, SeriesCapacitor, 15.9155e-12L, 0, "15.9155p");
    ASSERT_EQ(Kinds(p), (std::vector{Kind::Text, Kind::Ellipse, Kind::Arc}));
    // Start point Gamma = 0.2 + j0.4: pixel (360, 180).
    EXPECT_EQ(p[0].text, "15.9155p:X100.00");
    EXPECT_EQ(p[0].x1, 370);
    EXPECT_EQ(p[0].y1, 190);
    EXPECT_EQ(p[0].font.colour, Colours.label);
    EXPECT_FALSE(p[0].brush.solid);
    EXPECT_EQ(p[1].x1, 357);
    EXPECT_EQ(p[1].y1, 177);
    EXPECT_EQ(p[1].x2, 363);
    EXPECT_EQ(p[1].y2, 183);
    EXPECT_EQ(p[1].pen.width, 3);
    EXPECT_EQ(p[1].pen.colour, Colours.line);
    // The circle r = 1: centre (450, 300), radius 150.
    EXPECT_EQ(p[2].x1, 450);
    EXPECT_EQ(p[2].y1, 300);
    EXPECT_EQ(p[2].radius, 150);
    EXPECT_NEAR(static_cast<double>(p[2].startDegrees), 126.87, AngleTolerance);
    EXPECT_NEAR(static_cast<double>(p[2].startDegrees + p[2].sweepDegrees), 233.13, AngleTolerance);
    EXPECT_NEAR(static_cast<double>(p[2].sweepDegrees), 106.26, AngleTolerance);
    EXPECT_EQ(p[2].pen.width, 3);
    EXPECT_EQ(p[2].pen.colour, Colours.line);
}

TEST(ElementPath, SeriesInductorSweepsBackAcrossTheAxisClockwise) {
    // 1 - j1 to 1 + j1: Xl = 100 ohms at 100 MHz is 159.155 nH.
    const std::vector<Primitive> p = Draw({1, -1}, SeriesInductor, 159.155e-9L);
    ASSERT_EQ(p.size(), 3u);
    EXPECT_NEAR(static_cast<double>(p[2].startDegrees), 233.13, AngleTolerance);
    EXPECT_NEAR(static_cast<double>(p[2].sweepDegrees), -106.26, AngleTolerance);
}

TEST(ElementPath, ShuntCapacitorFromTheCentreSweepsIntoTheLowerHalf) {
    const std::vector<Primitive> p = Draw({1, 0}, ShuntCapacitor, 10e-12L);
    ASSERT_EQ(Kinds(p), (std::vector{Kind::Text, Kind::Ellipse, Kind::Arc}));
    // The circle g = 1: centre (150, 300), radius 150; the start is its rightmost point.
    EXPECT_EQ(p[2].x1, 150);
    EXPECT_EQ(p[2].radius, 150);
    EXPECT_NEAR(static_cast<double>(p[2].startDegrees), 0, 1e-9);
    EXPECT_LT(p[2].sweepDegrees, 0);
    EXPECT_EQ(p[0].x1, 310); // label 10 pixels right of and below the centre
    EXPECT_EQ(p[0].y1, 310);
}

TEST(ElementPath, ShuntInductorFromTheCentreSweepsIntoTheUpperHalf) {
    const std::vector<Primitive> p = Draw({1, 0}, ShuntInductor, 100e-9L);
    ASSERT_EQ(p.size(), 3u);
    EXPECT_NEAR(static_cast<double>(p[2].startDegrees), 0, 1e-9);
    EXPECT_GT(p[2].sweepDegrees, 0);
}

TEST(ElementPath, ShuntArcCrossesTheRealAxisWithoutWrapping) {
    // y = 0.5 - j0.5 (z = 1 + j1) to y = 0.5 + j0.5 on the circle g = 0.5: from +36.87 to -36.87
    // degrees through its rightmost point (b = 0), not round through the seam at the short circuit.
    const Real db = 1;
    const Real C = db / (2 * 3.14159265358979323846L * Fo * Zo);
    const std::vector<Primitive> p = Draw({1, 1}, ShuntCapacitor, C);
    ASSERT_EQ(p.size(), 3u);
    EXPECT_NEAR(static_cast<double>(p[2].startDegrees), 36.87, AngleTolerance);
    EXPECT_NEAR(static_cast<double>(p[2].sweepDegrees), -73.74, AngleTolerance);
}

TEST(ElementPath, SeriesImpedanceWithoutResistanceIsAnArc) {
    const std::vector<Primitive> p = Draw({1, 0.5L}, SeriesImpedance, -50, 0);
    EXPECT_EQ(Kinds(p), (std::vector{Kind::Text, Kind::Ellipse, Kind::Arc}));
    EXPECT_EQ(p[0].text, "L1串0.00-j50.00");
}

TEST(ElementPath, ChordsEndInADotOfPenWidthTwo) {
    for (int kind : {int{SeriesImpedance}, int{ShuntImpedance}}) {
        const std::vector<Primitive> p = Draw({1, 0.5L}, kind, 20, 10);
        ASSERT_EQ(Kinds(p), (std::vector{Kind::Text, Kind::Ellipse, Kind::Line, Kind::Ellipse})) << kind;
        EXPECT_EQ(p[1].pen.width, 3);
        EXPECT_EQ(p[2].pen.width, 2);
        EXPECT_EQ(p[3].pen.width, 2);
        EXPECT_EQ(p[2].pen.colour, Colours.line);
        // The line starts at the start dot's centre and ends at the end dot's centre.
        EXPECT_EQ(p[2].x1, (p[1].x1 + p[1].x2) / 2);
        EXPECT_EQ(p[2].y1, (p[1].y1 + p[1].y2) / 2);
        EXPECT_EQ(p[2].x2, (p[3].x1 + p[3].x2) / 2);
        EXPECT_EQ(p[2].y2, (p[3].y1 + p[3].y2) / 2);
    }
}

TEST(ElementPath, ChordEndsAtTheNewNode) {
    // z = 1 + j0.5 plus (10 + j20)/50 = 1.2 + j0.9.
    const std::vector<Primitive> p = Draw({1, 0.5L}, SeriesImpedance, 20, 10);
    const std::complex<long double> z(1.2L, 0.9L);
    const std::complex<long double> gamma = (z - 1.0L) / (z + 1.0L);
    EXPECT_EQ(p[2].x2, static_cast<int>(std::nearbyint(300 + 300 * gamma.real())));
    EXPECT_EQ(p[2].y2, static_cast<int>(std::nearbyint(300 - 300 * gamma.imag())));
}

TEST(ElementPath, MicrostripLabelSitsAboveTheStart) {
    RecordingSurface surface(600, 600);
    ElementStep step;
    step.node = {0.5L, 0.2L};
    step.path = {ElementPath::Shape::Chord, {1, 1}, step.node};
    step.labelAbove = true;
    DrawElementPath(surface, Geometry, step, "W:1/L:10", Colours);
    ASSERT_EQ(surface.primitives.size(), 4u);
    EXPECT_EQ(surface.primitives[0].text, "W:1/L:10");
    EXPECT_EQ(surface.primitives[0].x1, 370);
    EXPECT_EQ(surface.primitives[0].y1, 170);
}

TEST(ElementPath, PathThatCannotBePlacedDrawsNothing) {
    RecordingSurface surface(600, 600);
    ElementStep step;
    step.path = {ElementPath::Shape::SeriesArc, {-1, 0.5L}, {-1, 1}}; // the circle r = -1 has no centre
    EXPECT_THROW(DrawElementPath(surface, Geometry, step, "x", Colours), FloatingPointError);
    EXPECT_TRUE(surface.primitives.empty());
}

} // namespace
} // namespace qv
