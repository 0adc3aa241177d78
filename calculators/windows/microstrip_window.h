#pragma once

#include "core/numbers/real.h"
#include "core/rf/microstrip.h"
#include "core/rf/microstrip_dispersive.h"
#include "ui/fixed_dialog.h"

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace qv {

class Prompter;

// "微带线计算": impedance, phase velocity and wavelength of a microstrip from its geometry, the
// width for an impedance, the impedance at the input of a loaded line, and printed-inductor
// estimates. Beside the program's closed forms, a group shows the same figures from the
// Hammerstad-Jensen model with Kirschning-Jansen dispersion.
class TcalcMirc final : public FixedDialog {
    Q_OBJECT
public:
    // effflag is the program's effective-wavelength flag, read at each "计算": at 1 the line turns
    // the load by the guided wavelength, otherwise by the free-space one.
    TcalcMirc(const int& effflag, Prompter& prompter, QWidget* parent = nullptr);

    void BitBtn1Click(); // "计算": Z0 and the impedance at the line input
    void BitBtn2Click(); // "特征参数计算"
    void BitBtn3Click(); // "阻抗计算线宽"
    void BitBtn4Click(); // "计算电感"

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLineFields();
    void buildReferenceGroup();
    void buildInductorPanel();
    QComboBox* addUnitBox(int number, int x, int y, QWidget* into = nullptr);

    // Each reader names the field in a message and gives nothing when its text is not usable.
    std::optional<Real> number(int edit, const char* name);
    std::optional<LengthEntry> length(int edit, int unitBox, const char* name);
    std::optional<Real> checkedLength(int edit, int unitBox, const char* name);
    std::optional<Real> frequency();
    bool thicknessLeavesHeight(Real H, Real T);
    void reportField(const char* name);
    bool milSelected(int unitBox) const;
    void setText(int edit, const std::string& text);
    void showReferenceFigures(const DispersiveMicrostrip& line, Real H, Real F);
    // The geometry fields every line calculation reads, checked before anything is computed.
    struct Geometry {
        LengthEntry W;
        Real H = 0;
        Real T = 0;
        Real Er = 0;
    };
    std::optional<Geometry> geometry(bool withWidth);
    std::optional<Real> positiveFrequency();
    void clearResults();

    const int& effflag_;
    Prompter& prompter_;
    std::array<QLineEdit*, 27> edits_{};     // Edit1..Edit26 at their numbers
    std::array<QComboBox*, 13> unitBoxes_{}; // ComboBox1..ComboBox12 at their numbers
    std::array<QRadioButton*, 3> shapes_{};  // "带状", "环型", "螺旋"
    std::array<QLabel*, 4> statusPanels_{};
    QLineEdit* referenceZ0_ = nullptr;
    QLineEdit* referenceEpsEff_ = nullptr;
    QLineEdit* dispersiveZ0_ = nullptr;
    QLineEdit* dispersiveEpsEff_ = nullptr;
    QLineEdit* referenceWavelength_ = nullptr;
    QLineEdit* referencePhase_ = nullptr;
    QLineEdit* referenceInput_ = nullptr;
    QLineEdit* referenceWidth_ = nullptr;
    QLineEdit* referenceWidthZ0_ = nullptr; // the program model's Z0 of the reference width
    QLineEdit* programWidthZ0_ = nullptr;   // the reference model's Z0 of the program's width
    QLabel* referenceNote_ = nullptr;
};

} // namespace qv
