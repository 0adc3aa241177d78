#include "matching/windows/auto_match_window.h"

#include "chart/windows/entry_canvas.h"
#include "core/numbers/engineering.h"
#include "core/numbers/errors.h"
#include "core/numbers/text_format.h"
#include "matching/drawing/element_path.h"
#include "matching/model/auto_match_network.h"
#include "matching/model/auto_match_texts.h"
#include "matching/model/network_model.h"
#include "ui/field_reader.h"
#include "ui/fitted_row.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

namespace qv {

namespace {

constexpr int WindowWidth = 860;
constexpr int WindowHeight = 444;
constexpr std::array<ESeries, 4> SeriesChoices = {ESeries::E24, ESeries::E12, ESeries::E48, ESeries::E96};
const std::array<const char*, 4> SubstrateCaptions = {
    QT_TRANSLATE_NOOP("qv::AutoMatchWindow", "线宽mm"),
    QT_TRANSLATE_NOOP("qv::AutoMatchWindow", "板厚mm"),
    QT_TRANSLATE_NOOP("qv::AutoMatchWindow", "铜厚mm"),
    QT_TRANSLATE_NOOP("qv::AutoMatchWindow", "介电常数"),
};

QString MillimetreText(Real metres) {
    return Q(Format("%g", {metres * 1000}));
}

} // namespace

AutoMatchWindow::AutoMatchWindow(NetworkModel& network, Prompter& prompter, QWidget* parent)
    : FixedDialog("AutoMatchWindow", tr("自动匹配"), WindowWidth, WindowHeight, WindowSkyBlue, parent),
      network_(network), prompter_(prompter) {
    setWindowFlag(Qt::WindowStaysOnTopHint);
    const std::array<const char*, 4> names = {"CheckL", "CheckPi", "CheckT", "CheckStub"};
    const std::array<QString, 4> captions = {tr("L"), tr("Pi"), tr("T"), tr("单支节")};
    FittedRow top;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int x = 8 + 70 * static_cast<int>(i);
        topologies_[i] = addCheckBox(names[i], captions[i], x, 8, 66);
        top.placeCaption(*topologies_[i], x, 66);
        topologies_[i]->setChecked(true);
    }
    top.placeCaption(*addLabel("LabelQ", tr("有载Q"), 300, 10, 44), 300, 44);
    q_ = addEdit("EditQ", 346, 8, 60);
    top.placeField(*q_, 346, 60);
    q_->setToolTip(tr("Pi和T网络的有载Q，空着时取L网络最小Q的两倍"));
    top.placeCaption(*addLabel("LabelSeries", tr("标称系列"), 420, 10, 60), 420, 60);
    series_ = new QComboBox(this);
    series_->setObjectName(QStringLiteral("ComboSeries"));
    series_->setGeometry(482, 8, 70, 24);
    top.placeField(*series_, 482, 70);
    for (ESeries s : SeriesChoices)
        series_->addItem(Q(std::string(ESeriesName(s))));
    const std::array<const char*, 4> fieldNames = {"EditW", "EditH", "EditT", "EditEr"};
    FittedRow substrate;
    for (std::size_t i = 0; i < fieldNames.size(); ++i) {
        const int x = 8 + 150 * static_cast<int>(i);
        substrate.placeCaption(*addLabel(nullptr, tr(SubstrateCaptions[i]), x, 42, 60), x, 60);
        substrate_[i] = addEdit(fieldNames[i], x + 62, 40, 80);
        substrate.placeField(*substrate_[i], x + 62, 80);
    }
    shorted_ = addCheckBox("CheckShort", tr("短路支节"), 610, 42, 100);
    substrate.placeCaption(*shorted_, 610, 100);
    QPushButton* solve = addButton("ButtonSolve", tr("计算"), 720, 8, 120);
    connect(solve, &QPushButton::clicked, this, &AutoMatchWindow::solveClick);
    setDefaultButton(solve);

