#pragma once

#include "core/numbers/complex.h"
#include "core/numbers/real.h"

#include <string_view>

// Quasi-static microstrip model with the strip-thickness correction of the corrected height
// Hc = H - 2T, and lossless transmission-line arithmetic. SI units: metres, hertz, ohms.
// Outside the valid domain (T > 0, H > 2T, Er > 1, F > 0, Z0 > 0) the operations throw
// FloatingPointError instead of returning a NaN or an infinity.
namespace qv {

struct LengthEntry {
    Real metres = -1;
    int unitFlag = -1; // -1 invalid, 0 millimetres, 1 mil
};

// "0.76" is 0.76 mm; "30m"/"30M" is 30 mil. Throws ConversionError for allowed characters that are
// no number ("1.2.3", ".", "m").
LengthEntry ParseLength(std::string_view text);

struct MicrostripLine {
    Real Z0 = 0;     // ohms
    Real EpsEff = 0; // effective dielectric constant
    Real Vp = 0;     // phase velocity, m/s
    Real FMax = 0;   // highest usable frequency, MHz with H in metres
};

struct WidthSynthesis {
    Real W = 0; // metres, as computed (may be zero or negative)
    Real A = 0;
    Real B = 0;
};

struct MicrostripTransform {
    Complex Z; // the impedance after the section or stub
    Real Z0 = 0;
    Real EpsEff = 0;
    Real Vp = 0;
};

// The thickness-corrected geometry shared by analysis and synthesis: corrected height Hc = H - 2T,
// effective width We = W + (T/pi)(1 + ln(2Hc/T)) and the width ratio u = We/Hc.
struct StripGeometry {
    Real Hc = 0;
    Real We = 0;
    Real U = 0;
};

StripGeometry MicrostripGeometry(Real W, Real H, Real T);
Real MicrostripEpsEff(Real W, Real H, Real T, Real Er);
MicrostripLine MicrostripZ0(Real W, Real H, Real T, Real Er);
WidthSynthesis MicrostripWidth(Real Z0, Real H, Real Er, Real T);
Real GuidedWavelength(Real F, Real EpsEff);
Complex LineInputImpedance(Complex ZL, Real Z0, Real Lambda, Real Len);
Complex ShuntOpenStub(Complex ZL, Real Z0, Real Lambda, Real Len);
// useEffectiveWavelength is the program's effflag == 1 at the time of the call; otherwise the
// free-space wavelength turns the impedance.
MicrostripTransform SeriesMicrostrip(Complex ZL, Real W, Real Len, Real H, Real Er, Real T, Real F,
                                     bool useEffectiveWavelength);
// Always uses the guided wavelength.
MicrostripTransform ShuntMicrostrip(Complex ZL, Real W, Real Len, Real H, Real Er, Real T, Real F);

// The arithmetic of the two above on a line analysed beforehand (MicrostripZ0), without the
// floating-point check: for a caller that replays a chain at many frequencies inside one
// CheckedStep. The quasi-static line does not depend on frequency, so one analysis serves them all.
Complex SeriesSectionImpedance(const MicrostripLine& line, Complex ZL, Real Len, Real F,
                               bool useEffectiveWavelength);
Complex OpenStubImpedance(const MicrostripLine& line, Complex ZL, Real Len, Real F);
// A stub shorted at its far end, in parallel with ZL, on the guided wavelength.
Complex ShortStubImpedance(const MicrostripLine& line, Complex ZL, Real Len, Real F);

} // namespace qv
