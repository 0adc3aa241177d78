#pragma once

#include "core/numbers/complex.h"
#include "core/numbers/real.h"
#include "core/rf/match_network.h"
#include "matching/analysis/bode_fano.h"
#include "matching/analysis/node_calculation.h"
#include "matching/analysis/outcomes/refusal_codes.h"
#include "matching/analysis/standard_values.h"

#include <string>
#include <vector>

// Automatic matching: every classical lossless network that takes the load of slot 1 to the
// source at Fo. L networks (both orders, and the one-element matches), Pi and T networks for a
// chosen loaded Q through a virtual resistance, and the single-stub match on a substrate. Values
// in, values out; every solution is checked by running it through the node calculation.
namespace qv {

enum class MatchTopology { LNetwork, PiNetwork, TNetwork, SingleStub };

struct AutoMatchRequest {
    Complex load;      // ohms
    Complex source;    // ohms
    Real Fo = 0;       // hertz
    Real Zo = 50;      // ohms
    int matchflag = 0; // 0: the last node is to be the source's conjugate; 1: the source itself
    int effflag = 0;   // as the network computes a series microstrip line
    Real Q = 0;        // loaded Q of the Pi and T networks; 0 or below: twice the L network's minimum
    bool l = true, pi = true, t = true, stub = true;
    bool shortedStub = false;  // the single stub shorted at its end instead of open
    MicrostripBlock substrate; // W, H, T, Er for the stub match (frequency and Len are not used)
    ESeries series = ESeries::E24;
    Real bandThresholdDb = 10; // the return loss that bounds a solution's band
};

struct MatchSolution {
    MatchTopology topology = MatchTopology::LNetwork;
    std::vector<ElementSpec> elements; // from the load toward the source, exact values
    std::vector<ElementSpec> standard; // the same with the nearest standard values (lines as they are)
    Real returnLossDb = 0;             // with the exact values at Fo
    Real standardReturnLossDb = 0;     // with the standard values at Fo
    Real loadedQ = 0;                  // the highest |X/R| of the nodes along the way
    // The band around Fo where the return loss of the exact values stays at or above the
    // threshold, the load and source held at their values; 0 when it cannot be found.
    Real bandLowerHz = 0;
    Real bandUpperHz = 0;
    bool bandOpen = false; // the band reaches an end of the search (0.01 Fo or 1.99 Fo)
    Real bandwidthHz() const { return bandUpperHz - bandLowerHz; }
};

struct AutoMatchResult {
    std::vector<MatchSolution> solutions;   // widest band first, then lowest loaded Q
    std::vector<AutoMatchRefusal> refusals; // why a chosen topology gave nothing
    Real Q = 0;                             // the Q the Pi and T networks were built for
    Real minimumQ = 0;                      // of the L networks
    BodeFanoLimit limit;                    // of the load at Fo, for the band threshold
};

// Every solution the request asks for. Never throws: an impossible case gives a refusal instead.
AutoMatchResult SynthesiseMatches(const AutoMatchRequest& request);

// The return loss (dB) at the last node of the elements applied to the load, against the source.
// Throws FloatingPointError when an element cannot be computed.
Real ChainReturnLoss(const AutoMatchRequest& request, const std::vector<ElementSpec>& elements);

// The label an applied element gets in the network (stored data: never translated).
std::string ElementLabel(const ElementSpec& element);

} // namespace qv
