#include "core/numbers/complex.h"

#include <gtest/gtest.h>

using namespace qv;

TEST(ComplexHelpers, ArithmeticMatchesHandWorkedValues) {
    const Complex a{3, 4};
    const Complex b{1, -2};
    EXPECT_EQ(CAdd(a, b), (Complex{4, 2}));
    EXPECT_EQ(CSub(a, b), (Complex{2, 6}));
    EXPECT_EQ(CMul(a, b), (Complex{11, -2})); // (3+4j)(1-2j) = 3 - 6j + 4j + 8
    const Complex q = CDiv(a, b);             // (3+4j)/(1-2j) = (-5 + 10j)/5
    EXPECT_DOUBLE_EQ(static_cast<double>(q.re), -1.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(q.im), 2.0);
}

TEST(ComplexHelpers, ParallelOfEqualResistorsIsHalf) {
    const Complex p = CParallel({100, 0}, {100, 0});
    EXPECT_EQ(p, (Complex{50, 0}));
    // 50 ohm in parallel with +j50: 50*j50/(50+j50) = 25 + j25
    const Complex q = CParallel({50, 0}, {0, 50});
    EXPECT_NEAR(static_cast<double>(q.re), 25.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(q.im), 25.0, 1e-15);
}
