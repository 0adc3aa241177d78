#pragma once

#include "core/numbers/real.h"
#include "core/rf/match_network.h"
#include "core/settings/chart_colours.h"
#include "core/settings/para_ini.h"
#include "core/settings/parts_model.h"

#include <string>

// The process-wide state: one instance, owned by the application and handed to every window by
// reference. Tests build their own.
namespace qv {

// Pixel placement of the chart circle: all three are half the drawing area's height.
struct ChartGeometry {
    Real Radius = 0;
    Real CentreX = 0;
    Real CentreY = 0;
};

// The matching network, its ends, Fo, Zo and the two modes. Only the network model writes them;
// everyone else reads them through the program state's read-only views.
struct NetworkState {
    Real Fo = 554e6L;  // operating frequency, hertz
    Real Zo = 50;      // reference impedance, ohms
    int effflag = 0;   // 1: series microstrip turns by the guided wavelength
    int matchflag = 0; // 1: compare impedances directly; 0: conjugate comparison
    PartsModel parts;  // the real parts the responses and the yield are computed with

    MatchNetwork network;
    int NodeCount = 0; // index of the last node in use
};

struct ProgramState {
private:
    NetworkState net_; // first: the views below refer to it

public:
    explicit ProgramState(std::string programDirectory)
        : programDir(std::move(programDirectory)), para(programDir) {}
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    // Reads "effflag", "matchflag", "Fo", "Zo", the twenty chart colours and the parts from para.ini,
    // writing the defaults of missing keys. A stored Fo or Zo that is not a usable positive value
    // keeps the value in force.
    void loadStoredSettings();

    std::string programDir; // where para.ini lives
    ParaIni para;

    ChartColours colours = ChartColours::Defaults();
    ChartGeometry geometry;

    const Real& Fo = net_.Fo;
    const Real& Zo = net_.Zo;
    const int& effflag = net_.effflag;
    const int& matchflag = net_.matchflag;
    const PartsModel& parts = net_.parts;
    const MatchNetwork& network = net_.network;
    const int& NodeCount = net_.NodeCount;

private:
    friend class NetworkModel;
    // Defined only for tests and benchmarks, which set up a network state directly.
    friend NetworkState& WritableNetwork(ProgramState& state);
};

NetworkState& WritableNetwork(ProgramState& state);

} // namespace qv
