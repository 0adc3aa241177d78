#pragma once

#include "core/numbers/complex.h"
#include "core/numbers/real.h"
#include "core/rf/match_network.h"
#include "core/rf/microstrip.h"
#include "core/settings/parts_model.h"
#include "matching/analysis/outcomes/refusal_codes.h"

#include <optional>
#include <span>
#include <string>

// What one element of the matching chain does to the impedance before it: the next node, and the
// path the impedance takes on the chart on its way there. Values in, values out; no drawing.
namespace qv {

struct ElementSpec {
    int kind = 0;          // ElementKind 1..9
    MicrostripBlock strip; // kinds 5, 6 and 9
    Real R = 0;            // ohms, kinds 7 and 8
    Real value = 0;        // F (kinds 1, 2), H (3, 4), ohms of reactance (7, 8)
};

// The operating conditions every element is computed at.
struct NodeConditions {
    NodeConditions() = default;
    NodeConditions(Real fo, Real zo, int eff, PartLosses partLosses = {})
        : Fo(fo), Zo(zo), effflag(eff), losses(partLosses) {}

    Real Fo = 0;       // hertz: the lumped reactances are taken at this frequency
    Real Zo = 50;      // ohms: every impedance is normalised to it
    int effflag = 0;   // 1: a series line turns the impedance by its guided wavelength
    PartLosses losses; // of the inductors and capacitors; the design view keeps them ideal
};

// A capacitor's and an inductor's impedance in ohms at omega, with the losses of their Q (0: ideal).
Complex CapacitorImpedance(Real omega, Real farads, Real Q);
Complex InductorImpedance(Real omega, Real henries, Real Q);

// The path of an element on the chart. A series arc runs on the constant-resistance circle
// between two impedances, a shunt arc on the constant-conductance circle between two admittances,
// and a chord is a straight line between two impedances (with a dot at its end).
struct ElementPath {
    enum class Shape { SeriesArc, ShuntArc, Chord };
    Shape shape = Shape::Chord;
    Complex start; // normalised impedance; for a shunt arc the normalised admittance
    Complex end;   // likewise
};

// How an impedance element is connected, which its chart label says before its value.
enum class LabelConnection { None, Series, Shunt };

struct ElementStep {
    Complex node; // the normalised impedance after the element
    ElementPath path;
    LabelConnection labelConnection = LabelConnection::None;
    std::string labelSuffix; // written after the element's label and connection: ":X100.00", "10.00+j5.00"
    bool labelAbove = false; // microstrip labels sit above the start point instead of below
};

bool IsElementKind(int kind);

// Why an element that is about to be inserted makes no physical sense: a capacitance or an
// inductance of 0 or below, or a microstrip whose width, board height, length or permittivity is
// 0 or below. None when it is fine (kinds 7 and 8 take any resistance and reactance).
ElementProblem ImplausibleElement(const ElementSpec& element);

// The next node and the path from `node` (normalised). Nothing for a kind outside 1..9. Throws
// FloatingPointError where the arithmetic fails: a capacitance of 0, a shunt inductance of 0, a
// shunt element that shorts the node exactly, a microstrip outside the model's domain.
std::optional<ElementStep> ComputeElementStep(Complex node, const ElementSpec& element,
                                              const NodeConditions& conditions);

// Only the next node, for callers that replay the chain many times (a frequency sweep): no path,
// no label. Throws FloatingPointError as ComputeElementStep does, and for a kind outside 1..9.
Complex ComputeNextNode(Complex node, const ElementSpec& element, const NodeConditions& conditions);

// For replaying one chain at many frequencies. The analysed line of a microstrip element (kinds 5,
// 6 and 9; an empty line for the others), which does not depend on frequency. Throws
// FloatingPointError outside the microstrip model's domain.
MicrostripLine AnalyseElementLine(const ElementSpec& element);

// The node after the whole chain from `node`, the line of elements[i] analysed beforehand as
// lines[i], under one floating-point check: the node that ComputeNextNode gives element after
// element, to the last bit. Nothing when the check fails or a node is not finite; the caller then
// replays element by element for the exact error.
std::optional<Complex> ReplayChain(Complex node, std::span<const ElementSpec> elements,
                                   std::span<const MicrostripLine> lines, const NodeConditions& conditions);

} // namespace qv
