#include "matching/windows/response_window.h"

#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/errors.h"
#include "core/numbers/sentinels.h"
#include "matching/analysis/response_plot.h"
#include "matching/drawing/response_locus.h"
#include "matching/model/sweep_texts.h"
#include "matching/windows/response_chart.h"
#include "sparams/model/sparameter_file_texts.h"
#include "ui/field_reader.h"
#include "ui/fixed_dialog.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"

#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <thread>

namespace qv {

namespace {

constexpr int DefaultPoints = 401;
constexpr int DefaultBuilds = 1000;

QLineEdit* AddField(QGridLayout* grid, QWidget* parent, const char* name, const QString& caption,
                    int column) {
    grid->addWidget(new QLabel(caption, parent), 0, column);
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaximumWidth(110);
    grid->addWidget(edit, 0, column + 1);
    return edit;
}

std::optional<Real> FrequencyField(const QLineEdit* edit) {
    return TryParseEngineering(U8(edit->text()));
}

// The console's answer, without its prompt mark, in a message box.
void ShowAnswer(Prompter& prompter, const std::string& answer) {
    prompter.showMessage(Q(answer.starts_with('>') ? answer.substr(1) : answer));
}

} // namespace

Tfresp::Tfresp(ProgramState& state, Prompter& prompter, LoadReader readLoad, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), prompter_(prompter), readLoad_(std::move(readLoad)) {
    setObjectName(QStringLiteral("Tfresp"));
    setWindowTitle(tr("频率响应"));
    resize(760, 520);

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    Edit1 = AddField(grid, this, "Edit1", tr("起始频率"), 0);
    Edit2 = AddField(grid, this, "Edit2", tr("终止频率"), 2);
    Edit3 = AddField(grid, this, "Edit3", tr("点数"), 4);
    Edit4 = AddField(grid, this, "Edit4", tr("门限dB"), 6);
    Edit3->setText(QString::number(DefaultPoints));
    Edit4->setText(QStringLiteral("10"));

    grid->addWidget(new QLabel(tr("负载"), this), 1, 0);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems(
        {tr("匹配设置的负载（恒定）"), tr("S参数文件的S11（端口1）"), tr("S参数文件的S22（端口2）")});
    grid->addWidget(ComboBox1, 1, 1, 1, 3);
    BitBtn2 = new QPushButton(tr("负载文件..."), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    grid->addWidget(BitBtn2, 1, 4, 1, 2);
    BitBtn1 = new QPushButton(tr("扫描"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    grid->addWidget(BitBtn1, 1, 6, 1, 2);

    grid->addWidget(new QLabel(tr("成品率次数"), this), 2, 0);
    Edit5 = new QLineEdit(QString::number(DefaultBuilds), this);
    Edit5->setObjectName(QStringLiteral("Edit5"));
    Edit5->setMaximumWidth(110);
    Edit5->setToolTip(tr("按元件模型（parts）的Q和容差装配的次数，最多100000"));
    grid->addWidget(Edit5, 2, 1);
    CheckBox1 = new QCheckBox(tr("画出分布"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    grid->addWidget(CheckBox1, 2, 2, 1, 2);
    BitBtn3 = new QPushButton(tr("成品率"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    grid->addWidget(BitBtn3, 2, 4, 1, 2);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    // The band and the Bode-Fano limit beside it can take two lines.
    Label1->setWordWrap(true);
    Label1->setMinimumHeight(2 * Label1->fontMetrics().lineSpacing());
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Label3);

    BitBtn4 = new QPushButton(tr("导出Touchstone..."), this);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn4->setToolTip(tr("扫描结果导出为Touchstone文件（.s1p 输入反射，.s2p 匹配网络）"));
    grid->addWidget(BitBtn4, 2, 6);
    BitBtn5 = new QPushButton(tr("导出图..."), this);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    BitBtn5->setToolTip(tr("频率响应图导出为PNG、SVG、PDF，或数据导出为CSV"));
    grid->addWidget(BitBtn5, 2, 7);

    chart_ = new ResponseChart;
    ChartView1 = new QChartView(chart_, this);
    ChartView1->setObjectName(QStringLiteral("ChartView1"));
    ChartView1->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(ChartView1, 1);

    // Without a file reader plugged in only the constant load can be chosen.
    if (!readLoad_) {
        ComboBox1->setEnabled(false);
        BitBtn2->setEnabled(false);
    }

    connect(BitBtn1, &QPushButton::clicked, this, &Tfresp::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &Tfresp::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &Tfresp::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &Tfresp::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &Tfresp::BitBtn5Click);
    session_.changed = [this] { sessionChanged(); };
    session_.writePlot = SaveResponsePlot;
    connect(CheckBox1, &QCheckBox::toggled, this, [this] {
        if (yield_)
            showYield(*yield_);
    });
}

void Tfresp::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Opened for the first time: a band of +-20 % around the design frequency.
    if (Edit1->text().isEmpty() && Edit2->text().isEmpty()) {
        Edit1->setText(Q(FormatFrequency(state_.Fo * 0.8L)));
        Edit2->setText(Q(FormatFrequency(state_.Fo * 1.2L)));
    }
    if (session_.lastRange)
        emit locusChanged();
}

void Tfresp::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (session_.lastRange)
        emit locusChanged();
}

const LoadTable* Tfresp::load() const {
    return session_.load ? &*session_.load : nullptr;
}

// The load the user chose: nothing for the constant load, else the file's port read again, so a
// changed file or port takes effect. False (after a message) when the file cannot serve.
bool Tfresp::readLoadChoice(std::optional<LoadTable>& chosen) {
    const int port = ComboBox1->currentIndex();
    chosen.reset();
    if (port == 0)
        return true;
    if (loadFile_.empty()) {
        prompter_.showMessage(tr("请先用“负载文件...”选择S参数文件"));
        return false;
    }
    LoadFileRead read = readLoad_(loadFile_, port, state_.Zo);
    if (!read.table) {
        prompter_.showMessage(LoadReadText(read));
        return false;
    }
    chosen = std::move(read.table);
    return true;
}

void Tfresp::BitBtn2Click() {
    const std::optional<QString> name = prompter_.openFileName(
        tr("负载的S参数文件"), {}, tr("Touchstone (*.s1p *.s2p *.S1P *.S2P);;所有文件 (*)"));
    if (!name || name->isEmpty())
        return;
    loadFile_ = U8(*name);
    if (ComboBox1->currentIndex() == 0)
        ComboBox1->setCurrentIndex(1);
    if (session_.lastRange)
        BitBtn1Click();
}

Refusable<Tfresp::SweepInputs> Tfresp::readSweep() const {
    FieldReader reader;
    SweepInputs in;
    in.startHz = reader.value([&] { return FrequencyField(Edit1); }, FieldErrorText(U8(tr("起始频率"))));
    in.stopHz = reader.value([&] { return FrequencyField(Edit2); }, FieldErrorText(U8(tr("终止频率"))));
    in.points = reader.wholeNumber(*Edit3, FieldErrorText(U8(tr("点数"))));
    const std::string thresholdRefusal = FieldErrorText(U8(tr("门限dB")));
    in.thresholdDb = reader.number(*Edit4, thresholdRefusal);
    reader.require(in.thresholdDb > 0, thresholdRefusal);
    return reader.result(in);
}

Refusable<YieldRequest> Tfresp::readYield() const {
    FieldReader reader;
    YieldRequest request;
    request.startHz = reader.value([&] { return FrequencyField(Edit1); }, InputErrorText());
    request.stopHz = reader.value([&] { return FrequencyField(Edit2); }, InputErrorText());
    request.returnLossDb = reader.number(*Edit4, InputErrorText());
    request.builds = reader.wholeNumber(*Edit5, InputErrorText());
    return reader.result(request);
}

void Tfresp::BitBtn1Click() {
    const Refusable<SweepInputs> in = readSweep();
    if (ReportRefusal(prompter_, in))
        return;
    if (state_.NodeCount < 1) {
        prompter_.showMessage(tr("没有设置负载和源阻抗"));
        return;
    }
    std::optional<LoadTable> chosen;
    if (!readLoadChoice(chosen))
        return;
    const SweepRange range{in->startHz, in->stopHz, in->points};
    if (const std::optional<SweepRangeProblem> problem =
            FindSweepRangeProblem(range, chosen ? &*chosen : nullptr)) {
        prompter_.showMessage(SweepRangeText(*problem));
        return;
    }
    session_.load = std::move(chosen);
    session_.lastRange = range;
    session_.lastStage.reset();
    session_.thresholdDb = in->thresholdDb;
    recompute();
    emit locusChanged();
}

void Tfresp::networkChanged() {
    clearYield(); // it described the network as it was
    if (session_.lastRange)
        recompute();
}

void Tfresp::sessionChanged() {
    clearYield();
    if (const std::optional<SweepRange>& range = session_.lastRange) {
        Edit1->setText(Q(FormatFrequency(range->startHz)));
        Edit2->setText(Q(FormatFrequency(range->stopHz)));
        Edit3->setText(QString::number(range->points));
    }
    recompute();
    emit locusChanged();
}

std::optional<std::string> Tfresp::exportFileName(const QString& title, const QString& filter) {
    if (!session_.lastRange) {
        prompter_.showMessage(tr("请先扫描"));
        return std::nullopt;
    }
    const std::optional<QString> name = prompter_.saveFileName(title, {}, filter);
    if (!name || name->isEmpty())
        return std::nullopt;
    return U8(*name);
}

void Tfresp::BitBtn4Click() {
    if (const std::optional<std::string> name =
            exportFileName(tr("导出Touchstone"), tr("Touchstone (*.s1p *.s2p);;所有文件 (*)")))
        ShowAnswer(prompter_, ExportSweepSession(state_, session_, *name));
}

void Tfresp::BitBtn5Click() {
    if (const std::optional<std::string> name = exportFileName(
            tr("导出频率响应图"), tr("PNG (*.png);;SVG (*.svg);;PDF (*.pdf);;CSV (*.csv);;所有文件 (*)")))
        ShowAnswer(prompter_, PlotSweepSession(state_, session_, *name));
}

void Tfresp::clearYield() {
    yield_.reset();
    chart_->showSpread({}, {});
    Label3->clear();
}

void Tfresp::showYield(const YieldResult& result) {
    Label3->setText(Q(FormatYieldLine(result).substr(1)));
    const double top = chart_->returnLossTop();
    if (CheckBox1->isChecked() && top > 0)
        chart_->showSpread(ReturnLossCurve(result.frequenciesHz, result.worstReturnLossDb, top),
                           ReturnLossCurve(result.frequenciesHz, result.bestReturnLossDb, top));
    else
        chart_->showSpread({}, {});
}

void Tfresp::BitBtn3Click() {
    const Refusable<YieldRequest> read = readYield();
    if (ReportRefusal(prompter_, read))
        return;
    if (state_.NodeCount < 1) {
        prompter_.showMessage(tr("没有设置负载和源阻抗"));
        return;
    }
    YieldRequest request = *read;
    request.network = SweepNetworkOf(state_);
    const LoadTable* table = load();
    if (const std::optional<YieldRefusal> problem = YieldRequestProblem(request, table)) {
        prompter_.showMessage(YieldRefusalText(*problem));
        return;
    }
    clearYield();

    // The builds run on worker threads; this thread keeps the window alive and shows the progress.
    YieldProgress progress;
    std::atomic<bool> finished{false};
    YieldResult result;
    std::jthread worker([&] {
        result = RunYield(request, table, &progress);
        finished = true;
    });
    QProgressDialog dialog(tr("成品率计算中..."), tr("取消"), 0, request.builds, this);
    dialog.setObjectName(QStringLiteral("ProgressYield"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(300);
    QEventLoop loop;
    QTimer timer;
    connect(&timer, &QTimer::timeout, this, [&] {
        if (dialog.wasCanceled())
            progress.cancel = true;
        if (finished)
            loop.quit();
        else
            dialog.setValue(progress.done.load());
    });
    timer.start(20);
    loop.exec();
    worker.join();
    dialog.reset();
    if (result.cancelled) {
        Label3->setText(tr("成品率计算已取消"));
        return;
    }
    yield_ = result;
    showYield(result);
}

void Tfresp::recompute() {
    locus_.clear();
    if (!session_.lastRange || FindSweepRangeProblem(*session_.lastRange, load()))
        return;
    if (state_.NodeCount < 1) {
        chart_->clearCurves();
        Label1->setText(tr("没有设置负载和源阻抗"));
        return;
    }
    SessionSweep now = SweepSessionNow(state_, session_);
    locus_ = WithDesignPoint(std::move(now.points), now.atDesign);
    const ResponsePlot& plot = now.plot;
    chart_->showPlot(plot);
    const MatchNode& ends = state_.network[1];
    const BodeFanoLimit limit =
        BodeFanoBandwidth({ends.nodeR * state_.Zo, ends.nodeX * state_.Zo}, state_.Fo, session_.thresholdDb);
    const QString limitText = LimitText(limit, plot.band);
    Label1->setText(limitText.isEmpty() ? BandText(plot) : tr("%1；%2").arg(BandText(plot), limitText));
    const QString loadText =
        load() ? tr("负载：%1").arg(LoadDescription(*load())) : tr("负载：匹配设置的负载（恒定）");
    const QString failureText = PlotFailureText(plot);
    Label2->setText(failureText.isEmpty() ? loadText : loadText + QStringLiteral("\n") + failureText);
}

std::optional<ResponseLocus> Tfresp::locus() const {
    if (!showsLocus())
        return std::nullopt;
    return LocusOfSweep(locus_, state_.Fo);
}

} // namespace qv
