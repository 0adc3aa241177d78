#pragma once

#include "matching/analysis/response_plot.h"

#include <QChart>
#include <string>

class QAreaSeries;
class QLineSeries;
class QValueAxis;

namespace qv {

// The frequency-response plot: return loss and VSWR against frequency, the design frequency and
// the band. Until the first plot it shows neither axes nor legend, so no made-up scale is read.
class ResponseChart final : public QChart {
    Q_OBJECT
public:
    ResponseChart();

    void showPlot(const ResponsePlot& plot);
    // The curves and the band go, the axes stay (a network that cannot be swept any more).
    void clearCurves();
    // The spread of the builds of a yield, held inside the plot; cleared with empty curves.
    void showSpread(const std::vector<PlotPoint>& worst, const std::vector<PlotPoint>& best);
    double returnLossTop() const { return returnLossTop_; }

private:
    QLineSeries* returnLoss_ = nullptr;
    QLineSeries* vswr_ = nullptr;
    QLineSeries* design_ = nullptr;
    QLineSeries* bandTop_ = nullptr;
    QAreaSeries* band_ = nullptr;
    QLineSeries* worst_ = nullptr;
    QLineSeries* best_ = nullptr;
    QValueAxis* frequencyAxis_ = nullptr;
    QValueAxis* returnLossAxis_ = nullptr;
    QValueAxis* vswrAxis_ = nullptr;
    double returnLossTop_ = 0;
};

// The smallest picture of the plot a file gets, in pixels.
inline constexpr int PlotPictureWidth = 800;
inline constexpr int PlotPictureHeight = 500;

// Writes the plot as a picture by the file's name: PNG, SVG or PDF, replacing the file whole or
// not at all. False for another name or when the file cannot be written.
bool SaveResponsePlot(const std::string& path, const ResponsePlot& plot);

} // namespace qv
