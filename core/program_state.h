#pragma once

#include "chart_colours.h"
#include "match_network.h"
#include "para_ini.h"
#include "parts_model.h"
#include "real.h"

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

struct ProgramState {
    explicit ProgramState(std::string programDirectory)
        : programDir(std::move(programDirectory)), para(programDir) {}

    std::string programDir; // where para.ini lives
    ParaIni para;

    Real Fo = 554e6L;  // operating frequency, hertz
    Real Zo = 50;      // reference impedance, ohms
    int effflag = 0;   // 1: series microstrip turns by the guided wavelength
    int matchflag = 0; // 1: compare impedances directly; 0: conjugate comparison
    PartsModel parts;  // the real parts the responses and the yield are computed with

    ChartColours colours = ChartColours::Defaults();
    ChartGeometry geometry;

    MatchNetwork network;
    int NodeCount = 0; // index of the last node in use
};

} // namespace qv
