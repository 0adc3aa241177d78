#include "core/rf/microstrip_dispersive.h"

#include "core/numbers/errors.h"
#include "core/numbers/fp_check.h"

#include <cmath>

// Sources, used as published:
// - E. Hammerstad, O. Jensen, "Accurate Models for Microstrip Computer-Aided Design", IEEE MTT-S
//   International Microwave Symposium Digest, 1980, pp. 407-409: the air-line impedance Z01(u), the
//   filling factor exponents a(u) and b(Er), and the thickness increments du1 (air) and dur
//   (dielectric) with Z0 = Z01(ur)/sqrt(Ee(ur)) and EpsEff = Ee(ur) (Z01(u1)/Z01(ur))^2.
// - M. Kirschning, R. H. Jansen, "Accurate model for effective dielectric constant of microstrip
//   with validity up to millimetre-wave frequencies", Electronics Letters 18(6), 1982, pp. 272-273:
//   EpsEff(f) = Er - (Er - EpsEff(0))/(1 + P(f)) with P1..P4 and fn = f h in GHz mm.
// - R. H. Jansen, M. Kirschning, "Arguments and an accurate model for the power-current formulation
//   of microstrip characteristic impedance", AEU 37(3/4), 1983, pp. 108-112: Z0(f) = Z0(0)
//   (R13/R14)^R17.
// The dispersion terms take u = W/H of the bare strip, as in the letters.
namespace qv {

namespace {

constexpr Real WaveImpedance = 376.73031346177065547L; // mu0 c, ohms
constexpr Real Euler = 2.7182818284590452354L;
constexpr Real NarrowestRatio = 0.1L;
constexpr Real WidestRatio = 100;

// Impedance of the strip in air, Hammerstad-Jensen eq. (1).
Real AirImpedance(Real u) {
    const Real f = 6 + (TwoPi - 6) * std::exp(-std::pow(30.666L / u, 0.7528L));
    return WaveImpedance / TwoPi * std::log(f / u + std::sqrt(1 + 4 / (u * u)));
}

// Effective permittivity of the zero-thickness strip, Hammerstad-Jensen eqs. (3)-(5).
Real ThinStripPermittivity(Real u, Real Er) {
    const Real u4 = u * u * u * u;
    const Real a = 1 + std::log((u4 + (u / 52) * (u / 52)) / (u4 + 0.432L)) / 49 +
                   std::log(1 + std::pow(u / 18.1L, 3)) / 18.7L;
    const Real b = 0.564L * std::pow((Er - 0.9L) / (Er + 3), 0.053L);
    return (Er + 1) / 2 + (Er - 1) / 2 * std::pow(1 + 10 / u, -a * b);
}

StaticMicrostrip Static(Real W, Real H, Real T, Real Er) {
    const Real u = W / H;
    const Real t = T / H;
    if (t < 0)
        throw FloatingPointError(InvalidOperationText);
    // Width increment of a strip of thickness t in air; the limit 0 for the thin strip.
    Real du1 = 0;
    if (t > 0) {
        const Real th = std::tanh(std::sqrt(6.517L * u));
        du1 = t / Pi * std::log(1 + 4 * Euler * th * th / t);
    }
    const Real dur = (1 + 1 / std::cosh(std::sqrt(Er - 1))) / 2 * du1;
    const Real u1 = u + du1;
    const Real ur = u + dur;
    const Real eeR = ThinStripPermittivity(ur, Er);
    const Real z01R = AirImpedance(ur);
    const Real ratio = AirImpedance(u1) / z01R;
    return {z01R / std::sqrt(eeR), eeR * ratio * ratio};
}

// Kirschning-Jansen 1982: EpsEff at the normalised frequency fn (GHz mm).
Real DispersivePermittivity(Real u, Real Er, Real eps0, Real fn) {
    const Real P1 = 0.27488L + (0.6315L + 0.525L / std::pow(1 + 0.0157L * fn, 20)) * u -
                    0.065683L * std::exp(-8.7513L * u);
    const Real P2 = 0.33622L * (1 - std::exp(-0.03442L * Er));
    const Real P3 = 0.0363L * std::exp(-4.6L * u) * (1 - std::exp(-std::pow(fn / 38.7L, 4.97L)));
    const Real P4 = 1 + 2.751L * (1 - std::exp(-std::pow(Er / 15.916L, 8)));
    const Real P = P1 * P2 * std::pow((0.1844L + P3 * P4) * fn, 1.5763L);
    return Er - (Er - eps0) / (1 + P);
}

// Jansen-Kirschning 1983: the factor (R13/R14)^R17 that carries Z0 from 0 to fn.
Real ImpedanceDispersion(Real u, Real Er, Real eps0, Real epsF, Real fn) {
    const Real R1 = 0.03891L * std::pow(Er, 1.4L);
    const Real R2 = 0.267L * std::pow(u, 7);
    const Real R3 = 4.766L * std::exp(-3.228L * std::pow(u, 0.641L));
    const Real R4 = 0.016L + std::pow(0.0514L * Er, 4.524L);
    const Real R5 = std::pow(fn / 28.843L, 12);
    const Real R6 = 22.2L * std::pow(u, 1.92L);
    const Real R7 = 1.206L - 0.3144L * std::exp(-R1) * (1 - std::exp(-R2));
    const Real R8 =
        1 + 1.275L * (1 - std::exp(-0.004625L * R3 * std::pow(Er, 1.674L) * std::pow(fn / 18.365L, 2.745L)));
    const Real er6 = std::pow(Er - 1, 6);
    const Real R9 = 5.086L * R4 * R5 / (0.3838L + 0.386L * R4) * std::exp(-R6) / (1 + 1.2992L * R5) * er6 /
                    (1 + 10 * er6);
    const Real R10 = 0.00044L * std::pow(Er, 2.136L) + 0.0184L;
    const Real f6 = std::pow(fn / 19.47L, 6);
    const Real R11 = f6 / (1 + 0.0962L * f6);
    const Real R12 = 1 / (1 + 0.00245L * u * u);
    const Real R13 = 0.9408L * std::pow(epsF, R8) - 0.9603L;
    const Real R14 = (0.9408L - R9) * std::pow(eps0, R8) - 0.9603L;
    const Real R15 = 0.707L * R10 * std::pow(fn / 12.3L, 1.097L);
    const Real R16 = 1 + 0.0503L * Er * Er * R11 * (1 - std::exp(-std::pow(u / 15, 6)));
    const Real R17 = R7 * (1 - 1.1241L * (R12 / R16) * std::exp(-0.026L * std::pow(fn, 1.15656L) - R15));
    return std::pow(R13 / R14, R17);
}

void RequireFiniteLine(const StaticMicrostrip& line) {
    RequireFinite(line.Z0);
    RequireFinite(line.EpsEff);
}

} // namespace

StaticMicrostrip HammerstadJensenLine(Real W, Real H, Real T, Real Er) {
    const StaticMicrostrip line = CheckedStep([&] { return Static(W, H, T, Er); });
    RequireFiniteLine(line);
    return line;
}

DispersiveMicrostrip KirschningJansenLine(Real W, Real H, Real T, Real Er, Real F) {
    const DispersiveMicrostrip line = CheckedStep([&] {
        DispersiveMicrostrip d;
        d.atZero = Static(W, H, T, Er);
        const Real u = W / H;
        const Real fn = F * H * 1e-6L; // GHz mm
        d.EpsEff = DispersivePermittivity(u, Er, d.atZero.EpsEff, fn);
        d.Z0 = d.atZero.Z0 * ImpedanceDispersion(u, Er, d.atZero.EpsEff, d.EpsEff, fn);
        d.Wavelength = SpeedOfLight / (F * std::sqrt(d.EpsEff));
        d.DegreesPerMm = 360 * 1e-3L / d.Wavelength;
        return d;
    });
    RequireFiniteLine(line.atZero);
    RequireFinite(line.Z0);
    RequireFinite(line.EpsEff);
    RequireFinite(line.Wavelength);
    RequireFinite(line.DegreesPerMm);
    return line;
}

std::optional<Real> HammerstadJensenWidth(Real Z0, Real H, Real T, Real Er) {
    // Z0 falls as the strip widens, so the target is bracketed by the narrowest and widest strips.
    const auto impedance = [&](Real u) { return HammerstadJensenLine(u * H, H, T, Er).Z0; };
    Real narrow = NarrowestRatio;
    Real wide = WidestRatio;
    if (!(Z0 <= impedance(narrow) && Z0 >= impedance(wide)))
        return std::nullopt;
    for (;;) {
        const Real middle = narrow + (wide - narrow) / 2;
        if (middle == narrow || middle == wide)
            break;
        (impedance(middle) > Z0 ? narrow : wide) = middle;
    }
    const Real u = Z0 - impedance(wide) < impedance(narrow) - Z0 ? wide : narrow;
    return u * H;
}

} // namespace qv
