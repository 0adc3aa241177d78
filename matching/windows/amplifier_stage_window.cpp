#include "matching/windows/amplifier_stage_window.h"

#include "chart/drawing/chart_picture.h"
#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/text_format.h"
#include "core/settings/atomic_file.h"
#include "matching/model/network_file.h"
#include "matching/model/sweep_texts.h"
#include "sparams/model/sparameter_file_texts.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace qv {

namespace {

constexpr int DefaultPoints = 201;
// Return losses of a near-perfect match would flatten every other curve.
constexpr Real PlottedLossCeilingDb = 60;

QLineEdit* AddEdit(QGridLayout* grid, QWidget* parent, const char* name, int row, int column, int span = 1) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    grid->addWidget(edit, row, column, 1, span);
    return edit;
}

QPushButton* AddButton(QGridLayout* grid, QWidget* parent, const char* name, const QString& caption, int row,
                       int column) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    grid->addWidget(button, row, column);
    return button;
}

QLineSeries* AddCurve(QChart* chart, const QString& name, QColor colour) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(QPen(colour, 2));
    chart->addSeries(series);
    return series;
}

QString ResistanceText(const BandResistance& r, bool series) {
    if (!r.ohms)
        return AmplifierStageWindow::tr("无法稳定");
    if (series ? *r.ohms == 0 : std::isinf(*r.ohms))
        return AmplifierStageWindow::tr("不需要");
    const QString ohms = Q(Format("%.2f", {*r.ohms}));
    const QString megahertz = Q(Format("%.3f", {r.worstHz / 1e6L}));
    return series ? AmplifierStageWindow::tr(">=%1欧 @%2MHz").arg(ohms, megahertz)
                  : AmplifierStageWindow::tr("<=%1欧 @%2MHz").arg(ohms, megahertz);
}

} // namespace

