#pragma once

#include "chart/analysis/cursor_readout.h"
#include "chart/drawing/surface.h"

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
};

// The chart of the main window.
class MainWindowCanvas final : public ChartCanvas {
public:
    explicit MainWindowCanvas(TForm2& main) : main_(main) {}
    Surface& picture() override;
    CursorReadout& readout() override;
    int colourBoxColour() const override;
    void repaint() override;

private:
    TForm2& main_;
};

} // namespace qv
