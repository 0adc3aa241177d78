#pragma once

#include "chart/analysis/overlay_items.h"
#include "core/numbers/errors.h"
#include "core/settings/program_state.h"
#include "matching/analysis/frequency_response.h"
#include "matching/analysis/yield.h"

#include <QWidget>
#include <functional>
#include <optional>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QLineSeries;
class QAreaSeries;
class QCheckBox;
class QPushButton;
class QValueAxis;

namespace qv {

class Prompter;

// Reads a port (1 or 2) of a Touchstone file as a load table, or says why it cannot. Without one
// the window offers only the constant load.
using LoadReader = std::function<LoadFileRead(const std::string& path, int port, Real Zo)>;

// "频率响应": return loss and VSWR of the designed network against frequency, the band around the
// design frequency, and the locus of the source-end impedance on the chart. After the first sweep
// the plot follows every change of the network.
class Tfresp final : public QWidget {
    Q_OBJECT
public:
    Tfresp(ProgramState& state, Prompter& prompter, LoadReader readLoad, QWidget* parent = nullptr);

    // "扫描": reads the fields and sweeps.
    void BitBtn1Click();
    // "负载文件...": asks for a Touchstone file for the load.
    void BitBtn2Click();
    // "成品率": builds the network Edit5 times within the parts' tolerances over the band of Edit1
    // and Edit2, with a progress dialog that can cancel; the spread is drawn when CheckBox1 is on.
    void BitBtn3Click();

    // The network, its ends, Fo, Zo or a mode has changed: the shown sweep is recomputed.
    void networkChanged();

    // True while the window is open on a sweep: the chart then shows the locus.
    bool showsLocus() const { return range_ && isVisible(); }

    // The locus of the sweep shown, while the window is open; nothing otherwise. networkChanged
    // must have run before it is taken after a change (app/ connects it first).
    std::optional<ResponseLocus> locus() const;

signals:
    // The locus appeared, changed its range or went away: the chart should be redrawn.
    void locusChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The band, points and threshold of "计算", or "输入错误：" with the first refused field.
    struct SweepInputs {
        Real startHz = 0;
        Real stopHz = 0;
        int points = 0;
        Real thresholdDb = 0;
    };
    Refusable<SweepInputs> readSweep() const;
    // The band, threshold and builds of "成品率", or "输入错误！".
    Refusable<YieldRequest> readYield() const;
    const LoadTable* load() const;
    bool readLoadChoice(std::optional<LoadTable>& chosen);
    void recompute();
    void clearYield();
    void showYield(const YieldResult& result);

    ProgramState& state_;
    Prompter& prompter_;
    LoadReader readLoad_;
    QLineEdit* Edit1 = nullptr;     // start frequency
    QLineEdit* Edit2 = nullptr;     // stop frequency
    QLineEdit* Edit3 = nullptr;     // points
    QLineEdit* Edit4 = nullptr;     // return-loss threshold, dB
    QComboBox* ComboBox1 = nullptr; // the load
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QLineEdit* Edit5 = nullptr;     // builds of the yield
    QPushButton* BitBtn3 = nullptr; // the yield
    QCheckBox* CheckBox1 = nullptr; // draw the spread of the builds
    QLabel* Label1 = nullptr;       // the band and the Bode-Fano limit
    QLabel* Label3 = nullptr;       // the yield
    QLabel* Label2 = nullptr;       // the load and any failed frequencies
    QChartView* ChartView1 = nullptr;
    QChart* chart_ = nullptr;
    QLineSeries* returnLoss_ = nullptr;
    QLineSeries* vswr_ = nullptr;
    QLineSeries* design_ = nullptr;
    QLineSeries* bandTop_ = nullptr;
    QAreaSeries* band_ = nullptr;
    QLineSeries* worst_ = nullptr; // the spread of the last yield: worst and best return loss
    QLineSeries* best_ = nullptr;
    QValueAxis* frequencyAxis_ = nullptr;
    QValueAxis* returnLossAxis_ = nullptr;
    QValueAxis* vswrAxis_ = nullptr;

    std::optional<SweepRange> range_;  // of the sweep shown; nothing before the first
    std::vector<ResponsePoint> sweep_; // on the network as it was at the last change
    Real thresholdDb_ = DefaultBandThresholdDb;
    std::string loadFile_;                // chosen with "负载文件..."
    std::optional<LoadTable> activeLoad_; // of the sweep shown; nothing: the constant load
    std::optional<YieldResult> yield_;    // on the network as it is; nothing after a change
    double returnLossTop_ = 0;            // of the plot shown
};

} // namespace qv
