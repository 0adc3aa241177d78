#pragma once

#include "core/numbers/errors.h"
#include "ui/field_reader.h"
#include "ui/fixed_dialog.h"

class QCheckBox;
class QLineEdit;

namespace qv {

class ChartCanvas;
class Prompter;
struct ProgramState;

// A small window that puts an entered point or curve on the chart: what every one of them works with.
class ChartEntryWindow : public FixedDialog {
public:
    ChartEntryWindow(const char* objectName, const QString& caption, int width, int height, int colour,
                     ProgramState& state, ChartCanvas& canvas, Prompter& prompter, QWidget* parent)
        : FixedDialog(objectName, caption, width, height, colour, parent), state_(state), canvas_(canvas),
          prompter_(prompter) {}

protected:
    // Edit1 and Edit2 as numbers, or "输入错误！" at the first that is none.
    struct EnteredPair {
        Real first = 0;
        Real second = 0;
    };
    Refusable<EnteredPair> readPair() const {
        FieldReader reader;
        EnteredPair pair;
        pair.first = reader.number(*edit1_, InputErrorText());
        pair.second = reader.number(*edit2_, InputErrorText());
        return reader.result(pair);
    }

    ProgramState& state_;
    ChartCanvas& canvas_;
    Prompter& prompter_;
    // The controls an entry window reads, by their object names; those a window lacks stay null.
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QLineEdit* edit3_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    QCheckBox* checkBox2_ = nullptr;
    ColourBox* panel1_ = nullptr;
};

} // namespace qv