AmplifierStageWindow::AmplifierStageWindow(const ProgramState& state, Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), prompter_(prompter) {
    setObjectName(QStringLiteral("AmplifierStageWindow"));
    setWindowTitle(tr("放大器"));
    resize(820, 600);

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    grid->addWidget(new QLabel(tr("晶体管文件"), this), 0, 0);
    Edit1 = AddEdit(grid, this, "Edit1", 0, 1, 6);
    BitBtn1 = AddButton(grid, this, "BitBtn1", QStringLiteral("..."), 0, 7);
    const auto networkRow = [&](int row, const QString& caption, const char* combo, const char* edit,
                                const char* button, QComboBox*& choice, QLineEdit*& file,
                                QPushButton*& pick) {
        grid->addWidget(new QLabel(caption, this), row, 0);
        choice = new QComboBox(this);
        choice->setObjectName(QString::fromLatin1(combo));
        choice->addItems({tr("当前网络"), tr("网络文件")});
        grid->addWidget(choice, row, 1);
        file = AddEdit(grid, this, edit, row, 2, 5);
        pick = AddButton(grid, this, button, QStringLiteral("..."), row, 7);
    };
    networkRow(1, tr("输入网络"), "ComboBox1", "Edit2", "BitBtn2", ComboBox1, Edit2, BitBtn2);
    networkRow(2, tr("输出网络"), "ComboBox2", "Edit3", "BitBtn3", ComboBox2, Edit3, BitBtn3);
    grid->addWidget(new QLabel(tr("起始频率"), this), 3, 0);
    Edit4 = AddEdit(grid, this, "Edit4", 3, 1);
    grid->addWidget(new QLabel(tr("终止频率"), this), 3, 2);
    Edit5 = AddEdit(grid, this, "Edit5", 3, 3);
    grid->addWidget(new QLabel(tr("点数"), this), 3, 4);
    Edit6 = AddEdit(grid, this, "Edit6", 3, 5);
    Edit6->setText(QString::number(DefaultPoints));
    // Room for a frequency such as "2.4G" whatever the grid gives the columns above.
    for (QLineEdit* edit : {Edit4, Edit5, Edit6})
        edit->setMinimumWidth(80);
    BitBtn4 = AddButton(grid, this, "BitBtn4", tr("计算"), 3, 6);
    BitBtn5 = AddButton(grid, this, "BitBtn5", tr("导出S2P..."), 4, 6);
    BitBtn6 = AddButton(grid, this, "BitBtn6", tr("保存图片..."), 4, 7);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    layout->addWidget(Label1);
    layout->addWidget(Label2);

    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignBottom);
    unstableTop_ = new QLineSeries(this);
    unstableBottom_ = new QLineSeries(this);
    unstable_ = new QAreaSeries(unstableTop_, unstableBottom_);
    unstable_->setName(tr("不稳定"));
    unstable_->setColor(QColor(255, 0, 0, 50));
    unstable_->setBorderColor(QColor(255, 0, 0, 50));
    chart_->addSeries(unstable_);
    gain_ = AddCurve(chart_, tr("增益GT dB"), QColor(0, 120, 0));
    inputLoss_ = AddCurve(chart_, tr("输入回波损耗 dB"), QColor(200, 0, 0));
    outputLoss_ = AddCurve(chart_, tr("输出回波损耗 dB"), QColor(200, 120, 0));
    mu_ = AddCurve(chart_, QStringLiteral("mu"), QColor(0, 0, 200));

    frequencyAxis_ = new QValueAxis;
    frequencyAxis_->setTitleText(QStringLiteral("MHz"));
    decibelAxis_ = new QValueAxis;
    decibelAxis_->setTitleText(QStringLiteral("dB"));
    decibelAxis_->setLabelFormat(QStringLiteral("%.0f"));
    muAxis_ = new QValueAxis;
    muAxis_->setTitleText(QStringLiteral("mu"));
    chart_->addAxis(frequencyAxis_, Qt::AlignBottom);
    chart_->addAxis(decibelAxis_, Qt::AlignLeft);
    chart_->addAxis(muAxis_, Qt::AlignRight);
    for (QAbstractSeries* s :
         std::initializer_list<QAbstractSeries*>{unstable_, gain_, inputLoss_, outputLoss_}) {
        s->attachAxis(frequencyAxis_);
        s->attachAxis(decibelAxis_);
    }
    mu_->attachAxis(frequencyAxis_);
    mu_->attachAxis(muAxis_);
    showScale(false); // nothing calculated yet

    ChartView1 = new QChartView(chart_, this);
    ChartView1->setObjectName(QStringLiteral("ChartView1"));
    ChartView1->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(ChartView1, 1);

    connect(BitBtn1, &QPushButton::clicked, this, &AmplifierStageWindow::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &AmplifierStageWindow::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &AmplifierStageWindow::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &AmplifierStageWindow::BitBtn4Click);
    connect(BitBtn5, &QPushButton::clicked, this, &AmplifierStageWindow::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &AmplifierStageWindow::BitBtn6Click);
}

void AmplifierStageWindow::BitBtn1Click() {
    const std::optional<QString> name =
        prompter_.openFileName(tr("晶体管文件"), {}, tr("S参数文件 (*.s2p *.S2P *.txt);;所有文件 (*)"));
    if (name && !name->isEmpty())
        Edit1->setText(*name);
}

void AmplifierStageWindow::BitBtn2Click() {
    const std::optional<QString> name =
        prompter_.openFileName(tr("输入网络"), {}, tr("网络文件 (*.smh);;所有文件 (*)"));
    if (name && !name->isEmpty()) {
        Edit2->setText(*name);
        ComboBox1->setCurrentIndex(1);
    }
}

void AmplifierStageWindow::BitBtn3Click() {
    const std::optional<QString> name =
        prompter_.openFileName(tr("输出网络"), {}, tr("网络文件 (*.smh);;所有文件 (*)"));
    if (name && !name->isEmpty()) {
        Edit3->setText(*name);
        ComboBox2->setCurrentIndex(1);
    }
}

