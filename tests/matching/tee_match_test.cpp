#include "core/numbers/errors.h"
#include "matching/analysis/tee_match_calc.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(DesignTeeMatch, LiftsTwoPointThreeOhmsToFiftyAt400MHz) {
    const TeeMatch t = DesignTeeMatch(2.3L, 50, 400e6L);
    // Reference values from an independent double-precision evaluation of the same equations.
    EXPECT_NEAR(t.Q2, 4.954023543503329L, 1e-12L);
    EXPECT_NEAR(t.Q1, 0.418267936137738L, 1e-12L);
    EXPECT_NEAR(t.C1, 19.02547737241383e-12L, 1e-24L);
    EXPECT_NEAR(t.L1, 4.533629677067546e-9L, 1e-21L);
    EXPECT_NEAR(t.C2, 30.71999291765671e-12L, 1e-24L);
}

TEST(DesignTeeMatch, FollowsTheSourceResistance) {
    const TeeMatch t = DesignTeeMatch(2.3L, 25, 400e6L);
    EXPECT_NEAR(t.Q2, 3.5415864173043694L, 1e-12L);
    EXPECT_NEAR(t.C1, 32.09259799438183e-12L, 1e-24L);
}

TEST(DesignTeeMatch, ImpossibleDesignsAreFloatingPointErrors) {
    EXPECT_THROW(DesignTeeMatch(0, 50, 400e6L), FloatingPointError);  // Rs/RL divides by zero
    EXPECT_THROW(DesignTeeMatch(60, 50, 400e6L), FloatingPointError); // no real Q2 above Rs
    EXPECT_THROW(DesignTeeMatch(2.3L, 50, 0), FloatingPointError);    // omega of 0
    EXPECT_THROW(DesignTeeMatch(-2.3L, 50, 400e6L), FloatingPointError);
}

TEST(Reactance, OfCapacitorAndInductor) {
    EXPECT_NEAR(CapacitiveReactance(1e9L, 1e-12L), 159.15494309189532L, 1e-12L);
    EXPECT_NEAR(InductiveReactance(1e6L, 2e-3L), 12566.370614359172L, 1e-9L);
    EXPECT_THROW(CapacitiveReactance(1e9L, 0), FloatingPointError);
    EXPECT_THROW(CapacitiveReactance(0, 1e-12L), FloatingPointError);
}

TEST(FormatReactance, PicksTheUnitAtEachDecade) {
    struct Row {
        Real ohms;
        const char* text;
    };
    const Row rows[] = {
        {159.15494309189532L, "159.154943"},
        {999.5L, "999.500000"},
        {1000, "1.00K"},
        {159154.94309189534L, "159.15K"},
        {999999, "1000.00K"},
        {1e6L, "1.00M"},
        {2.5e9L, "2500.00M"},
        {0, "0.000000"},
        {-5, "-5.000000"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FormatReactance(row.ohms), row.text) << static_cast<double>(row.ohms);
}

TEST(DecibelsToRatio, SixDecibelsIsAboutTwo) {
    EXPECT_NEAR(DecibelsToRatio(6), 1.9952623149688795L, 1e-15L);
    EXPECT_EQ(DecibelsToRatio(0), 1);
    EXPECT_THROW(DecibelsToRatio(1e6L), FloatingPointError);
}

TEST(ParallelValue, TwoEqualValuesGiveHalf) {
    EXPECT_EQ(ParallelValue(100, 100), 50);
    EXPECT_EQ(ParallelValue(0, 100), 0);
    EXPECT_THROW(ParallelValue(10, -10), FloatingPointError);
}

} // namespace
} // namespace qv
