#include "chart/windows/entry_window.h"

#include <QCheckBox>
#include <QLabel>
#include <algorithm>

namespace qv {

namespace {
constexpr int Margin = 12;

template <typename Control> Control* WideEnough(Control* control) {
    control->resize(std::max(control->width(), control->sizeHint().width()), control->height());
    return control;
}
} // namespace

ChartEntryWindow::ChartEntryWindow(const char* objectName, const QString& caption, int width, int height,
                                   int colour, ProgramState& state, ChartCanvas& canvas, Prompter& prompter,
                                   QWidget* parent)
    : FixedDialog(objectName, "", width, height, colour, parent), state_(state), canvas_(canvas),
      prompter_(prompter) {
    setWindowTitle(caption);
}

QLabel* ChartEntryWindow::addLabel(const char* name, const QString& text, int x, int y, int width) {
    QLabel* label = FixedDialog::addLabel(name, "", x, y, width);
    label->setText(text);
    return WideEnough(label);
}

QCheckBox* ChartEntryWindow::addCheckBox(const char* name, const QString& text, int x, int y, int width) {
    QCheckBox* box = FixedDialog::addCheckBox(name, "", x, y, width);
    box->setText(text);
    return WideEnough(box);
}

ColourBox* ChartEntryWindow::addColourBox(const QString& text, int colour, Prompter& prompter, int x, int y,
                                          int width) {
    ColourBox* box = FixedDialog::addColourBox("", colour, prompter, x, y, width);
    box->setText(text);
    return WideEnough(box);
}

void ChartEntryWindow::fitToControls() {
    setFixedWidth(std::max(width(), childrenRect().right() + Margin));
}

} // namespace qv
