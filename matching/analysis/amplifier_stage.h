#pragma once

#include "core/numbers/complex.h"
#include "core/numbers/real.h"
#include "matching/analysis/frequency_response.h"
#include "matching/analysis/network_two_port.h"
#include "matching/analysis/outcomes/refusal_codes.h"
#include "matching/analysis/touchstone/touchstone_export.h"
#include "sparams/analysis/device_data.h"
#include "sparams/analysis/stabilising_resistor.h"

#include <array>

#include <optional>
#include <string>
#include <vector>

// A one-transistor amplifier across a band: the input network, the transistor and the output
// network in cascade, terminated in Zo at both ends. The input network's source end faces the
// generator and its load end the transistor; the output network was designed with the
// transistor's output as its load, so its load end faces the transistor and its source end the
// load termination. Port 1 of the stage is at the generator.
namespace qv {

struct StageNetworks {
    SweepNetwork input;
    SweepNetwork output;
};

struct StagePoint {
    Real frequencyHz = 0;
    bool ok = false;
    bool outsideDevice = false; // when not ok: beyond the transistor file's frequencies,
    std::string failure;        // or else the arithmetic failure's own text
    SParameters stage;          // referenced to Zo
    Real gainDb = 0;            // transducer gain 10 lg |S21|^2
    Real inputReturnLossDb = 0;
    Real outputReturnLossDb = 0;
    Real mu = 0;               // of the transistor alone
    Complex sourceReflection;  // Gamma_S, what the input network presents to the transistor
    Complex loadReflection;    // Gamma_L, what the output network presents to the transistor
    Real inputReflection = 0;  // |Gamma_in| with Gamma_L in place
    Real outputReflection = 0; // |Gamma_out| with Gamma_S in place
};

struct StageVerdict {
    bool stable = false; // every frequency computed, each with |Gamma_in| < 1 and |Gamma_out| < 1
    Real worstInput = 0;
    Real worstInputHz = 0;
    Real worstOutput = 0;
    Real worstOutputHz = 0;
    std::optional<Real> firstUnstableInputHz; // the lowest frequency with |Gamma_in| >= 1
    std::optional<Real> firstUnstableOutputHz;
    int failed = 0; // frequencies that could not be computed
};

struct StageResult {
    std::vector<StagePoint> points;
    StageVerdict verdict;
};

// Nothing when the stage can be computed over the range (no extrapolation).
std::optional<StageRefusal> StageProblem(const StageNetworks& networks, const DeviceData& device,
                                         const SweepRange& range);

// The transistor's S-parameters moved from its file's reference to toOhms:
// S' = (S - r I)(I - r S)^-1, r = (toOhms - fromOhms)/(toOhms + fromOhms).
SMatrix Renormalised(const SMatrix& s, Real fromOhms, Real toOhms);

// One frequency inside the device's rows. Never throws: a failing element or division says why.
StagePoint StageAt(const StageNetworks& networks, const DeviceData& device, Real frequencyHz);

// Every frequency of a range StageProblem accepted, and the verdict over them.
StageResult AnalyseStage(const StageNetworks& networks, const DeviceData& device, const SweepRange& range);

// The resistances that make the transistor unconditionally stable at every frequency of the
// range, in the order of ResistorPlacement; a placement whose circle does not exist somewhere
// counts as one that cannot stabilise it.
std::array<BandResistance, 4> StageStabilisingResistors(const DeviceData& device, const SweepRange& range,
                                                        Real Zo);

// "stage" lines: the numbers of a computed frequency (MHz, G_T, input and output return loss, mu),
// then the verdict.
std::string FormatStageNumbers(const StagePoint& point);
std::string FormatStageVerdict(const StageVerdict& verdict);

// The stage as Touchstone 1.1 ("# MHZ S RI R <Zo>", rows S11 S21 S12 S22), port 1 at the
// generator; frequencies that could not be computed are left out.
TouchstoneText EncodeStageTouchstone(const StageResult& stage, Real Zo);

// Writes a ".s2p" file atomically (WrongName for any other name).
ExportOutcome ExportStageTouchstone(const std::string& fileName, const StageResult& stage, Real Zo);

} // namespace qv
