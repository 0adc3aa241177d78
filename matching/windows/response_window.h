#pragma once

#include "chart/analysis/overlay_items.h"
#include "core/numbers/errors.h"
#include "core/settings/program_state.h"
#include "matching/analysis/frequency_response.h"
#include "matching/analysis/yield.h"
#include "matching/console/console_sweep.h"

#include <QWidget>
#include <functional>
#include <optional>

class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QCheckBox;
class QPushButton;

namespace qv {

class Prompter;
class ResponseChart;

// Reads a port (1 or 2) of a Touchstone file as a load table, or says why it cannot. Without one
// the window offers only the constant load.
using LoadReader = std::function<LoadFileRead(const std::string& path, int port, Real Zo)>;

// "频率响应": return loss and VSWR of the designed network against frequency, the band around the
// design frequency, and the locus of the source-end impedance on the chart. After the first sweep
// the plot follows every change of the network. Its sweep is the console's: a sweep made in either
// is the one the other shows, exports and plots.
class Tfresp final : public QWidget {
    Q_OBJECT
public:
    Tfresp(ProgramState& state, Prompter& prompter, LoadReader readLoad, QWidget* parent = nullptr);

    // "扫描": reads the fields and sweeps.
    void BitBtn1Click();
    // "负载文件...": asks for a Touchstone file for the load, and sweeps again when a sweep is shown.
    void BitBtn2Click();
    // "成品率": builds the network Edit5 times within the parts' tolerances over the band of Edit1
    // and Edit2, with a progress dialog that can cancel; the spread is drawn when CheckBox1 is on.
    void BitBtn3Click();
    // "导出Touchstone...": the sweep as a .s1p or .s2p file.
    void BitBtn4Click();
    // "导出图...": the plot as PNG, SVG or PDF, or its numbers as CSV.
    void BitBtn5Click();

    // The sweep this window shows, for the console to share.
    SweepSession& sweepSession() { return session_; }

    // The network, its ends, Fo, Zo or a mode has changed: the shown sweep is recomputed.
    void networkChanged();

    // True while the window is open on a sweep: the chart then shows the locus.
    bool showsLocus() const { return session_.lastRange && isVisible(); }

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
    // The console swept or chose another load: the fields and the plot show its sweep.
    void sessionChanged();
    // Asks for a file name to export to; nothing when there is no sweep yet or it was cancelled.
    std::optional<std::string> exportFileName(const QString& title, const QString& filter);

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
    QPushButton* BitBtn4 = nullptr; // Touchstone export
    QPushButton* BitBtn5 = nullptr; // plot export
    QChartView* ChartView1 = nullptr;
    ResponseChart* chart_ = nullptr;

    SweepSession session_;             // the range and load of the sweep shown; no range before the first
    std::vector<ResponsePoint> locus_; // the sweep on the network as it was at the last change, with
                                       // the design frequency itself when it lies inside
    std::string loadFile_;             // chosen with "负载文件..."
    std::optional<YieldResult> yield_; // on the network as it is; nothing after a change
};

} // namespace qv
