#include "core/rf/microstrip.h"

#include "core/numbers/decimal.h"
#include "core/numbers/fp_check.h"

#include <cmath>

// Closed-form quasi-static microstrip: Hammerstad's effective permittivity and impedance (narrow and
// wide strip), Wheeler's synthesis in the form of Pozar's textbook, and the usual strip-thickness
// width increment (T/pi)(1 + ln(2H/T)) taken here with the corrected height H - 2T.
//
// Each public operation runs its arithmetic once inside CheckedStep, so a domain failure (ln of zero
// or a negative, square root of a negative, division by zero, overflow) throws FloatingPointError.
// The composite operations call the unchecked helpers below inside one check, because a nested
// FpCheck would clear flags raised by the outer step before it.
namespace qv {

namespace {

constexpr Real FreeSpaceImpedance = 376.99111843077518863L; // 120 pi, ohms
constexpr Real SixtyPiSquared = 592.1762640653615172L;
constexpr Real TwoOverPi = 0.6366197723675813431L;
constexpr Real NarrowSynthesisLimit = 1.52L; // Wheeler's A above which the exponential form holds
constexpr Real MetresPerMil = 25.4L / 1000 / 1000;

Real ThicknessIncrement(Real Hc, Real T) {
    return (T / Pi) * (1 + std::log(2 * Hc / T));
}

StripGeometry Geometry(Real W, Real H, Real T) {
    StripGeometry g;
    g.Hc = H - 2 * T;
    g.We = W + ThicknessIncrement(g.Hc, T);
    g.U = g.We / g.Hc;
    return g;
}

Real EpsEff(const StripGeometry& g, Real Er) {
    const Real s = 1 / std::sqrt(1 + 12 * g.Hc / g.We);
    if (g.U > 1)
        return (Er + 1) / 2 + ((Er - 1) / 2) * s;
    return (Er + 1) / 2 + ((Er - 1) / 2) * (s + 0.04L * (1 - g.U) * (1 - g.U));
}

MicrostripLine Analyse(Real W, Real H, Real T, Real Er) {
    const StripGeometry g = Geometry(W, H, T);
    MicrostripLine line;
    line.EpsEff = EpsEff(g, Er);
    const Real rootEps = std::sqrt(line.EpsEff);
    if (g.U <= 1) {
        line.Z0 = (60 / rootEps) * std::log(8 * g.Hc / g.We + g.We / (4 * g.Hc));
        line.FMax = 106 / (H * std::sqrt(Er - 1));
    } else {
        line.Z0 = FreeSpaceImpedance / (rootEps * (g.U + 1.393L + 0.667L * std::log(g.U + 1.444L)));
        line.FMax = 75 / (H * std::sqrt(Er - 1));
    }
    line.Vp = SpeedOfLight / rootEps;
    return line;
}

Real Wavelength(Real F, Real EpsEff) {
    return SpeedOfLight / (F * std::sqrt(EpsEff));
}

Complex InputImpedance(Complex ZL, Real Z0, Real Lambda, Real Len) {
    const Real t = std::tan(TwoPi * Len / Lambda);
    const Complex numerator{ZL.re, ZL.im + Z0 * t};
    const Complex denominator{Z0 - ZL.im * t, ZL.re * t};
    return CDiv({Z0 * numerator.re, Z0 * numerator.im}, denominator);
}

Complex OpenStubInParallel(Complex ZL, Real Z0, Real Lambda, Real Len) {
    // Input reactance of an open-circuited lossless line: -Z0 cot(beta l).
    const Real stubReactance = -Z0 * (1 / std::tan(TwoPi * Len / Lambda));
    return CParallel({0, stubReactance}, ZL);
}

Complex ShortStubInParallel(Complex ZL, Real Z0, Real Lambda, Real Len) {
    // Input reactance of a short-circuited lossless line: Z0 tan(beta l).
    const Real stubReactance = Z0 * std::tan(TwoPi * Len / Lambda);
    return CParallel({0, stubReactance}, ZL);
}

MicrostripTransform Transform(const MicrostripLine& line, Complex Z) {
    return {Z, line.Z0, line.EpsEff, line.Vp};
}

void RequireFiniteTransform(const MicrostripTransform& t) {
    RequireFinite(t.Z);
    RequireFinite(t.Z0);
    RequireFinite(t.EpsEff);
    RequireFinite(t.Vp);
}

} // namespace

LengthEntry ParseLength(std::string_view text) {
    LengthEntry entry; // (-1, -1) until a number has been read
    if (Trim(text).empty())
        return entry;
    for (char c : text) {
        const bool allowed = (c >= '0' && c <= '9') || c == '.' || c == 'M' || c == 'm';
        if (!allowed)
            return entry;
    }
    const std::size_t milMark = text.find_first_of("Mm");
    if (milMark == std::string_view::npos) {
        entry.metres = TypedToFloat(text) / 1000;
        entry.unitFlag = 0;
    } else {
        // Whatever follows the first mil mark is ignored: "2.5mm" is 2.5 mil.
        entry.metres = TypedToFloat(Trim(text.substr(0, milMark))) * MetresPerMil;
        entry.unitFlag = 1;
    }
    return entry;
}

StripGeometry MicrostripGeometry(Real W, Real H, Real T) {
    const StripGeometry g = CheckedStep([&] { return Geometry(W, H, T); });
    RequireFinite(g.Hc);
    RequireFinite(g.We);
    RequireFinite(g.U);
    return g;
}

Real MicrostripEpsEff(Real W, Real H, Real T, Real Er) {
    return RequireFinite(CheckedStep([&] { return EpsEff(Geometry(W, H, T), Er); }));
}

MicrostripLine MicrostripZ0(Real W, Real H, Real T, Real Er) {
    const MicrostripLine line = CheckedStep([&] { return Analyse(W, H, T, Er); });
    RequireFinite(line.Z0);
    RequireFinite(line.EpsEff);
    RequireFinite(line.Vp);
    RequireFinite(line.FMax);
    return line;
}

WidthSynthesis MicrostripWidth(Real Z0, Real H, Real Er, Real T) {
    const WidthSynthesis result = CheckedStep([&] {
        WidthSynthesis s;
        s.A = (Z0 / 60) * std::sqrt((Er + 1) / 2) + ((Er - 1) / (Er + 1)) * (0.23L + 0.11L / Er);
        s.B = SixtyPiSquared / (Z0 * std::sqrt(Er));
        const Real Hc = H - 2 * T;
        Real We;
        if (s.A > NarrowSynthesisLimit) {
            We = Hc * 8 * std::exp(s.A) / (std::exp(2 * s.A) - 2);
        } else {
            We = Hc * TwoOverPi *
                 (s.B - 1 - std::log(2 * s.B - 1) +
                  ((Er - 1) / (2 * Er)) * (std::log(s.B - 1) + 0.39L - 0.61L / Er));
        }
        s.W = We - ThicknessIncrement(Hc, T);
        return s;
    });
    RequireFinite(result.A);
    RequireFinite(result.B);
    RequireFinite(result.W);
    return result;
}

Real GuidedWavelength(Real F, Real EpsEff) {
    return RequireFinite(CheckedStep([&] { return Wavelength(F, EpsEff); }));
}

Complex LineInputImpedance(Complex ZL, Real Z0, Real Lambda, Real Len) {
    return RequireFinite(CheckedStep([&] { return InputImpedance(ZL, Z0, Lambda, Len); }));
}

Complex ShuntOpenStub(Complex ZL, Real Z0, Real Lambda, Real Len) {
    return RequireFinite(CheckedStep([&] { return OpenStubInParallel(ZL, Z0, Lambda, Len); }));
}

MicrostripTransform SeriesMicrostrip(Complex ZL, Real W, Real Len, Real H, Real Er, Real T, Real F,
                                     bool useEffectiveWavelength) {
    const MicrostripTransform result = CheckedStep([&] {
        const MicrostripLine line = Analyse(W, H, T, Er);
        return Transform(line, SeriesSectionImpedance(line, ZL, Len, F, useEffectiveWavelength));
    });
    RequireFiniteTransform(result);
    return result;
}

MicrostripTransform ShuntMicrostrip(Complex ZL, Real W, Real Len, Real H, Real Er, Real T, Real F) {
    const MicrostripTransform result = CheckedStep([&] {
        const MicrostripLine line = Analyse(W, H, T, Er);
        return Transform(line, OpenStubImpedance(line, ZL, Len, F));
    });
    RequireFiniteTransform(result);
    return result;
}

Complex SeriesSectionImpedance(const MicrostripLine& line, Complex ZL, Real Len, Real F,
                               bool useEffectiveWavelength) {
    const Real lambda = useEffectiveWavelength ? Wavelength(F, line.EpsEff) : SpeedOfLight / F;
    return InputImpedance(ZL, line.Z0, lambda, Len);
}

Complex OpenStubImpedance(const MicrostripLine& line, Complex ZL, Real Len, Real F) {
    return OpenStubInParallel(ZL, line.Z0, Wavelength(F, line.EpsEff), Len);
}

Complex ShortStubImpedance(const MicrostripLine& line, Complex ZL, Real Len, Real F) {
    return ShortStubInParallel(ZL, line.Z0, Wavelength(F, line.EpsEff), Len);
}

} // namespace qv
