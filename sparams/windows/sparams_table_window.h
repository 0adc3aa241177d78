#pragma once

#include "core/settings/program_state.h"
#include "sparams/analysis/device_data.h"

#include <QWidget>
#include <optional>
#include <string_view>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace qv {

class ChartCanvas;
class MessageHub;
class Prompter;
class SParamsTableModel;
struct SParameterTable;

// "S参数表": a maker's S-parameter file as a grid under its header lines. S11 and S22 of every
// row can be plotted on the chart, and a row goes to the two-port calculator when a mouse button
// other than the left one is released over it.
class TFspopt final : public QWidget {
    Q_OBJECT
public:
    TFspopt(ProgramState& state, ChartCanvas& canvas, MessageHub& hub, Prompter& prompter,
            QWidget* parent = nullptr);

    void BitBtn1Click();    // "打开文件"
    void ComboBox1Change(); // maker
    // Loads the file's bytes into the grid and header view with the selected maker format and
    // label interval, plotting when "图上显示" is ticked. A file that does not parse is reported
    // and changes nothing. True when loaded.
    bool LoadSParamTable(std::string_view bytes);
    // Sends the data row (from 0) to the two-port calculator.
    void SendRowToCalculator(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void plot(const SParameterTable& table);
    void sizeColumns();

    ProgramState& state_;
    ChartCanvas& canvas_;
    MessageHub& hub_;
    Prompter& prompter_;
    QString lastDirectory_;
    SParamsTableModel* model_ = nullptr;
    // The file as design data, for the noise parameters a sent row carries.
    std::optional<DeviceData> device_;
    QComboBox* comboBox1_ = nullptr;
    QComboBox* comboBox2_ = nullptr;
    QCheckBox* checkBox1_ = nullptr;
    QPlainTextEdit* memo1_ = nullptr;
    QTableView* stringGrid1_ = nullptr;
};

} // namespace qv
