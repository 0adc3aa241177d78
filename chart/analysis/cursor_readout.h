#pragma once

#include "core/numbers/complex.h"
#include "core/numbers/real.h"
#include "core/settings/program_state.h"

#include <array>
#include <optional>
#include <string>

// The live readout of the point under the cursor: the values of the CursorReadout record, the
// texts of the main window's labels and the figures its status bar and readout message word.
namespace qv {

struct CursorReadout {
    Real Rohm = 0;         // R = r*Zo, ohms
    Real Xohm = 0;         // X = x*Zo, ohms, negative below the real axis
    Real GammaMag = 0;     // |Gamma|
    Real GammaAngle = 0;   // degrees, positive above the axis, negative below
    Real r = 0;            // normalised resistance
    Real x = 0;            // normalised reactance, signed
    Real u = 0;            // real part of Gamma
    Real v = 0;            // imaginary part of Gamma, 0 on the centre row
    Real g = 0;            // normalised conductance
    Real b = 0;            // normalised susceptance, negative above the axis
    Real ElementValue = 0; // henries when positive, minus farads when negative
    Real Q = 0;            // |x/r|
};

// The five lines of the reflection readout that the parameter display window shows.
inline constexpr int ReflectionLineCount = 5;

// The reflection of the point against Zo as the status bar and the readout lines show it.
struct ReflectionFigures {
    Complex gamma;
    Real powerRatio = 0;  // |G1|^2
    Real mismatchDb = 0;  // 10 log10(1/(1 - |G1|^2)), infinite for total reflection
    Real vswr = 1;        // (1 + |G1|)/(1 - |G1|), the sentinel for total reflection
    Real reflectedDb = 0; // 10 log10(|G1|^2), -infinity for a match
};

struct MouseReadout {
    CursorReadout cursor;
    std::string frequency;             // Label1 "Freq="
    std::string referenceImpedance;    // Label2 "Zo="
    std::string impedance;             // Label3 "Z=" in ohms
    std::string element;               // Label4 "L=" or "C="
    std::string reflection;            // Label5 "Rho=" polar
    std::string normalisedImpedance;   // Label6 "R="
    std::string admittance;            // Label7 "Y=" normalised
    std::string admittanceSiemens;     // Label8 "G=" divided by Zo
    std::string quality;               // Label9 "Q="
    std::string vswr;                  // Label10
    std::string voltageReflection;     // Label11 "VRT="
    std::string powerReflection;       // Label12 "WRT="
    std::string returnLossRatio;       // Label13 "RLoss="
    std::array<std::string, 3> status; // status panels 1..3: the pixel and its Gamma
    ReflectionFigures figures;         // status panel 5 and the readout lines
};

// The readout at pixel (X, Y) of a chart with the given geometry; nothing when the pixel lies
// outside the chart circle. At the exact centre the angle is 0, the return-loss ratio "INF" and
// the reflected power "-INF" dB; on the rim a zero resistance gives Q = 999999.999 and a total
// reflection an infinite mismatch loss and the VSWR 999999.999.
std::optional<MouseReadout> ComputeMouseReadout(const ChartGeometry& geometry, int X, int Y, Real Fo,
                                                Real Zo);

} // namespace qv
