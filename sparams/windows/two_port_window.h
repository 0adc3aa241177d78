#pragma once

#include "ui/fixed_dialog.h"

#include <QByteArray>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace qv {

class MessageHub;
class Prompter;
struct ProgramState;

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

    void fimacalcClick(); // "计算"
    void BitBtn1Click();  // "中间值"
    void BitBtn2Click();  // "C"
    void BitBtn3Click();  // "S=>Z"
    void BitBtn5Click();  // "文件输入"
    void Button1Click();  // "L"
    void Button2Click();  // "S"
    // A row of an S-parameter file sent by the file windows.
    void WmCopyData(const QByteArray& block);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildComplexGroup();
    void buildTwoPortGroup();
    QLineEdit* edit(int number) const { return edits_[static_cast<std::size_t>(number)]; }
    QLineEdit* addNumberedEdit(int number, int x, int y, int width, QWidget* into,
                               const char* hint = nullptr);
    void setText(int number, const std::string& text);

    ProgramState& state_;
    MessageHub& hub_;
    Prompter& prompter_;
    QWidget* fileInput_ = nullptr;
    QGroupBox* twoPortGroup_ = nullptr;
    QCheckBox* polar_ = nullptr;
    QCheckBox* decibels_ = nullptr;
    QLabel* frequency_ = nullptr;
    QLabel* maximumGainCaption_ = nullptr;
    std::array<QRadioButton*, 6> operations_{};
    std::array<QLineEdit*, 45> edits_{}; // Edit1..Edit44 at their numbers
};

} // namespace qv