// The network in the design now, or the one of the file; nothing (after a message) when the file
// cannot be read.
std::optional<SweepNetwork> AmplifierStageWindow::chosenNetwork(const QComboBox* choice,
                                                                const QLineEdit* file, const QString& side) {
    if (choice->currentIndex() == 0)
        return SweepNetworkOf(state_);
    const Refusable<SweepNetwork> read = ReadSweepNetwork(U8(file->text()), state_.effflag, state_.parts);
    if (!read) {
        prompter_.showMessage(side + QStringLiteral(": ") + Q(read.reason()));
        return std::nullopt;
    }
    return *read;
}

void AmplifierStageWindow::BitBtn4Click() {
    const std::optional<Real> start = TryParseEngineering(U8(Edit4->text()));
    const std::optional<Real> stop = TryParseEngineering(U8(Edit5->text()));
    int points = 0;
    if (!start || !stop || !TryStrToInt(U8(Edit6->text()), points)) {
        prompter_.showMessage(tr("输入错误！"));
        return;
    }
    const DeviceRead device = ReadDeviceFile(U8(Edit1->text()));
    if (!device.data) {
        prompter_.showMessage(tr("晶体管文件: %1").arg(DeviceErrorText(device.error)));
        return;
    }
    const std::optional<SweepNetwork> input = chosenNetwork(ComboBox1, Edit2, tr("输入网络"));
    if (!input)
        return;
    const std::optional<SweepNetwork> output = chosenNetwork(ComboBox2, Edit3, tr("输出网络"));
    if (!output)
        return;
    const StageNetworks networks{*input, *output};
    const SweepRange range{*start, *stop, points};
    if (const std::optional<StageRefusal> problem = StageProblem(networks, *device.data, range)) {
        prompter_.showMessage(StageRefusalText(*problem));
        return;
    }
    result_ = AnalyseStage(networks, *device.data, range);
    Zo_ = networks.input.Zo;
    plot(*result_);
    describe(*result_, *device.data, range);
}

void AmplifierStageWindow::showScale(bool shown) {
    for (QValueAxis* axis : {frequencyAxis_, decibelAxis_, muAxis_})
        axis->setVisible(shown);
    chart_->legend()->setVisible(shown);
}

void AmplifierStageWindow::plot(const StageResult& result) {
    showScale(true);
    QList<QPointF> gain, inputLoss, outputLoss, mu, top, bottom;
    Real low = 0;
    Real high = 10;
    Real muTop = 2;
    for (const StagePoint& p : result.points) {
        if (!p.ok)
            continue;
        const qreal mhz = static_cast<qreal>(p.frequencyHz / 1e6L);
        const Real in = std::min(p.inputReturnLossDb, PlottedLossCeilingDb);
        const Real out = std::min(p.outputReturnLossDb, PlottedLossCeilingDb);
        gain.append({mhz, static_cast<qreal>(p.gainDb)});
        inputLoss.append({mhz, static_cast<qreal>(in)});
        outputLoss.append({mhz, static_cast<qreal>(out)});
        mu.append({mhz, static_cast<qreal>(p.mu)});
        low = std::min({low, p.gainDb, in, out});
        high = std::max({high, p.gainDb, in, out});
        muTop = std::max(muTop, p.mu);
    }
    low = 5 * std::floor(low / 5);
    high = 5 * std::ceil(high / 5);
    // The shading spans half-way to the neighbouring frequencies of each unstable one.
    const std::vector<StagePoint>& points = result.points;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const StagePoint& p = points[i];
        const bool unstable = p.ok && !(p.inputReflection < 1 && p.outputReflection < 1);
        const Real left = i == 0 ? p.frequencyHz : (p.frequencyHz + points[i - 1].frequencyHz) / 2;
        const Real right =
            i + 1 == points.size() ? p.frequencyHz : (p.frequencyHz + points[i + 1].frequencyHz) / 2;
        const qreal y = static_cast<qreal>(unstable ? high : low);
        top.append({static_cast<qreal>(left / 1e6L), y});
        top.append({static_cast<qreal>(right / 1e6L), y});
        bottom.append({static_cast<qreal>(left / 1e6L), static_cast<qreal>(low)});
        bottom.append({static_cast<qreal>(right / 1e6L), static_cast<qreal>(low)});
    }
    gain_->replace(gain);
    inputLoss_->replace(inputLoss);
    outputLoss_->replace(outputLoss);
    mu_->replace(mu);
    unstableTop_->replace(top);
    unstableBottom_->replace(bottom);
    if (!points.empty())
        frequencyAxis_->setRange(static_cast<qreal>(points.front().frequencyHz / 1e6L),
                                 static_cast<qreal>(points.back().frequencyHz / 1e6L));
    decibelAxis_->setRange(static_cast<qreal>(low), static_cast<qreal>(high));
    muAxis_->setRange(0, static_cast<qreal>(std::ceil(std::min<Real>(muTop, 100))));
}

