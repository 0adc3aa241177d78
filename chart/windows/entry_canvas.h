#pragma once

#include "chart/analysis/cursor_readout.h"
#include "chart/analysis/overlay_items.h"
#include "chart/drawing/surface.h"
#include "core/settings/program_state.h"

namespace qv {

class TForm2;

// What the windows that put points and curves on the chart need of it: the chart picture, the
// cursor readout, the colour of the main window's colour box, and a repaint of the drawing area.
class ChartCanvas {
public:
    virtual ~ChartCanvas() = default;
    virtual Surface& picture() = 0;
    virtual CursorReadout& readout() = 0;
    virtual int colourBoxColour() const = 0;
    virtual void repaint() = 0;
    // A point or curve, and the points of a file. A chart that keeps layers keeps them through
    // every redraw; this one draws them on the picture as it stands.
    virtual void addMark(const ChartMark& mark, const ChartGeometry& geometry);
    virtual void addPointPlot(PointPlot plot, const ChartGeometry& geometry);
};

// The chart of the main window.
class MainWindowCanvas final : public ChartCanvas {
public:
    explicit MainWindowCanvas(TForm2& main) : main_(main) {}
    Surface& picture() override;
    CursorReadout& readout() override;
    int colourBoxColour() const override;
    void repaint() override;
    void addMark(const ChartMark& mark, const ChartGeometry& geometry) override;
    void addPointPlot(PointPlot plot, const ChartGeometry& geometry) override;

private:
    TForm2& main_;
};

} // namespace qv
