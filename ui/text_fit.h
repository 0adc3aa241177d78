#pragma once

class QWidget;

namespace qv {

// Widens the controls of a window laid out at fixed positions until every caption, button text
// and field text is shown whole, in whatever language and font the window was built with. A
// column of controls (same left and right edges) grows by its widest deficit, and what lies to its
// right within the column's rows moves over by as much; group boxes grow around their controls,
// and the window around everything. Nothing moves when every text already fits.
void FitControlsToTexts(QWidget& window);

} // namespace qv
