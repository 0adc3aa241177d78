#pragma once

#include "core/numbers/errors.h"
#include "sparams/analysis/two_port.h"
#include "sparams/analysis/two_port_design.h"
#include "ui/fixed_dialog.h"

#include <QByteArray>
#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace qv {

class MessageHub;
class Prompter;
struct OverlayCircle;
struct ProgramState;

// What the amplifier design buttons set up: the matching network's frequency and its ends. The
// matching subsystem sits above this one, so app/ plugs the network in.
class DesignTarget {
public:
    virtual ~DesignTarget() = default;
    virtual void setFrequency(Real hertz) = 0;
    // The load in ohms and the source at Zo, the network restarted at them.
    virtual void setLoadAgainstZo(Complex loadOhms) = 0;
};

// "计算": the scratch pad for one two-port at one frequency. The upper group is a complex
// calculator for impedances; the lower one turns the four S-parameters (typed, loaded from a
// Spara file or received from the S-parameter file window) into Z-parameters, port impedances,
// stability and gain figures and the two stability circles, which it sends to the chart.
//
// A failed step of the analysis escapes "S=>Z" as a FloatingPointError: the outputs of the steps
// before it show their new values, the others keep their old texts, and the circles go to the
// chart only when both were computed. A field that is no number stops it with "输入错误！"
// before anything is stored.
class Tffscalc final : public FixedDialog {
    Q_OBJECT
public:
    Tffscalc(ProgramState& state, MessageHub& hub, Prompter& prompter, QWidget* parent = nullptr);

    // The S-parameter file window that "文件输入" shows; nothing happens while none is set.
    void setFileInputWindow(QWidget* window) { fileInput_ = window; }
    // The matching network the design buttons set up; they do nothing while none is set.
    void setDesignTarget(DesignTarget* target) { network_ = target; }
    // Where the gain and noise circles go: the chart, once the application plugs it in.
    void setChartCircleSink(std::function<void(const OverlayCircle&)> sink) { circleSink_ = std::move(sink); }

    void fimacalcClick(); // "计算"
    void BitBtn1Click();  // "中间值"
    void BitBtn2Click();  // "C"
    void BitBtn3Click();  // "S=>Z"
    void BitBtn5Click();  // "文件输入"
    void Button1Click();  // "L"
    void Button2Click();  // "S"
    // A row of an S-parameter file sent by the file windows.
    void WmCopyData(const QByteArray& block);

    // The amplifier design group: Fo from the received row, the load for the input network
    // (simultaneous conjugate match or noise optimum) or the output network, and the circles.
    void useFrequencyClick();              // "使用此频率"
    void inputMatchClick();                // "输入匹配"
    void noiseMatchClick();                // "噪声匹配"
    void outputMatchClick();               // "输出匹配"
    void gainCircleClick(GainPlane plane); // "Ga圆", "Gp圆"
    void noiseCircleClick();               // "NF圆"

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The fields, at the numbers of their object names Edit1..Edit50.
    enum Field {
        X1Re = 1,
        X1Im,
        X2Re,
        X2Im,
        ResultRe,
        ResultIm,
        ElementFrequency, // "Fo" and "X" of the reactance button "C"
        ElementValue,
        S11First, // the S fields: real part or magnitude, then imaginary part or angle
        S11Second,
        S22First,
        S22Second,
        Z11Re,
        Z11Im,
        S12First,
        S12Second,
        S21First,
        S21Second,
        Z22Re,
        Z22Im,
        Z12Re,
        Z12Im,
        Z21Re,
        Z21Im,
        ZinRe,
        ZinIm,
        ZoutRe,
        ZoutIm,
        DeltaMagnitude,
        RollettK,
        UnilateralFigure,
        SourceGainDb,
        ForwardGainDb,
        LoadGainDb,
        UnilateralGainDb,
        Mu,
        OutputCircle, // centre magnitude, centre angle, radius
        OutputCircleAngle,
        OutputCircleRadius,
        InputCircle, // centre magnitude, centre angle, radius
        InputCircleAngle,
        InputCircleRadius,
        MaximumGainDb,
        MuPrime,
        SourceReflection, // the simultaneous conjugate match
        SourceImpedance,
        LoadReflection,
        LoadImpedance,
        GainCircleDb,
        NoiseCircleDb,
    };
    // The S fields in the order S11, S22, S12, S21, with the para.ini and Spara file keys.
    static constexpr std::array<Field, 8> SFields = {S11First, S11Second, S22First, S22Second,
                                                     S12First, S12Second, S21First, S21Second};
    // Fields 1..8 of a received row (S11, S21, S12, S22) go into these.
    static constexpr std::array<Field, 8> RowFields = {S11First, S11Second, S21First, S21Second,
                                                       S12First, S12Second, S22First, S22Second};

    void buildComplexGroup();
    void buildTwoPortGroup();
    QLineEdit* edit(Field number) const { return edits_[static_cast<std::size_t>(number)]; }
    QLineEdit* addNumberedEdit(int number, int x, int y, int width, QWidget* into, const QString& hint = {});
    void setText(Field number, const std::string& text);
    void buildDesignGroup();
    // X1 and X2 of the complex calculation, or "输入错误！" at the first field that is no number.
    Refusable<std::array<Complex, 2>> readComplexPair() const;
    // The S fields as a two-port, or "输入错误！" at the first field that is no number.
    Refusable<TwoPort> readTwoPort() const;
    // The decibels of a circle, or "输入错误！".
    Refusable<Real> readDecibels(Field field) const;
    void showDesign(const SMatrix& s);
    // The load for a network that presents `reflection` to the transistor, the source Zo.
    void setLoadFor(Complex reflection);
    // The simultaneous conjugate match of the typed two-port; nothing, and the user told why,
    // without one.
    std::optional<ConjugateMatch> readConjugateMatch();
    void drawCircle(const CircleResult& result, int colour, const std::string& legend);

    ProgramState& state_;
    MessageHub& hub_;
    Prompter& prompter_;
    QWidget* fileInput_ = nullptr;
    DesignTarget* network_ = nullptr;
    std::function<void(const OverlayCircle&)> circleSink_;
    std::optional<Real> rowFrequencyHz_;      // of the last table row received
    std::optional<NoiseParameters> rowNoise_; // of the last table row received
    QLabel* verdict_ = nullptr;
    QLabel* noise_ = nullptr;
    QGroupBox* twoPortGroup_ = nullptr;
    QCheckBox* polar_ = nullptr;
    QCheckBox* decibels_ = nullptr;
    QLabel* frequency_ = nullptr;
    QLabel* maximumGainCaption_ = nullptr;
    std::array<QRadioButton*, 6> operations_{};
    std::array<QLineEdit*, 51> edits_{}; // Edit1..Edit50 at their numbers
};

} // namespace qv
