#pragma once

#include "matching/analysis/amplifier_stage.h"
#include "matching/analysis/bode_fano.h"
#include "matching/analysis/frequency_response.h"
#include "matching/analysis/response_plot.h"
#include "matching/analysis/touchstone/touchstone_export.h"
#include "matching/analysis/yield.h"

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <string>

// The words for what the frequency response, the amplifier stage, the yield and the Touchstone
// files report, shared by the console and the windows.
namespace qv {

struct SweepText {
    Q_DECLARE_TR_FUNCTIONS(SweepText)
};

QString SweepRangeText(const SweepRangeProblem& problem);
QString LoadTableText(LoadTableProblem problem);
// Why no load table was read from a file.
QString LoadReadText(const LoadFileRead& read);
// The file and its port, as the user chose them.
QString LoadDescription(const LoadTable& table);

// Why a point could not be computed.
QString PointFailureText(const ResponsePoint& point);
// A "sweep" line: the numbers, or the MHz and why the point failed.
QString SweepLine(const ResponsePoint& point, Real Zo);

// The answer to an export of the sweep (amplifier false) or of the amplifier stage.
QString ExportAnswer(const ExportOutcome& outcome, const std::string& fileName, bool amplifier);

QString StageRefusalText(const StageRefusal& refusal);
QString StageLine(const StagePoint& point);

QString YieldRefusalText(const YieldRefusal& refusal);

// The band line of the response plot: the band and the fractional bandwidth, or why there is none.
QString BandText(const ResponsePlot& plot);
// How many frequencies failed and the first reason; empty when none did.
QString PlotFailureText(const ResponsePlot& plot);
// The Bode-Fano limit beside the measured band (lower and upper edge in MHz, as in the plot); empty
// for a load without a limit.
QString LimitText(const BodeFanoLimit& limit, const std::optional<PlotPoint>& band);

} // namespace qv
