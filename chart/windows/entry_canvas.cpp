#include "chart/windows/entry_canvas.h"

#include "chart/windows/main_window.h"

namespace qv {

Surface& MainWindowCanvas::picture() {
    return main_.chartSurface();
}

CursorReadout& MainWindowCanvas::readout() {
    return main_.cursorReadout();
}

int MainWindowCanvas::colourBoxColour() const {
    return main_.markerColour();
}

void MainWindowCanvas::repaint() {
    main_.refreshChartArea();
}

} // namespace qv
