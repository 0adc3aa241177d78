#pragma once

#include "calculators/windows/general_calculator_window.h"
#include "calculators/windows/microstrip_window.h"
#include "chart/windows/about_box.h"
#include "chart/windows/entry_admittance_window.h"
#include "chart/windows/entry_canvas.h"
#include "chart/windows/entry_gamma_window.h"
#include "chart/windows/entry_impedance_window.h"
#include "chart/windows/entry_q_window.h"
#include "chart/windows/entry_vswr_window.h"
#include "chart/windows/main_window.h"
#include "chart/windows/parameter_display_window.h"
#include "chart/windows/settings_window.h"
#include "matching/drawing/network_chart_link.h"
#include "matching/model/network_model.h"
#include "matching/windows/amplifier_stage_window.h"
#include "matching/windows/auto_match_window.h"
#include "matching/windows/console_window.h"
#include "matching/windows/insertion_window.h"
#include "matching/windows/load_source_popup.h"
#include "matching/windows/network_design_target.h"
#include "matching/windows/response_window.h"
#include "matching/windows/setup_window.h"
#include "matching/windows/tee_match_window.h"
#include "sparams/windows/file_input_window.h"
#include "sparams/windows/sparams_table_window.h"
#include "sparams/windows/two_port_window.h"

#include <string>

namespace qv {

class MessageHub;
class Prompter;
struct CommandLine;
struct PictureSize;
struct ProgramState;

// Every window of the program, created once and hidden, main window first, so that Fo, Zo, the
// flags and the colours are loaded from para.ini before any other window exists. The tool
// buttons of the main window are plugged into the windows as they are created. The network model
// comes before every window: it holds no settings of its own and is the one writer of the network.
struct ApplicationWindows {
    ApplicationWindows(ProgramState& state, MessageHub& hub, Prompter& prompter);

    NetworkModel network;
    TForm2 main;
    NetworkChartLink networkLink;
    NetworkDesignTarget designTarget;
    MainWindowCanvas canvas; // the chart as the other windows draw on it
    TForm3 matchCalculation;
    TForm4 settings;
    Tfinhro gammaEntry;
    Tfinrx impedanceEntry;
    Tffscalc twoPortCalculator;
    TfquQ constantQ;
    Tqswr constantVswr;
    Tfgb admittanceEntry;
    Tforg matchingSetup;
    Tflcop elementInsertion;
    Tfsinput fileInput;
    Tfordin console;
    TFspopt sparameterTable;
    Tfsetselect setSelection;
    Tfabout about;
    TForm1 calculator;
    TcalcMirc microstripCalculator;
    Tdisppara parameterDisplay;
    Tfresp frequencyResponse;
    AutoMatchWindow autoMatch;
    AmplifierStageWindow amplifierStage;
};

// The default size of the drawing area as the main window lays it out.
inline constexpr int LaidOutChartWidth = 841;
inline constexpr int LaidOutChartHeight = 633;

// Renders the chart the main window would show in a fresh drawing area of the given size, with
// the colours of para.ini in the program directory, and writes it (SVG or PDF for such a name, PNG
// for ".png", BMP otherwise). Returns the process exit code; failures are reported on standard error.
int SaveChartPicture(const std::string& programDirectory, const std::string& path, const PictureSize& size);

} // namespace qv
