#pragma once

#include "core/numbers/errors.h"
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

class FieldReader;
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

    // The program's Fo: each time the window is shown after Fo changed, "操作频率" takes it.
    void followFrequency(const Real& hertz) { followed_ = &hertz; }

    void BitBtn1Click(); // "计算": Z0 and the impedance at the line input
    void BitBtn2Click(); // "特征参数计算"
    void BitBtn3Click(); // "阻抗计算线宽"
    void BitBtn4Click(); // "计算电感"

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The fields, at the numbers of their object names Edit1..Edit26 (Edit19 does not exist).
    enum Field {
        LineWidth = 1,
        SubstrateHeight,
        CopperThickness,
        Permittivity,
        LineLength,
        OperatingFrequency,
        LoadR,
        LoadX,
        CharacteristicZ0, // the result of "特征参数计算", the entry of "阻抗计算线宽"
        InputR,
        InputX,
        PhaseVelocity,
        EpsEff,
        EffectiveWavelength,
        PhaseShift,
        MaxFrequency,
        StripLength,
        Turns,
        RingSize = 20,
        SpiralOuter,
        SpiralInner,
        InductorWidth,
        InductanceResult,
        InductorCopper,
        InductorBoard,
    };
    // The mm/mil boxes, at the numbers of their object names ComboBox1..ComboBox12.
    enum UnitBox {
        NoUnit = 0,
        WidthUnit,
        HeightUnit,
        CopperUnit,
        LengthUnit,
        InductorWidthUnit = 6,
        InductorCopperUnit,
        InductorBoardUnit,
        SpiralOuterUnit,
        SpiralInnerUnit,
        RingSizeUnit,
        StripLengthUnit,
    };

    void buildLineFields();
    void buildReferenceGroup();
    void buildInductorPanel();
    QComboBox* addUnitBox(int number, int x, int y, QWidget* into = nullptr);

    // What the line calculations read: "特征参数计算", "阻抗计算线宽" and "计算".
    enum class LineCalculation { Figures, Width, Transform };
    // Lengths in metres, F in hertz, Z0, R and X in ohms.
    struct LineInputs {
        Real Z0 = 0;   // Width only
        LengthEntry W; // not for Width
        Real H = 0;
        Real T = 0;
        Real Er = 0;
        Real Len = 0; // Transform only, with R and X
        Real R = 0;
        Real X = 0;
        Real F = 0; // not for Width
    };
    // Every field the calculation uses, checked by name before anything is computed: a width of
    // 0 or a negative thickness is refused here instead of failing half way through the results.
    Refusable<LineInputs> readLineInputs(LineCalculation calculation) const;
    // "计算电感" reads the conductor first and computes its ground-plane factor before it reads
    // the dimensions of the checked shape (none checked: no shape, and nothing is computed).
    struct Conductor { // metres
        Real t = 0;
        Real h = 0;
        Real w = 0;
        std::optional<int> shape; // 0 strip, 1 ring, 2 spiral
    };
    Refusable<Conductor> readConductor() const;
    struct ShapeDimensions {
        Real length = 0; // the strip's l or the ring's a
        Real outer = 0;  // the spiral's do, di and turns
        Real inner = 0;
        int turns = 0;
    };
    Refusable<ShapeDimensions> readShape(int shape) const;
    Real number(FieldReader& reader, Field field, const char* name) const;
    Real checkedLength(FieldReader& reader, Field field, UnitBox unit, const char* name) const;

    bool milSelected(int unitBox) const;
    void setText(Field field, const std::string& text);
    void showReferenceFigures(const DispersiveMicrostrip& line, Real H, Real F);
    void clearResults();

    const int& effflag_;
    const Real* followed_ = nullptr;
    Real frequencyShown_ = 0; // the Fo "操作频率" last took
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