void AmplifierStageWindow::describe(const StageResult& result, const DeviceData& device,
                                    const SweepRange& range) {
    const StageVerdict& v = result.verdict;
    const QString worstInput = Q(Format("%.4f", {v.worstInput}));
    const QString worstInputMHz = Q(Format("%.3f", {v.worstInputHz / 1e6L}));
    const QString worstOutput = Q(Format("%.4f", {v.worstOutput}));
    const QString worstOutputMHz = Q(Format("%.3f", {v.worstOutputHz / 1e6L}));
    Label1->setText((v.stable ? tr("稳定：|Gin|<=%1 @%2MHz，|Gout|<=%3 @%4MHz")
                              : tr("不稳定：|Gin|<=%1 @%2MHz，|Gout|<=%3 @%4MHz"))
                        .arg(worstInput, worstInputMHz, worstOutput, worstOutputMHz));
    QStringList advice;
    if (v.failed > 0)
        advice << tr("%1个频率点无法计算").arg(Q(Format("%d", {v.failed})));
    if (v.firstUnstableInputHz)
        advice
            << tr("输入端不稳定的最低频率：%1MHz").arg(Q(Format("%.3f", {*v.firstUnstableInputHz / 1e6L})));
    if (v.firstUnstableOutputHz)
        advice
            << tr("输出端不稳定的最低频率：%1MHz").arg(Q(Format("%.3f", {*v.firstUnstableOutputHz / 1e6L})));
    if (!v.stable) {
        const std::array<BandResistance, 4> r = StageStabilisingResistors(device, range, Zo_);
        advice << tr("稳定电阻（mu>1）：输入串联 %1，输入并联 %2，输出串联 %3，输出并联 %4")
                      .arg(ResistanceText(r[0], true), ResistanceText(r[1], false),
                           ResistanceText(r[2], true), ResistanceText(r[3], false));
    }
    Label2->setText(advice.join(QStringLiteral("\n")));
}

void AmplifierStageWindow::BitBtn5Click() {
    if (!result_) {
        prompter_.showMessage(tr("请先计算"));
        return;
    }
    const std::optional<QString> name =
        prompter_.saveFileName(tr("导出S2P..."), {}, QStringLiteral("Touchstone (*.s2p)"));
    if (!name || name->isEmpty())
        return;
    const QString answer = ExportAnswer(ExportStageTouchstone(U8(*name), *result_, Zo_), U8(*name), true);
    // The console's answer without its prompt mark.
    prompter_.showMessage(answer.mid(1));
}

void AmplifierStageWindow::BitBtn6Click() {
    const std::optional<QString> name =
        prompter_.saveFileName(tr("保存图片..."), {}, tr("图片 (*.png *.bmp)"));
    if (!name || name->isEmpty())
        return;
    const std::string path = U8(*name);
    if (!SavePictureAtomically(ChartView1->grab().toImage(), path, PictureFormatOf(path)))
        prompter_.showMessage(tr("无法写入文件 %1").arg(*name));
}

} // namespace qv
