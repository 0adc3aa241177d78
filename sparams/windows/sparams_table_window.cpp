#include "sparams/windows/sparams_table_window.h"

#include "chart/drawing/overlays.h"
#include "chart/windows/entry_canvas.h"
#include "core/numbers/errors.h"
#include "core/settings/atomic_file.h"
#include "sparams/analysis/sparameter_file_row.h"
#include "sparams/drawing/sparameter_file_plot.h"
#include "sparams/model/sparameter_file_texts.h"
#include "sparams/windows/sparameter_file_dialog.h"
#include "sparams/windows/sparams_table_model.h"
#include "ui/message_hub.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace qv {

namespace {
constexpr int LabelIntervals = 15;
constexpr int ColumnSampleRows = 100;
} // namespace

TFspopt::TFspopt(ProgramState& state, ChartCanvas& canvas, MessageHub& hub, Prompter& prompter,
                 QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), state_(state), canvas_(canvas), hub_(hub),
      prompter_(prompter) {
    setObjectName(QStringLiteral("TFspopt"));
    setWindowTitle(tr("S参数表"));
    resize(980, 600);

    auto* panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    auto* tools = new QHBoxLayout(panel1);
    comboBox1_ = new QComboBox(panel1);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    for (const char* maker : MakerNames)
        comboBox1_->addItem(Q(maker));
    comboBox2_ = new QComboBox(panel1);
    comboBox2_->setObjectName(QStringLiteral("ComboBox2"));
    for (int k = 1; k <= LabelIntervals; ++k)
        comboBox2_->addItem(tr("显示间隔%1").arg(k));
    checkBox1_ = new QCheckBox(tr("图上显示"), panel1);
    checkBox1_->setObjectName(QStringLiteral("CheckBox1"));
    auto* bitBtn1 = new QPushButton(tr("打开文件"), panel1);
    bitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    tools->addWidget(comboBox1_);
    tools->addWidget(comboBox2_);
    tools->addWidget(checkBox1_);
    tools->addStretch();
    tools->addWidget(bitBtn1);

    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setReadOnly(true);
    memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo1_->setFixedHeight(150);

    model_ = new SParamsTableModel(this);
    stringGrid1_ = new QTableView(this);
    stringGrid1_->setObjectName(QStringLiteral("StringGrid1"));
    stringGrid1_->setModel(model_);
    QFont gridFont = stringGrid1_->font();
    gridFont.setPointSize(12);
    stringGrid1_->setFont(gridFont);
    stringGrid1_->verticalHeader()->hide();
    stringGrid1_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    stringGrid1_->verticalHeader()->setDefaultSectionSize(QFontMetrics(gridFont).height() + 6);
    stringGrid1_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    stringGrid1_->horizontalHeader()->setHighlightSections(false);
    // Column widths are measured on the first rows, not on thousands: a file's columns keep one
    // format throughout, and every measured cell is a text made for it.
    stringGrid1_->horizontalHeader()->setResizeContentsPrecision(ColumnSampleRows);
    stringGrid1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    stringGrid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    stringGrid1_->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel1);
    layout->addWidget(memo1_);
    layout->addWidget(stringGrid1_, 1);

    connect(bitBtn1, &QPushButton::clicked, this, &TFspopt::BitBtn1Click);
    connect(comboBox1_, &QComboBox::currentIndexChanged, this, &TFspopt::ComboBox1Change);
    ComboBox1Change();
}

void TFspopt::ComboBox1Change() {
    model_->setFormat(comboBox1_->currentIndex() + 1);
    sizeColumns();
}

void TFspopt::sizeColumns() {
    const int columns = model_->columnCount();
    const int width = std::max(20, stringGrid1_->viewport()->width() / std::max(1, columns) - 2);
    // A column never narrows below its widest visible text: a cut number would be misread.
    for (int c = 0; c < columns; ++c) {
        stringGrid1_->resizeColumnToContents(c);
        stringGrid1_->setColumnWidth(c, std::max(width, stringGrid1_->columnWidth(c)));
    }
}

void TFspopt::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    sizeColumns();
}

void TFspopt::BitBtn1Click() {
    const std::optional<ChosenSParameterFile> chosen = ChooseSParameterFile(prompter_, lastDirectory_);
    if (!chosen)
        return;
    lastDirectory_ = QFileInfo(chosen->path).absolutePath();
    LoadSParamTable(chosen->bytes);
}

bool TFspopt::LoadSParamTable(std::string_view bytes) {
    const int format = comboBox1_->currentIndex() + 1;
    SParameterParse parsed = ParseSParameterFile(bytes, {format, state_.Zo, checkBox1_->isChecked()});
    if (!parsed.table) {
        prompter_.showMessage(SParameterErrorText(parsed.error));
        return false;
    }
    SParameterTable& table = *parsed.table;
    QStringList header;
    for (const std::string& line : table.headerLines)
        header << Q(DisplayTextOfBytes(line));
    for (const SParameterWarning& warning : table.warnings)
        header << SParameterWarningText(warning);
    memo1_->setPlainText(header.join(QLatin1Char('\n')));
    if (checkBox1_->isChecked())
        plot(table);
    // The makers' eleven-column layout is no Touchstone file: no noise block is looked for there.
    device_.reset();
    if (format != AgilentFormat)
        device_ = ReadDeviceData(bytes).data;
    model_->setTable(std::move(table));
    sizeColumns();
    return true;
}

void TFspopt::plot(const SParameterTable& table) {
    const int interval = comboBox2_->currentIndex() + 1;
    // Each port's points are the impedances of its own reference ("[Reference] 50 25") against Zo.
    const auto [port1Ohms, port2Ohms] = table.portReferenceOhms;
    PointPlot plot{{}, SParameterLegends()};
    plot.points.reserve(2 * table.rows.size());
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const SParameterRow& row = table.rows[i];
        for (ChartPlotPoint& point : PlotPointsOfRow(
                 RowLabel(table, i, interval), ReflectionAgainstZo(*row.s11, port1Ohms, state_.Zo),
                 ReflectionAgainstZo(*row.s22, port2Ohms, state_.Zo), false))
            plot.points.push_back(std::move(point));
    }
    // The cursor readout ends as the last point inside the chart leaves it; the earlier points'
    // readouts would only be overwritten.
    for (auto it = plot.points.rbegin(); it != plot.points.rend(); ++it) {
        PixelPoint p;
        try {
            p = GammaToPixel(state_.geometry, it->gamma);
        } catch (const FloatingPointError&) {
            continue;
        }
        if (PointReadout(canvas_.picture(), p.x, p.y, state_, canvas_.readout()).filled)
            break;
    }
    canvas_.addPointPlot(std::move(plot), state_.geometry);
    canvas_.repaint();
}

void TFspopt::SendRowToCalculator(int row) {
    if (row < 0 || row >= model_->rowCount())
        return;
    const auto index = static_cast<std::size_t>(row);
    std::optional<NoiseParameters> noise;
    if (device_ && device_->rows.size() == static_cast<std::size_t>(model_->rowCount()))
        if (const std::optional<DevicePoint> point = DeviceAt(*device_, device_->rows[index].frequencyHz))
            noise = point->noise;
    const std::string block = TableRowMessage(model_->table(), index, noise);
    emit hub_.sparameterRow(QByteArray(block.data(), static_cast<qsizetype>(block.size())));
}

bool TFspopt::eventFilter(QObject* watched, QEvent* event) {
    if (watched == stringGrid1_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) {
            const QModelIndex index = stringGrid1_->indexAt(mouse->position().toPoint());
            if (index.isValid())
                SendRowToCalculator(index.row());
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qv
