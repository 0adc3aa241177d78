#include "chart/analysis/chart_geometry.h"
#include "chart/analysis/cursor_readout.h"
#include "chart/drawing/readout_texts.h"
#include "ui/qt_text.h"

#include <cmath>
#include <complex>
#include <gtest/gtest.h>

namespace qv {
namespace {

constexpr Real Fo = 554e6L;
constexpr Real Zo = 50;

MouseReadout At(int height, int X, int Y, Real zo = Zo) {
    const std::optional<MouseReadout> r = ComputeMouseReadout(GeometryForHeight(height), X, Y, Fo, zo);
    if (!r)
        ADD_FAILURE() << "pixel " << X << "," << Y << " should be inside";
    return r.value_or(MouseReadout{});
}

// In a 200-pixel chart (radius 100) the pixel (100, 50) is Gamma = j0.5, so z = (1 + j0.5)/(1 - j0.5)
// = 0.6 + j0.8, Z = 30 + j40 ohms, y = 0.6 - j0.8.
TEST(MouseReadout, AboveTheAxisShowsAnInductivePoint) {
    const MouseReadout r = At(200, 100, 50);
    EXPECT_EQ(r.frequency, "Freq=554.00M");
    EXPECT_EQ(r.referenceImpedance, "Zo=50");
    EXPECT_EQ(r.impedance, "Z=30.0000+j40.0000");
    EXPECT_EQ(r.element, "L=11.49nH"); // 40/(2 pi 554 MHz) = 11.4913 nH
    EXPECT_EQ(r.reflection, "Rho=0.5000∠90.0000°");
    EXPECT_EQ(r.normalisedImpedance, "R=0.6000+j0.8000");
    EXPECT_EQ(r.admittance, "Y=0.600000-j0.800000");
    EXPECT_EQ(r.admittanceSiemens, "G=0.012000-j0.016000");
    EXPECT_EQ(r.quality, "Q=1.33");
    EXPECT_EQ(r.vswr, "VSWR=3.0000");
    EXPECT_EQ(r.voltageReflection, "VRT=0.5000");
    EXPECT_EQ(r.powerReflection, "WRT=0.2500");
    EXPECT_EQ(r.returnLossRatio, "RLoss=4.0000");
    EXPECT_EQ(r.status[0], "X=100: 0.00");
    EXPECT_EQ(r.status[1], "Y=50: 0.50");
    EXPECT_EQ(r.status[2], "R= 0.50");
    EXPECT_EQ(U8(ElementCountText(3)), "接入元件3");
    // 10 log10(1/0.75) = 1.2494 dB; VSWR (1 + 0.5)/(1 - 0.5) = 3; 10 log10(0.25) = -6.0206 dB.
    EXPECT_EQ(U8(ReflectionStatusText(r.figures)),
              "电压反射系数0.0000:0.5000>衰减(插损)1.2494db>电压驻波比3.0000>"
              "功率反射系数>25.0000%>功率反射衰减-6.0206db");
    EXPECT_EQ(U8(ReflectionLines(r.figures)[0]), "电压反射系数=0.0000:0.5000");
    EXPECT_EQ(U8(ReflectionLines(r.figures)[1]), "衰                减=1.2494");
    EXPECT_EQ(U8(ReflectionLines(r.figures)[2]), "电 压 驻 波 比=3.0000");
    EXPECT_EQ(U8(ReflectionLines(r.figures)[3]), "功率反射系数=25.0000%");
    EXPECT_EQ(U8(ReflectionLines(r.figures)[4]), "功率反射衰减=-6.0206db");

    const CursorReadout& c = r.cursor;
    EXPECT_NEAR(c.Rohm, 30, 1e-12);
    EXPECT_NEAR(c.Xohm, 40, 1e-12);
    EXPECT_NEAR(c.r, 0.6L, 1e-15);
    EXPECT_NEAR(c.x, 0.8L, 1e-15);
    EXPECT_EQ(c.u, 0);
    EXPECT_EQ(c.v, 0.5L);
    EXPECT_NEAR(c.g, 0.6L, 1e-15);
    EXPECT_NEAR(c.b, -0.8L, 1e-15);
    EXPECT_NEAR(c.GammaMag, 0.5L, 1e-18);
    EXPECT_NEAR(c.GammaAngle, 90, 1e-15);
    EXPECT_NEAR(c.ElementValue, 40 / (2 * 3.14159265358979323846L * 554e6L), 1e-24);
    EXPECT_NEAR(c.Q, 4.0L / 3, 1e-15);
}

TEST(MouseReadout, BelowTheAxisShowsTheCapacitiveMirror) {
    const MouseReadout r = At(200, 100, 150);
    EXPECT_EQ(r.impedance, "Z=30.0000-j40.0000");
    EXPECT_EQ(r.element, "C=7.18pF"); // 1/(2 pi 40 ohm 554 MHz) = 7.1821 pF
    EXPECT_EQ(r.reflection, "Rho=0.5000∠-90.0000°");
    EXPECT_EQ(r.normalisedImpedance, "R=0.6000-j0.8000");
    EXPECT_EQ(r.admittance, "Y=0.600000+j0.800000");
    EXPECT_EQ(r.admittanceSiemens, "G=0.012000+j0.016000");
    EXPECT_EQ(r.status[1], "Y=150:-0.50");
    EXPECT_EQ(U8(ReflectionStatusText(r.figures)),
              "电压反射系数0.0000:-0.5000>衰减(插损)1.2494db>电压驻波比3.0000>"
              "功率反射系数>25.0000%>功率反射衰减-6.0206db");
    const CursorReadout& c = r.cursor;
    EXPECT_NEAR(c.Xohm, -40, 1e-12);
    EXPECT_NEAR(c.x, -0.8L, 1e-15);
    EXPECT_EQ(c.v, -0.5L);
    EXPECT_NEAR(c.b, 0.8L, 1e-15);
    EXPECT_NEAR(c.GammaAngle, -90, 1e-15);
    EXPECT_NEAR(c.ElementValue, -1 / (2 * 3.14159265358979323846L * 40 * 554e6L), 1e-24);
}

TEST(MouseReadout, OnTheCentreRowTheElementIsTheZeroReactanceSentinelAfterL) {
    // Gamma = 0.5 on the axis: z = 3, VSWR 3.
    const MouseReadout r = At(200, 150, 100);
    EXPECT_EQ(r.impedance, "Z=150.0000+j0.0000");
    EXPECT_EQ(r.normalisedImpedance, "R=3.0000+j0.0000");
    EXPECT_EQ(r.element, "L=999999.00H");
    EXPECT_EQ(r.reflection, "Rho=0.5000∠0.0000°");
    EXPECT_EQ(r.admittance, "Y=0.333333-j0.000000"); // b = 0 takes the minus form
    EXPECT_EQ(r.admittanceSiemens, "G=0.006667-j0.000000");
    EXPECT_EQ(r.quality, "Q=0.00");
    EXPECT_EQ(r.vswr, "VSWR=3.0000");
    EXPECT_EQ(r.status[1], "Y=100: 0.00");
    EXPECT_EQ(r.cursor.v, 0);
    EXPECT_EQ(r.cursor.ElementValue, 999999);
}

TEST(MouseReadout, OddHeightHasNoCentreRow) {
    // CentreY = 316.5: row 316 lies above the axis, row 317 below.
    EXPECT_GT(At(633, 400, 316).cursor.v, 0);
    EXPECT_LT(At(633, 400, 317).cursor.v, 0);
    EXPECT_EQ(At(633, 400, 316).impedance.find("-j"), std::string::npos);
    EXPECT_NE(At(633, 400, 317).impedance.find("-j"), std::string::npos);
}

TEST(MouseReadout, AgreesWithTheBilinearMapAtAnArbitraryPixel) {
    const MouseReadout r = At(633, 400, 200);
    const std::complex<Real> gamma((400 - 316.5L) / 316.5L, (316.5L - 200) / 316.5L);
    const std::complex<Real> z = (Real(1) + gamma) / (Real(1) - gamma);
    const std::complex<Real> y = Real(1) / z;
    const CursorReadout& c = r.cursor;
    // Different formulas for the same quantities agree to a few units of the 64-bit mantissa.
    EXPECT_NEAR(c.r, z.real(), 1e-16);
    EXPECT_NEAR(c.x, z.imag(), 1e-16);
    EXPECT_NEAR(c.g, y.real(), 1e-16);
    EXPECT_NEAR(c.b, y.imag(), 1e-16);
    EXPECT_NEAR(c.GammaMag, std::abs(gamma), 1e-17);
    EXPECT_NEAR(c.GammaAngle, std::arg(gamma) * 180 / 3.14159265358979323846L, 1e-14);
    EXPECT_NEAR(c.Q, std::fabs(z.imag() / z.real()), 1e-15);
}

TEST(MouseReadout, UnnormalisedAdmittanceDividesByZo) {
    const MouseReadout r = At(200, 100, 50, 75);
    EXPECT_EQ(r.impedance, "Z=45.0000+j60.0000");
    EXPECT_EQ(r.admittanceSiemens, "G=0.008000-j0.010667"); // 0.6/75, 0.8/75
    EXPECT_EQ(r.referenceImpedance, "Zo=75");
}

TEST(MouseReadout, OutsideTheChartThereIsNoReadout) {
    const ChartGeometry g = GeometryForHeight(633);
    EXPECT_FALSE(ComputeMouseReadout(g, 700, 316, Fo, Zo));
    EXPECT_FALSE(ComputeMouseReadout(g, 10, 10, Fo, Zo));
    EXPECT_FALSE(ComputeMouseReadout(GeometryForHeight(0), 0, 0, Fo, Zo));
}

TEST(MouseReadout, TheExactCentreHasDefinedValues) {
    const MouseReadout r = At(200, 100, 100);
    EXPECT_EQ(r.reflection, "Rho=0.0000∠0.0000°");
    EXPECT_EQ(r.impedance, "Z=50.0000+j0.0000");
    EXPECT_EQ(r.returnLossRatio, "RLoss=INF");
    EXPECT_EQ(r.vswr, "VSWR=1.0000");
    EXPECT_EQ(U8(ReflectionLines(r.figures)[4]), "功率反射衰减= -INFdb");
    EXPECT_EQ(r.cursor.GammaAngle, 0);
}

TEST(MouseReadout, TheRimHasDefinedValues) {
    // The top of the chart, Gamma = j: a pure reactance with r = 0 and total reflection.
    const MouseReadout top = At(200, 100, 0);
    EXPECT_EQ(top.cursor.r, 0);
    EXPECT_EQ(top.quality, "Q=1000000.00"); // Q of r = 0 is the sentinel 999999.999
    EXPECT_EQ(top.vswr, "VSWR=999999.9990");
    EXPECT_EQ(U8(ReflectionLines(top.figures)[1]), "衰                减=  INF");
    EXPECT_EQ(U8(ReflectionLines(top.figures)[2]), "电 压 驻 波 比=999999.9990");
    // The short circuit on the centre row: g is the conductance sentinel, b is taken as 0.
    const MouseReadout shortCircuit = At(200, 0, 100);
    EXPECT_EQ(shortCircuit.cursor.g, 1000);
    EXPECT_EQ(shortCircuit.cursor.b, 0);
    EXPECT_EQ(shortCircuit.admittance, "Y=1000.000000-j0.000000");
    // The open circuit: r and x are the impedance sentinel.
    const MouseReadout open = At(200, 200, 100);
    EXPECT_EQ(open.cursor.r, 999999.999L);
}

} // namespace
} // namespace qv
