#pragma once

#include "core/numbers/errors.h"
#include "matching/analysis/insertion_value.h"
#include "matching/analysis/node_calculation.h"
#include "ui/fixed_dialog.h"

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace qv {

class FieldReader;
class NetworkModel;
class Prompter;
struct ProgramState;

// "接入元件": appends one element after the last node of the matching network, always toward
// the source. The kind is one of eight (series or shunt capacitor, inductor, microstrip line or
// open stub, impedance); a capacitor or inductor takes a value with a unit, a microstrip its
// dimensions in millimetres, an impedance its resistance and reactance. The lumped elements are
// taken at Fo, shown in the disabled frequency field.
//
// A field that cannot be read ("输入错误！") or a refused append leaves the network as it was
// and the window open. After an insertion the chart repaints, the main window refreshes its
// match figures and the window closes.
class Tflcop final : public FixedDialog {
    Q_OBJECT
public:
    Tflcop(ProgramState& state, NetworkModel& network, Prompter& prompter, QWidget* parent = nullptr);

    void BitBtn1Click(); // insert
    void BitBtn2Click(); // "Zo" of the entered strip
    void UnitChangr();   // the kind buttons: groups and unit list follow the checked kind

    int checkedKind() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The fields, at the numbers of their object names Edit1..Edit11 (Edit6 does not exist).
    enum Field {
        ElementValue = 1,
        StripZ0,
        Frequency,
        Resistance,
        Reactance,
        StripWidth = 7,
        BoardHeight,
        CopperThickness,
        Permittivity,
        StripLength,
    };
    // The element the checked kind describes and its label, or "输入错误！" at the first field
    // that cannot be read; an implausible element is refused with its reason.
    struct Insertion {
        std::string label;
        ElementSpec element;
    };
    Refusable<Insertion> readInputs() const;
    // The five strip fields in order, each checked.
    StripMillimetres readStrip(FieldReader& reader) const;
    void refreshFrequency();
    void setUnits(const char* const* units, std::size_t count);

    ProgramState& state_;
    NetworkModel& network_;
    Prompter& prompter_;
    std::array<QRadioButton*, 10> radioButtons_{}; // RadioButton1..9 at their numbers
    std::array<QLineEdit*, 12> edits_{};           // Edit1..Edit11 at their numbers
    QComboBox* comboBox1_ = nullptr;
    QGroupBox* groupBox3_ = nullptr;
    QGroupBox* groupBox5_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
};

} // namespace qv
