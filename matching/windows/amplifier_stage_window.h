#pragma once

#include "core/settings/program_state.h"
#include "matching/analysis/amplifier_stage.h"

#include <QWidget>
#include <optional>

class QAreaSeries;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QLineSeries;
class QPushButton;
class QValueAxis;

namespace qv {

class Prompter;

// "放大器": the input network, a transistor file and the output network in cascade across a
// band. Plots the transducer gain, both return losses and mu, shades the frequencies where a
// designed termination makes the transistor unstable, says the verdict and which resistor would
// stabilise it, and exports the stage as .s2p and the plot as a picture.
class AmplifierStageWindow final : public QWidget {
    Q_OBJECT
public:
    AmplifierStageWindow(const ProgramState& state, Prompter& prompter, QWidget* parent = nullptr);

    void BitBtn1Click(); // "...": the transistor file
    void BitBtn2Click(); // "...": the input network file
    void BitBtn3Click(); // "...": the output network file
    void BitBtn4Click(); // "计算"
    void BitBtn5Click(); // "导出S2P..."
    void BitBtn6Click(); // "保存图片..."

private:
    std::optional<SweepNetwork> chosenNetwork(const QComboBox* choice, const QLineEdit* file,
                                              const QString& side);
    void plot(const StageResult& result);
    // The axes and the legend: shown once there is a calculation to scale.
    void showScale(bool shown);
    void describe(const StageResult& result, const DeviceData& device, const SweepRange& range);

    const ProgramState& state_;
    Prompter& prompter_;
    QLineEdit* Edit1 = nullptr;     // transistor file
    QLineEdit* Edit2 = nullptr;     // input network file
    QLineEdit* Edit3 = nullptr;     // output network file
    QLineEdit* Edit4 = nullptr;     // start frequency
    QLineEdit* Edit5 = nullptr;     // stop frequency
    QLineEdit* Edit6 = nullptr;     // points
    QComboBox* ComboBox1 = nullptr; // input network: the current one or a file
    QComboBox* ComboBox2 = nullptr; // output network: likewise
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* BitBtn4 = nullptr;
    QPushButton* BitBtn5 = nullptr;
    QPushButton* BitBtn6 = nullptr;
    QLabel* Label1 = nullptr; // the verdict
    QLabel* Label2 = nullptr; // the unstable side and the stabilising resistors
    QChartView* ChartView1 = nullptr;
    QChart* chart_ = nullptr;
    QLineSeries* gain_ = nullptr;
    QLineSeries* inputLoss_ = nullptr;
    QLineSeries* outputLoss_ = nullptr;
    QLineSeries* mu_ = nullptr;
    QLineSeries* unstableTop_ = nullptr;
    QLineSeries* unstableBottom_ = nullptr;
    QAreaSeries* unstable_ = nullptr;
    QValueAxis* frequencyAxis_ = nullptr;
    QValueAxis* decibelAxis_ = nullptr;
    QValueAxis* muAxis_ = nullptr;

    std::optional<StageResult> result_; // of the last calculation
    Real Zo_ = 50;
};

} // namespace qv
