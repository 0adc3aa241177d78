#include "matching/node_calculation.h"

#include "core/errors.h"
#include "core/fp_check.h"
#include "core/microstrip.h"
#include "core/text_format.h"

namespace qv {

namespace {

using Shape = ElementPath::Shape;

// A series reactance (ohms) on the constant-resistance circle through the node.
ElementStep SeriesReactance(Complex z, Real reactanceOhms, Real Zo) {
    const Real dx = reactanceOhms / Zo;
    ElementStep step;
    step.node = {z.re, z.im + dx};
    step.path = {Shape::SeriesArc, z, step.node};
    return step;
}

// A shunt element given by its normalised impedance; the arc runs on the constant-conductance
// circle of the node's admittance, the susceptance moving by db.
ElementStep ShuntReactance(Complex z, Complex element, Real db) {
    const Complex y = CDiv({1, 0}, z);
    ElementStep step;
    step.node = CParallel(element, z);
    step.path = {Shape::ShuntArc, y, {y.re, y.im + db}};
    return step;
}

std::string ImpedanceSuffix(const char* connection, Real R, Real X) {
    return FormatSignedPair(connection, "%f", R, X);
}

ElementStep Compute(Complex z, const ElementSpec& e, const NodeConditions& c) {
    const Real omega = TwoPi * c.Fo;
    const Real Zo = c.Zo;
    switch (e.kind) {
    case SeriesCapacitor:
        return SeriesReactance(z, -1 / (omega * e.value), Zo);
    case ShuntCapacitor:
        return ShuntReactance(z, {0, -(1 / (omega * e.value * Zo))}, omega * e.value * Zo);
    case SeriesInductor:
        return SeriesReactance(z, omega * e.value, Zo);
    case ShuntInductor: {
        const Real Xl = omega * e.value;
        return ShuntReactance(z, {0, Xl / Zo}, -Zo / Xl);
    }
    case SeriesMicrostripLine:
    case ShuntMicrostripStub: {
        const MicrostripBlock& s = e.strip;
        const Complex load{z.re * Zo, z.im * Zo};
        const MicrostripTransform t =
            e.kind == SeriesMicrostripLine
                ? SeriesMicrostrip(load, s.W, s.Len, s.H, s.Er, s.T, s.frequency, c.effflag == 1)
                : ShuntMicrostrip(load, s.W, s.Len, s.H, s.Er, s.T, s.frequency);
        ElementStep step;
        step.node = {t.Z.re / Zo, t.Z.im / Zo};
        step.path = {Shape::Chord, z, step.node};
        step.labelAbove = true;
        return step;
    }
    case SeriesImpedance: {
        ElementStep step = SeriesReactance(z, e.value, Zo);
        step.node.re = z.re + e.R / Zo;
        // A lossy series impedance leaves the constant-resistance circle: drawn as a chord.
        if (e.R > 0)
            step.path = {Shape::Chord, z, step.node};
        return step;
    }
    case ShuntImpedance: {
        ElementStep step;
        step.node = CParallel({e.R / Zo, e.value / Zo}, z);
        step.path = {Shape::Chord, z, step.node};
        return step;
    }
    default:
        return {};
    }
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
        return ImpedanceSuffix("串", e.R, e.value);
    case ShuntImpedance:
        return ImpedanceSuffix("并", e.R, e.value);
    default:
        return {};
    }
}

void RequireFinite(Complex z) {
    qv::RequireFinite(z.re);
    qv::RequireFinite(z.im);
}

} // namespace

bool IsElementKind(int kind) {
    return kind >= SeriesCapacitor && kind <= ShuntImpedance;
}

std::string ImplausibleElementText(const ElementSpec& e) {
    // Written so that a NaN fails the test as well.
    const auto positive = [](Real v) { return v > 0; };
    switch (e.kind) {
    case SeriesCapacitor:
    case ShuntCapacitor:
        return positive(e.value) ? "" : "电容值必须大于0";
    case SeriesInductor:
    case ShuntInductor:
        return positive(e.value) ? "" : "电感值必须大于0";
    case SeriesMicrostripLine:
    case ShuntMicrostripStub:
        if (!positive(e.strip.W) || !positive(e.strip.H) || !positive(e.strip.Len) || !positive(e.strip.Er))
            return "微带的线宽、板厚、长度和介电常数必须大于0";
        return "";
    default:
        return "";
    }
}

std::optional<ElementStep> ComputeElementStep(Complex node, const ElementSpec& element,
                                              const NodeConditions& conditions) {
    if (!IsElementKind(element.kind))
        return std::nullopt;
    const ElementStep step = CheckedStep([&] {
        ElementStep s = Compute(node, element, conditions);
        s.labelSuffix = LabelSuffix(element, conditions);
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
    const Complex next = CheckedStep([&] { return Compute(node, element, conditions).node; });
    RequireFinite(next);
    return next;
}

} // namespace qv
