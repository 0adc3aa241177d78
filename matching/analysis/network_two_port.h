#pragma once

#include "core/numbers/complex.h"
#include "core/numbers/real.h"
#include "matching/analysis/frequency_response.h"

#include <array>

// The matching network alone as a two-port: port 1 at the source end, port 2 at the load end.
namespace qv {

// Chain (ABCD) parameters in ohms and siemens: V1 = A V2 + B I2, I1 = C V2 + D I2.
struct ChainMatrix {
    Complex A{1, 0};
    Complex B;
    Complex C;
    Complex D{1, 0};
    // AD - BC, carried through the cascade rather than computed from its entries: for the lossless
    // reciprocal elements of a matching network it is exactly 1, while AD - BC of a chain with a
    // near-short or near-open element cancels to noise.
    Complex determinant{1, 0};
};

struct SParameters {
    Complex S11;
    Complex S21;
    Complex S12;
    Complex S22;
};

// One element at frequencyHz, its port 1 toward the source, with the losses of the parts. Throws
// FloatingPointError where the element has no two-port (a capacitance of 0, a microstrip outside
// the model's domain).
ChainMatrix ElementChainMatrix(const ElementSpec& element, Real frequencyHz, int effflag,
                               const PartLosses& losses = {});

// The whole chain at frequencyHz with the network's parts: the element nearest the source first.
ChainMatrix NetworkChainMatrix(const SweepNetwork& network, Real frequencyHz);

// Both ports referenced to Zo.
SParameters ToSParameters(const ChainMatrix& m, Real Zo);

// The network's S-parameters at frequencyHz referenced to Zo, with one check for the whole
// calculation: ToSParameters(NetworkChainMatrix(...)) for sweeps.
SParameters NetworkSParameters(const SweepNetwork& network, Real frequencyHz, Real Zo);

// The impedance at port 1 with loadOhms at port 2.
Complex PortOneImpedance(const ChainMatrix& m, Complex loadOhms);

} // namespace qv
