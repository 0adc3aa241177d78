#include "chart/windows/entry_window.h"

#include <QCheckBox>
#include <QLabel>
#include <algorithm>

namespace qv {

namespace {
constexpr int Margin = 12;
} // namespace

template <typename Control> Control* ChartEntryWindow::wideEnough(Control* control) {
    const int growth = control->sizeHint().width() - control->width();
    if (growth > 0) {
        grown_.push_back({control->geometry(), growth});
        control->resize(control->width() + growth, control->height());
    }
    return control;
}

ChartEntryWindow::ChartEntryWindow(const char* objectName, const QString& caption, int width, int height,
                                   int colour, ProgramState& state, ChartCanvas& canvas, Prompter& prompter,
                                   QWidget* parent)
    : FixedDialog(objectName, caption, width, height, colour, parent), state_(state), canvas_(canvas),
      prompter_(prompter) {}

QLabel* ChartEntryWindow::addLabel(const char* name, const QString& text, int x, int y, int width) {
    return wideEnough(FixedDialog::addLabel(name, text, x, y, width));
}

QCheckBox* ChartEntryWindow::addCheckBox(const char* name, const QString& text, int x, int y, int width) {
    return wideEnough(FixedDialog::addCheckBox(name, text, x, y, width));
}

ColourBox* ChartEntryWindow::addColourBox(const QString& text, int colour, Prompter& prompter, int x, int y,
                                          int width) {
    return wideEnough(FixedDialog::addColourBox(text, colour, prompter, x, y, width));
}

void ChartEntryWindow::fitToControls() {
    // A grown control pushes what stands to its right on its row along by as much.
    for (const Growth& grown : grown_)
        for (QWidget* other : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            const QRect place = other->geometry();
            if (place.left() > grown.design.right() && place.top() <= grown.design.bottom() &&
                place.bottom() >= grown.design.top())
                other->move(place.left() + grown.by, place.top());
        }
    setFixedWidth(std::max(width(), childrenRect().right() + Margin));
}

} // namespace qv
