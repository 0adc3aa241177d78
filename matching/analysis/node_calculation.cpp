#include "matching/analysis/node_calculation.h"

#include "core/numbers/errors.h"
#include "core/numbers/fp_check.h"
#include "core/numbers/text_format.h"
#include "core/rf/microstrip.h"

#include <cmath>

namespace qv {

namespace {

using Shape = ElementPath::Shape;

bool IsMicrostripKind(int kind) {
    return kind == SeriesMicrostripLine || kind == ShuntMicrostripStub || kind == ShuntShortedStub;
}

// The element's impedance, normalised: a lossy part leaves its circle on the chart.
Complex Normalised(Complex ohms, Real Zo) {
    return {ohms.re / Zo, ohms.im / Zo};
}

// The change of the normalised susceptance a shunt capacitor or inductor makes.
Real ShuntSusceptance(const ElementSpec& e, Real omega, Real Zo) {
    return e.kind == ShuntCapacitor ? omega * e.value * Zo : -Zo / (omega * e.value);
}

// The node after the element; `line` is the analysed microstrip of kinds 5 and 6.
Complex NodeAfter(Complex z, const ElementSpec& e, const MicrostripLine& line, const NodeConditions& c) {
    const Real omega = TwoPi * c.Fo;
    const Real Zo = c.Zo;
    // Ideal parts keep the plain arithmetic, so that the design view is exactly as it always was.
    const PartLosses& q = c.losses;
    switch (e.kind) {
    case SeriesCapacitor:
        if (q.QC > 0)
            return CAdd(z, Normalised(CapacitorImpedance(omega, e.value, q.QC), Zo));
        return {z.re, z.im + -1 / (omega * e.value) / Zo};
    case ShuntCapacitor:
        if (q.QC > 0)
            return CParallel(Normalised(CapacitorImpedance(omega, e.value, q.QC), Zo), z);
        return CParallel({0, -(1 / (omega * e.value * Zo))}, z);
    case SeriesInductor:
        if (q.QL > 0)
            return CAdd(z, Normalised(InductorImpedance(omega, e.value, q.QL), Zo));
        return {z.re, z.im + omega * e.value / Zo};
    case ShuntInductor:
        if (q.QL > 0)
            return CParallel(Normalised(InductorImpedance(omega, e.value, q.QL), Zo), z);
        return CParallel({0, omega * e.value / Zo}, z);
    case SeriesMicrostripLine:
    case ShuntMicrostripStub:
    case ShuntShortedStub: {
        const Complex load{z.re * Zo, z.im * Zo};
        const MicrostripBlock& s = e.strip;
        Complex after;
        if (e.kind == SeriesMicrostripLine)
            after = SeriesSectionImpedance(line, load, s.Len, s.frequency, c.effflag == 1);
        else if (e.kind == ShuntMicrostripStub)
            after = OpenStubImpedance(line, load, s.Len, s.frequency);
        else
            after = ShortStubImpedance(line, load, s.Len, s.frequency);
        return {after.re / Zo, after.im / Zo};
    }
    case SeriesImpedance:
        return {z.re + e.R / Zo, z.im + e.value / Zo};
    case ShuntImpedance:
        return CParallel({e.R / Zo, e.value / Zo}, z);
    default:
        return z;
    }
}

// The way from z to the node on the chart: series reactances on the constant-resistance circle,
// shunt reactances on the constant-conductance circle, everything else a chord.
ElementPath PathOf(Complex z, Complex node, const ElementSpec& e, const NodeConditions& c) {
    switch (e.kind) {
    case SeriesCapacitor:
    case SeriesInductor:
        return {Shape::SeriesArc, z, node};
    case SeriesImpedance:
        // A lossy series impedance leaves the constant-resistance circle: a chord. Otherwise the arc
        // stays on the start's circle, whatever resistance the node takes.
        if (e.R > 0)
            return {Shape::Chord, z, node};
        return {Shape::SeriesArc, z, {z.re, node.im}};
    case ShuntCapacitor:
    case ShuntInductor: {
        const Complex y = CDiv({1, 0}, z);
        return {Shape::ShuntArc, y, {y.re, y.im + ShuntSusceptance(e, TwoPi * c.Fo, c.Zo)}};
    }
    default:
        return {Shape::Chord, z, node};
    }
}

MicrostripLine LineOf(const ElementSpec& e) {
    if (!IsMicrostripKind(e.kind))
        return {};
    const MicrostripBlock& s = e.strip;
    return MicrostripZ0(s.W, s.H, s.T, s.Er);
}

// What the chart writes after the element's label: the reactance of a capacitor or inductor at
// Fo, or the impedance of an impedance element.
std::string LabelSuffix(const ElementSpec& e, const NodeConditions& c) {
    const Real omega = TwoPi * c.Fo;
    switch (e.kind) {
    case SeriesCapacitor:
    case ShuntCapacitor:
        return Format(":X%f", {1 / (omega * e.value)});
    case SeriesInductor:
    case ShuntInductor:
        return Format(":X%f", {omega * e.value});
    case SeriesImpedance:
    case ShuntImpedance:
        return FormatSignedPair("", "%f", e.R, e.value);
    default:
        return {};
    }
}

} // namespace

bool IsElementKind(int kind) {
    return kind >= SeriesCapacitor && kind <= ShuntShortedStub;
}

Complex CapacitorImpedance(Real omega, Real farads, Real Q) {
    if (!(Q > 0))
        return {0, -1 / (omega * farads)};
    // 1 / (wC/Q + jwC) = (1/Q - j) / (wC (1 + 1/Q^2))
    const Real d = 1 / Q;
    const Real scale = 1 / (omega * farads * (1 + d * d));
    return {d * scale, -scale};
}

Complex InductorImpedance(Real omega, Real henries, Real Q) {
    const Real x = omega * henries;
    return {Q > 0 ? x / Q : 0, x};
}

ElementProblem ImplausibleElement(const ElementSpec& e) {
    // Written so that a NaN fails the test as well.
    const auto positive = [](Real v) { return v > 0; };
    switch (e.kind) {
    case SeriesCapacitor:
    case ShuntCapacitor:
        return positive(e.value) ? ElementProblem::None : ElementProblem::Capacitance;
    case SeriesInductor:
    case ShuntInductor:
        return positive(e.value) ? ElementProblem::None : ElementProblem::Inductance;
    case SeriesMicrostripLine:
    case ShuntMicrostripStub:
    case ShuntShortedStub:
        if (!positive(e.strip.W) || !positive(e.strip.H) || !positive(e.strip.Len) || !positive(e.strip.Er))
            return ElementProblem::Microstrip;
        return ElementProblem::None;
    default:
        return ElementProblem::None;
    }
}

std::optional<ElementStep> ComputeElementStep(Complex node, const ElementSpec& element,
                                              const NodeConditions& conditions) {
    if (!IsElementKind(element.kind))
        return std::nullopt;
    const MicrostripLine line = LineOf(element);
    const ElementStep step = CheckedStep([&] {
        ElementStep s;
        s.node = NodeAfter(node, element, line, conditions);
        s.path = PathOf(node, s.node, element, conditions);
        s.labelSuffix = LabelSuffix(element, conditions);
        s.labelConnection = element.kind == SeriesImpedance  ? LabelConnection::Series
                            : element.kind == ShuntImpedance ? LabelConnection::Shunt
                                                             : LabelConnection::None;
        s.labelAbove = IsMicrostripKind(element.kind);
        return s;
    });
    // Values that were already infinite or NaN raise no flag on the way through.
    RequireFinite(step.node);
    RequireFinite(step.path.start);
    RequireFinite(step.path.end);
    return step;
}

Complex ComputeNextNode(Complex node, const ElementSpec& element, const NodeConditions& conditions) {
    if (!IsElementKind(element.kind))
        throw FloatingPointError(InvalidOperationText);
    const MicrostripLine line = LineOf(element);
    const Complex next = CheckedStep([&] { return NodeAfter(node, element, line, conditions); });
    RequireFinite(next);
    return next;
}

MicrostripLine AnalyseElementLine(const ElementSpec& element) {
    return LineOf(element);
}

std::optional<Complex> ReplayChain(Complex node, std::span<const ElementSpec> elements,
                                   std::span<const MicrostripLine> lines, const NodeConditions& conditions) {
    if (lines.size() != elements.size())
        return std::nullopt;
    const FpCheck guard;
    bool finite = true;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        node = NodeAfter(node, elements[i], lines[i], conditions);
        finite = finite && std::isfinite(node.re) && std::isfinite(node.im);
    }
    if (!guard.passed() || !finite)
        return std::nullopt;
    return node;
}

} // namespace qv
