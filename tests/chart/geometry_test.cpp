#include "chart/analysis/chart_geometry.h"
#include "core/numbers/errors.h"

#include <gtest/gtest.h>
#include <limits>

namespace qv {
namespace {

TEST(ChartGeometry, OddHeightKeepsTheExactHalf) {
    const ChartGeometry g = GeometryForHeight(633);
    EXPECT_EQ(g.Radius, 316.5L);
    EXPECT_EQ(g.CentreX, 316.5L);
    EXPECT_EQ(g.CentreY, 316.5L);
}

TEST(ChartGeometry, PixelsAndGammaMapBothWays) {
    const ChartGeometry g = GeometryForHeight(200);
    const Complex top = PixelToGamma(g, 100, 0);
    EXPECT_EQ(top.re, 0);
    EXPECT_EQ(top.im, 1); // v grows upward while screen Y grows downward
    const Complex right = PixelToGamma(g, 200, 100);
    EXPECT_EQ(right.re, 1);
    EXPECT_EQ(right.im, 0);
    EXPECT_EQ(GammaToPixel(g, {0.5L, -0.25L}), (PixelPoint{150, 125}));
    EXPECT_EQ(GammaToPixel(g, PixelToGamma(g, 37, 181)), (PixelPoint{37, 181}));
}

TEST(ChartGeometry, PixelRoundingTiesGoToEven) {
    EXPECT_EQ(RoundPixel(316.5L), 316);
    EXPECT_EQ(RoundPixel(317.5L), 318);
    EXPECT_EQ(RoundPixel(474.75L), 475);
    EXPECT_EQ(RoundPixel(158.25L), 158);
    EXPECT_EQ(RoundPixel(-2.5L), -2);
    // The centre of the 633-pixel chart maps to pixel 316 in both directions.
    EXPECT_EQ(GammaToPixel(GeometryForHeight(633), {0, 0}), (PixelPoint{316, 316}));
}

TEST(ChartGeometry, UnplaceableValuesAreErrorsNotUndefinedCasts) {
    EXPECT_THROW(RoundPixel(std::numeric_limits<Real>::quiet_NaN()), FloatingPointError);
    EXPECT_THROW(RoundPixel(std::numeric_limits<Real>::infinity()), FloatingPointError);
    EXPECT_THROW(RoundPixel(1e12L), FloatingPointError);
}

TEST(ChartGeometry, InsideTestIncludesTheRimOnly) {
    const ChartGeometry g = GeometryForHeight(200);
    EXPECT_TRUE(IsInsideChart(g, 100, 100));
    EXPECT_TRUE(IsInsideChart(g, 100, 0)); // |Gamma| = 1 exactly
    EXPECT_FALSE(IsInsideChart(g, 171, 171));
    EXPECT_FALSE(IsInsideChart(g, 201, 100));
    EXPECT_FALSE(IsInsideChart(GeometryForHeight(633), 633, 316)); // right of the rim at 633.0
    EXPECT_TRUE(IsInsideChart(GeometryForHeight(633), 632, 316));
}

TEST(ChartGeometry, AChartWithoutAreaHasNoInside) {
    EXPECT_FALSE(IsInsideChart(GeometryForHeight(0), 0, 0));
    EXPECT_FALSE(IsInsideChart(GeometryForHeight(-4), 0, 0));
}

} // namespace
} // namespace qv
