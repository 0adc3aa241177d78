#include "chart/analysis/chart_constants.h"
#include "chart/analysis/chart_geometry.h"
#include "chart/drawing/chart_grid.h"
#include "chart/drawing/chart_picture.h"
#include "core/settings/chart_colours.h"
#include "ui/qt_text.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <gtest/gtest.h>

namespace qv {
namespace {

using Kind = Primitive::Kind;

constexpr int Resistance = 0x123456;
constexpr int Conductance = 0x654321;

RecordingSurface RecordGrid(int width, int height) {
    RecordingSurface surface(width, height);
    DrawChartGrid(surface, GeometryForHeight(height), Resistance, Conductance);
    return surface;
}

std::vector<Primitive> OfKind(const RecordingSurface& s, Kind kind) {
    std::vector<Primitive> out;
    std::copy_if(s.primitives.begin(), s.primitives.end(), std::back_inserter(out),
                 [kind](const Primitive& p) { return p.kind == kind; });
    return out;
}

bool HasCircle(const std::vector<Primitive>& arcs, int x, int y, int radius, int colour) {
    return std::any_of(arcs.begin(), arcs.end(), [&](const Primitive& p) {
        return p.x1 == x && p.y1 == y && p.radius == radius && p.pen.colour == colour;
    });
}

TEST(ChartGrid, ValueListsAreTheFixedSteps) {
    EXPECT_EQ(ResistanceSteps.front(), 0);
    EXPECT_EQ(ResistanceSteps[10], 1.0L);
    EXPECT_EQ(ResistanceSteps[11], 1.2L);
    EXPECT_EQ(ResistanceSteps.back(), 5.0L);
    EXPECT_EQ(ReactanceSteps.front(), 0.1L);
    EXPECT_EQ(ReactanceSteps[9], 1.0L);
    EXPECT_EQ(ReactanceSteps.back(), 5.0L);
    EXPECT_EQ(ResistanceLabelSteps[15], 2.0L);
    EXPECT_EQ(ResistanceLabelSteps[16], 2.4L);
    EXPECT_EQ(ResistanceLabelSteps.back(), 4.8L);
    // Literal decimal values, not a sum of 0.1s in double precision (which drifts to 0.30000000000000004).
    EXPECT_EQ(ResistanceSteps[3], 0.3L);
}

TEST(ChartGrid, DrawsEveryCircleAxisAndLabelOnceAndNothingElse) {
    const RecordingSurface s = RecordGrid(841, 633);
    const auto arcs = OfKind(s, Kind::Arc);
    EXPECT_EQ(arcs.size(), 182u);
    EXPECT_TRUE(std::all_of(arcs.begin(), arcs.end(),
                            [](const Primitive& p) { return p.startDegrees == 0 && p.sweepDegrees == 360; }));
    EXPECT_EQ(OfKind(s, Kind::Line).size(), 4u); // no strokes join the circles
    EXPECT_EQ(OfKind(s, Kind::Text).size(), 23u);
    EXPECT_EQ(s.primitives.size(), 182u + 4u + 23u);
}

TEST(ChartGrid, AdmittanceGridComesFirstThenTheImpedanceGrid) {
    const RecordingSurface s = RecordGrid(841, 633);
    const auto arcs = OfKind(s, Kind::Arc);
    EXPECT_TRUE(std::all_of(arcs.begin(), arcs.begin() + 91,
                            [](const Primitive& p) { return p.pen.colour == Conductance; }));
    EXPECT_TRUE(std::all_of(arcs.begin() + 91, arcs.end(),
                            [](const Primitive& p) { return p.pen.colour == Resistance; }));
}

TEST(ChartGrid, CirclesSitAtTheirRoundedCentresAndRadii) {
    const auto arcs = OfKind(RecordGrid(841, 633), Kind::Arc);
    // r = 1: centre 316.5 + 158.25 = 474.75 -> 475, radius 158.25 -> 158.
    EXPECT_TRUE(HasCircle(arcs, 475, 316, 158, Resistance));
    // r = 0 is the chart circle, centre 316.5 -> 316 (ties to even), radius 316.
    EXPECT_TRUE(HasCircle(arcs, 316, 316, 316, Resistance));
    // g = 1 mirrors r = 1: 316.5 - 158.25 = 158.25 -> 158.
    EXPECT_TRUE(HasCircle(arcs, 158, 316, 158, Conductance));
    // x = 0.5: centres (633, 316.5 -+ 633) with ties to even, radius 633, not clipped.
    EXPECT_TRUE(HasCircle(arcs, 633, -316, 633, Resistance));
    EXPECT_TRUE(HasCircle(arcs, 633, 950, 633, Resistance));
    // b = 2 below the axis: centre (0, 316.5 + 158.25 = 474.75 -> 475).
    EXPECT_TRUE(HasCircle(arcs, 0, 475, 158, Conductance));
}

TEST(ChartGrid, AxesAreRedAtTheIntegerHalfHeight) {
    const auto lines = OfKind(RecordGrid(841, 633), Kind::Line);
    ASSERT_EQ(lines.size(), 4u);
    for (int i = 0; i < 4; i += 2) {
        EXPECT_EQ(lines[i].x1, 316);
        EXPECT_EQ(lines[i].y1, 0);
        EXPECT_EQ(lines[i].x2, 316);
        EXPECT_EQ(lines[i].y2, 633);
        EXPECT_EQ(lines[i + 1].x1, 0);
        EXPECT_EQ(lines[i + 1].y1, 316);
        EXPECT_EQ(lines[i + 1].x2, 633);
        EXPECT_EQ(lines[i + 1].y2, 316);
    }
    for (const Primitive& line : lines)
        EXPECT_EQ(line.pen.colour, ChartRed);
}

TEST(ChartGrid, ResistanceLabelsRunUpwardFromEachCircleLeftEdge) {
    const auto texts = OfKind(RecordGrid(841, 633), Kind::Text);
    ASSERT_EQ(texts.size(), 23u);
    EXPECT_EQ(texts[0].text, "0.0");
    EXPECT_EQ(texts[0].x1, 0); // left edge of the chart circle
    EXPECT_EQ(texts[10].text, "1.0");
    EXPECT_EQ(texts[10].x1, 316);
    EXPECT_EQ(texts[22].text, "4.8");
    EXPECT_EQ(texts[22].x1, 524); // 633 - 633/5.8 = 523.86
    for (const Primitive& t : texts) {
        EXPECT_EQ(t.y1, 316); // (316.5 + 316.5)/2 = 316.5 -> 316
        EXPECT_EQ(t.font.colour, ResistanceLabelColour);
        EXPECT_EQ(t.font.height, 10);
        EXPECT_EQ(t.font.width, 4);
        EXPECT_EQ(t.font.escapement, 900);
        EXPECT_EQ(t.font.weight, 100);
        EXPECT_FALSE(t.brush.solid);
    }
}

TEST(ChartGrid, RotatedTextPutsThePreviousFontBack) {
    RecordingSurface s(100, 100);
    s.font.size = 11;
    s.font.colour = 0x00FF00;
    DrawRotatedText(s, "2.0", 5, 6, 0xFF, 4, 10, 900);
    EXPECT_EQ(s.font.size, 11);
    EXPECT_EQ(s.font.colour, 0x00FF00);
    EXPECT_EQ(s.font.escapement, 0);
    EXPECT_FALSE(s.brush.solid); // the brush stays clear
}

// Pixel probes on the real picture, away from label glyphs.
class ChartPicture : public ::testing::Test {
protected:
    void SetUp() override {
        image = MakeChartImage(841, 633);
        ImageSurface surface(image);
        DrawFreshChart(surface, GeometryForHeight(633), ChartColours::Defaults());
    }
    QColor at(int x, int y) const { return QColor(image.pixel(x, y)); }
    QImage image;
};

TEST_F(ChartPicture, AxesAreRedAtRowAndColumn316) {
    EXPECT_EQ(at(316, 100), QColor(255, 0, 0));
    EXPECT_EQ(at(316, 600), QColor(255, 0, 0));
    EXPECT_EQ(at(50, 316), QColor(255, 0, 0));
    EXPECT_EQ(at(600, 316), QColor(255, 0, 0));
    EXPECT_NE(at(700, 316), QColor(255, 0, 0)); // the axis ends at x = H
}

TEST_F(ChartPicture, GridCirclesHaveTheirParaIniColours) {
    const QColor resistance = ToQColor(ChartColours::Defaults()[ColourKey::ResistanceGrid]);
    const QColor conductance = ToQColor(ChartColours::Defaults()[ColourKey::AdmittanceGrid]);
    // The r = 1 circle (centre 475, radius 158) passes the centre at pixel 317; 6 rows below the
    // axis it is still at 475 - 157.89 = 317.1.
    EXPECT_EQ(at(317, 322), resistance);
    // The r = 0 rim at the bottom of the chart: 316 + sqrt(316^2 - 4^2) = 631.97.
    EXPECT_EQ(at(312, 632), resistance);
    EXPECT_EQ(at(316, 632), QColor(255, 0, 0));     // the vertical axis crosses it there
    EXPECT_EQ(at(800, 100), QColor(255, 255, 255)); // right of the chart
    // The admittance grid underneath shows wherever no impedance circle covers it.
    int conductancePixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < 316; ++x)
            conductancePixels += at(x, y) == conductance;
    EXPECT_GT(conductancePixels, 2000);
}

TEST(AdmittanceGrid, ConductanceCirclesPassTheirRoundedPixels) {
    QImage image = MakeChartImage(841, 633);
    ImageSurface surface(image);
    surface.fillRect(0, 0, 841, 633, ChartWhite);
    DrawAdmittanceGrid(surface, GeometryForHeight(633), Conductance);
    surface.finish();
    // g = 1: centre 158, radius 158, so its bottom pixel is (158, 474).
    EXPECT_EQ(QColor(image.pixel(158, 474)), ToQColor(Conductance));
    EXPECT_EQ(QColor(image.pixel(316, 200)), QColor(255, 0, 0)); // the axes come last
    EXPECT_EQ(QColor(image.pixel(700, 100)), QColor(255, 255, 255));
}

TEST_F(ChartPicture, AChangedColourChangesThePicture) {
    ChartColours colours = ChartColours::Defaults();
    colours[ColourKey::ResistanceGrid] = 0xFF0000; // blue
    QImage other = MakeChartImage(841, 633);
    {
        ImageSurface surface(other);
        DrawFreshChart(surface, GeometryForHeight(633), colours);
    }
    EXPECT_EQ(QColor(other.pixel(317, 322)), QColor(0, 0, 255));
}

TEST(ImageSurface, StampedDotsHaveThePaintersPixels) {
    // Every dot the matching paths draw, stamped, against the painter drawing it at that place.
    for (const auto& [penWidth, solid] : {std::pair{3, false}, std::pair{2, false}, std::pair{2, true}}) {
        QImage stamped = MakeChartImage(40, 40);
        QImage painted = MakeChartImage(40, 40);
        stamped.fill(Qt::white);
        painted.fill(Qt::white);
        {
            ImageSurface surface(stamped);
            QPainter painter(&painted);
            PainterSurface reference(painter, 40, 40);
            for (Surface* s : {static_cast<Surface*>(&surface), static_cast<Surface*>(&reference)}) {
                s->pen = {0x0000FF, penWidth};
                s->brush = {0x00FF00, solid};
                s->ellipse(17, 9, 23, 15);
                s->ellipse(-2, 35, 4, 41); // clipped at the corner
            }
        }
        EXPECT_EQ(stamped, painted) << penWidth;
    }
}

} // namespace
} // namespace qv