    table_ = new QTableWidget(0, 7, this);
    table_->setObjectName(QStringLiteral("TableSolutions"));
    table_->setGeometry(8, 74, WindowWidth - 16, 250);
    table_->setHorizontalHeaderLabels({tr("形式"), tr("元件（精确值）"), tr("标称值"), tr("标称值回损dB"),
                                       tr("有载Q"), tr("带宽MHz"), tr("Bode-Fano%")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->setVisible(false);
    // Every heading is shown whole, in any language.
    const std::array<int, 7> columnWidths = {60, 270, 230, 90, 55, 70, 65};
    for (std::size_t c = 0; c < columnWidths.size(); ++c) {
        const int column = static_cast<int>(c);
        table_->setColumnWidth(
            column, std::max(columnWidths[c], table_->horizontalHeader()->sectionSizeHint(column)));
    }
    connect(table_, &QTableWidget::itemSelectionChanged, this, [this] { preview(selectedRow()); });
    reasons_ = addLabel("LabelReasons", "", 8, 330, WindowWidth - 16);
    reasons_->setWordWrap(true);
    reasons_->setMinimumHeight(40);
    standard_ = addCheckBox("CheckStandard", tr("用标称值"), 8, 384, 100);
    standard_->setFixedWidth(FittedWidth(*standard_, 100));
    connect(addButton("ButtonApply", tr("应用"), 720, 380, 120), &QPushButton::clicked, this,
            &AutoMatchWindow::applyClick);
    target_ = addLabel("LabelTarget", "", 8, 416, WindowWidth - 16);
    connect(&network_, &NetworkModel::changed, this, &AutoMatchWindow::networkChanged);
}

void AutoMatchWindow::networkChanged() {
    if (result_.solutions.empty() || !table_->isEnabled() || RequestStillHolds(request_, network_.state()))
        return;
    table_->setEnabled(false);
    table_->clearSelection();
    reasons_->setText(tr("负载、源、频率、系统阻抗或匹配方式已改变，请重新计算"));
    showDesignTarget();
}

// What the solutions are for: Fo, the load and the source in ohms.
void AutoMatchWindow::showDesignTarget() {
    const ProgramState& state = network_.state();
    if (state.NodeCount < 1) {
        target_->setText(tr("设计条件：没有设置负载和源"));
        return;
    }
    const MatchNode& ends = state.network[1];
    target_->setText(
        tr("设计条件：f=%1 负载=%2欧 源=%3欧")
            .arg(Q(FormatFrequency(state.Fo)),
                 Q(FormatSignedPair("", "%.2f", ends.nodeR * state.Zo, ends.nodeX * state.Zo)),
                 Q(FormatSignedPair("", "%.2f", ends.sourceR * state.Zo, ends.sourceX * state.Zo))));
}

void AutoMatchWindow::showEvent(QShowEvent* event) {
    // The substrate of the network's last microstrip element, or the calculator's defaults.
    const MicrostripBlock s = DefaultSubstrate(network_.state());
    if (substrate_[0]->text().isEmpty()) {
        substrate_[0]->setText(MillimetreText(s.W));
        substrate_[1]->setText(MillimetreText(s.H));
        substrate_[2]->setText(MillimetreText(s.T));
        substrate_[3]->setText(Q(Format("%g", {s.Er})));
    }
    showDesignTarget();
    FixedDialog::showEvent(event);
}

Refusable<AutoMatchWindow::MatchInputs> AutoMatchWindow::readInputs(bool stub) const {
    FieldReader reader;
    MatchInputs in;
    if (!q_->text().trimmed().isEmpty()) {
        const std::string refusal = FieldErrorText(U8(tr("有载Q")));
        in.Q = reader.number(*q_, refusal);
        reader.require(*in.Q > 0, refusal);
    }
    for (std::size_t i = 0; i < in.substrate.size(); ++i)
        in.substrate[i] = stub ? reader.number(*substrate_[i], FieldErrorText(U8(tr(SubstrateCaptions[i]))))
                               : CheckedNumber(substrate_[i]->text()).value_or(0);
    return reader.result(in);
}

void AutoMatchWindow::solveClick() {
    showDesignTarget();
    if (network_.nodeCount() < 1) {
        prompter_.showMessage(tr("请先在“匹配设置”中设置负载和源"));
        return;
    }
    AutoMatchRequest request = RequestFromNetwork(network_.state());
    request.l = topologies_[0]->isChecked();
    request.pi = topologies_[1]->isChecked();
    request.t = topologies_[2]->isChecked();
    request.stub = topologies_[3]->isChecked();
    request.shortedStub = shorted_->isChecked();
    request.series = SeriesChoices[static_cast<std::size_t>(std::max(0, series_->currentIndex()))];
    const Refusable<MatchInputs> in = readInputs(request.stub);
    if (ReportRefusal(prompter_, in))
        return;
    if (in->Q)
        request.Q = *in->Q;
    const std::array<Real, 4>& fields = in->substrate;
    request.substrate = {request.Fo, fields[0] / 1000, fields[1] / 1000, fields[2] / 1000, fields[3], 0};
    request_ = request;
    result_ = SynthesiseMatches(request);
    showSolutions();
}

void AutoMatchWindow::showSolutions() {
    table_->setRowCount(static_cast<int>(result_.solutions.size()));
    for (std::size_t i = 0; i < result_.solutions.size(); ++i) {
        const MatchSolution& s = result_.solutions[i];
        const bool lumped = s.topology != MatchTopology::SingleStub;
        const std::string band = !(s.bandwidthHz() > 0)
                                     ? "?"
                                     : Format("%s%.3f MHz", {s.bandOpen ? ">" : "", s.bandwidthHz() / 1e6L});
        const bool limited = result_.limit.outcome == BodeFanoLimit::Outcome::Limited && s.bandwidthHz() > 0;
        // A stub has no standard values, so no return loss of them either.
        const std::array<std::string, 7> cells = {
            TopologyName(s.topology),
            ElementsText(s.elements),
            lumped ? ElementsText(s.standard) : "—",
            lumped ? Format("%.2f dB", {s.standardReturnLossDb}) : "—",
            Format("%.3f", {s.loadedQ}),
            band,
            limited ? Format("%.1f %%", {ShareOfLimit(result_.limit, s.bandwidthHz())}) : "—"};
        for (std::size_t c = 0; c < cells.size(); ++c)
            table_->setItem(static_cast<int>(i), static_cast<int>(c), new QTableWidgetItem(Q(cells[c])));
    }
    table_->setEnabled(true);
    table_->resizeColumnsToContents();
    // The first solution is previewed after every calculation, even when row 0 was selected.
    table_->clearSelection();
    if (!result_.solutions.empty())
        table_->selectRow(0);
    QString text = tr("Q=%1（L网络最小Q=%2），按回波损耗不低于%3dB的带宽由宽到窄排列。")
                       .arg(Q(Format("%.3f", {result_.Q})), Q(Format("%.3f", {result_.minimumQ})),
                            Q(Format("%.0f", {request_.bandThresholdDb})));
    for (const AutoMatchRefusal& refusal : result_.refusals)
        text += tr("%1。").arg(AutoMatchRefusalText(refusal));
    reasons_->setText(text);
}

int AutoMatchWindow::selectedRow() const {
    const QList<QTableWidgetItem*> items = table_->selectedItems();
    return items.isEmpty() ? -1 : items.front()->row();
}

// The network as it stands with the solution's path from the load drawn over it.
void AutoMatchWindow::preview(int row) {
    if (!canvas_ || row < 0 || static_cast<std::size_t>(row) >= result_.solutions.size() ||
        !RequestStillHolds(request_, network_.state()))
        return;
    const ProgramState& state = network_.state();
    try {
        network_.recalculate(); // a fresh picture of the network
        Complex node{request_.load.re / request_.Zo, request_.load.im / request_.Zo};
        const std::array<LabelBox, 2> ends =
            NetworkEndLabelBoxes(canvas_->picture(), state.geometry, state.network[1], state.Zo);
        for (const ElementSpec& e : result_.solutions[static_cast<std::size_t>(row)].elements) {
            const std::optional<ElementStep> step =
                ComputeElementStep(node, e, {request_.Fo, request_.Zo, request_.effflag});
            DrawElementPath(canvas_->picture(), state.geometry, *step, ElementLabel(e),
                            {state.colours.lineColourOfKind(e.kind), state.colours.labelColourOfKind(e.kind)},
                            ends);
            node = step->node;
        }
    } catch (const FloatingPointError&) {
        // An element of the network as it stands cannot be computed: the picture says so already.
    }
    canvas_->repaint();
}

void AutoMatchWindow::applyClick() {
    const int row = selectedRow();
    if (row < 0 || static_cast<std::size_t>(row) >= result_.solutions.size()) {
        prompter_.showMessage(tr("请先计算并选择一个方案"));
        return;
    }
    if (!RequestStillHolds(request_, network_.state())) {
        prompter_.showMessage(tr("负载、源、频率、系统阻抗或匹配方式已改变，请重新计算"));
        return;
    }
    const MatchSolution& s = result_.solutions[static_cast<std::size_t>(row)];
    if (const Refusable<> applied = ApplyMatch(network_, standard_->isChecked() ? s.standard : s.elements);
        !applied)
        prompter_.showMessage(Q(applied.reason()));
}

} // namespace qv
