#pragma once

#include "core/numbers/errors.h"
#include "core/numbers/real.h"
#include "ui/fixed_dialog.h"

#include <array>
#include <initializer_list>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace qv {

class Prompter;
class TfrmMirco1;

// "计算": the bench calculations beside the chart (constant-k section, PE3236 channel plan and
// its lookup file, T attenuator pad, wavelength fractions, dBm and watts, voltage levels,
// resistor helpers, a character table) and the way to the chart, the matching calculation window
// and the microwave formula window.
//
// A field that is no number makes a handler throw ConversionError, a failed division or
// logarithm FloatingPointError; the application's error handler shows the text and every result
// field keeps its previous text.
class TForm1 final : public FixedDialog {
    Q_OBJECT
public:
    // Files of the captionless fin.txt button start in programDirectory.
    TForm1(std::string programDirectory, Prompter& prompter, QWidget* parent = nullptr);

    // The windows "圆图" and "匹配计算" bring up; a button whose window is not set does nothing.
    void setChartWindow(QWidget* window) { chartWindow_ = window; }
    void setMatchCalculationWindow(QWidget* window) { matchCalculationWindow_ = window; }
    TfrmMirco1& formulaWindow() { return *formulaWindow_; }

    void Button1Click();  // "计算LC"
    void BitBtn2Click();  // "计算" PE3236 plan
    void BitBtn4Click();  // "up"
    void BitBtn5Click();  // "down"
    void BitBtn3Click();  // "保存所有频点"
    void Button6Click();  // the captionless button: append three channels to fin.txt
    void BitBtn10Click(); // "-->" pad design
    void BitBtn9Click();  // "<--" pad input resistance
    void BitBtn12Click(); // wavelength fraction
    void BitBtn11Click(); // dBm => W
    void BitBtn13Click(); // W => dBm
    void Button4Click();  // voltage => level
    void Button3Click();  // level => voltage
    void Button2Click();  // divider
    void BitBtn14Click(); // R1//R2
    void BitBtn6Click();  // "字符表"
    void BitBtn7Click();  // "圆图"
    void BitBtn8Click();  // "匹配计算"
    void Button5Click();  // "微波计算"

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The fields, at the numbers of their object names Edit1..Edit31.
    enum Field {
        KNominalOhms = 1,
        KCutoff,
        KHalfInductance,
        KCapacitance, // constant-k section
        PlanChannelMHz,
        PlanVcoMHz,
        PlanReferenceMHz,
        PlanRDivider,
        PlanM,
        PlanA, // PE3236 plan
        PlanStartMHz,
        PlanEndMHz, //
        PadInputOhms,
        PadOutputOhms,
        PadAttenuationDb,
        PadR1,
        PadR2,
        PadR3, // T pad
        WavelengthFrequency,
        Wavelength,
        LevelDbm,
        LevelWatts, //
        ResistorTop,
        ResistorBottom,
        ResistorResult,
        DividerSupply, // divider, R1//R2
        Voltage,
        VoltageLevel, //
        PlanChannelNumber,
        PlanTabs,
        PlanStepMHz, // PE3236 plan
    };

    void buildConstantKGroup();
    void buildChannelPlanGroup();
    void buildPadGroup();
    void buildLevelRows();
    void buildWindowButtons();
    // The whole numbers of the channel-plan fields, read in the order given; a field that holds
    // no whole number is refused with "输入错误：" and its caption.
    struct PlanNumbers {
        std::array<int, 32> byField{};
        int operator[](Field number) const { return byField[static_cast<std::size_t>(number)]; }
    };
    Refusable<PlanNumbers> readPlan(std::initializer_list<Field> fields) const;
    static const char* planCaption(Field number);
    struct ConstantKInputs {
        int nominalOhms = 0;
        long long cutoffHz = 0;
    };
    Refusable<ConstantKInputs> readConstantK() const;
    Refusable<Real> readWavelengthFrequency() const;

    QLineEdit* edit(Field number, int x, int y, int width, QWidget* into, const char* initial = "");
    QString text(Field number) const;
    void setText(Field number, const QString& value);
    void showPadPicture();
    static void Raise(QWidget* window);

    std::string programDirectory_;
    Prompter& prompter_;
    std::array<QLineEdit*, 32> edits_{}; // Edit1..Edit31 at their numbers
    QComboBox* fraction_ = nullptr;      // ComboBox1
    QComboBox* voltageUnit_ = nullptr;   // ComboBox2
    QComboBox* levelUnit_ = nullptr;     // ComboBox3
    std::array<QRadioButton*, 3> padTypes_{};
    std::array<QLabel*, 3> padPictures_{}; // Image1..Image3: T, pi, bridged T
    QLabel* characterCode_ = nullptr;      // Label16
    unsigned characterCounter_ = 0;        // the window lives as long as the program
    QWidget* chartWindow_ = nullptr;
    QWidget* matchCalculationWindow_ = nullptr;
    TfrmMirco1* formulaWindow_ = nullptr;
};

} // namespace qv
