#include "matching/windows/tee_match_window.h"

#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/sentinels.h"
#include "core/numbers/text_format.h"
#include "matching/analysis/tee_match_calc.h"
#include "matching/windows/fitted_row.h"
#include "ui/fixed_dialog.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>

namespace qv {

namespace {

constexpr int WindowWidth = 540;
constexpr int WindowHeight = 330;

// The T network as drawn on the design page: source on the left, series C1, shunt C2 to ground,
// series L1, the load RL + jXL on the right. Only lines; the values sit in edits above it.
class TeeSchematic final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(Qt::black, 1));
        const int y = 40;
        p.drawLine(10, y, 120, y);
        // C1: two plates across the line
        p.drawLine(120, y - 12, 120, y + 12);
        p.drawLine(128, y - 12, 128, y + 12);
        p.drawLine(128, y, 300, y);
        // C2 from the middle node to ground
        p.drawLine(210, y, 210, y + 30);
        p.drawLine(198, y + 30, 222, y + 30);
        p.drawLine(198, y + 38, 222, y + 38);
        p.drawLine(210, y + 38, 210, y + 60);
        p.drawLine(200, y + 60, 220, y + 60);
        // L1: four turns
        for (int i = 0; i < 4; ++i)
            p.drawArc(300 + 12 * i, y - 6, 12, 12, 0, 180 * 16);
        p.drawLine(348, y, 420, y);
        // the load
        p.drawRect(420, y - 10, 40, 20);
        p.drawText(QRect(420, y - 10, 40, 20), Qt::AlignCenter, QStringLiteral("RL"));
        p.drawLine(460, y, 480, y);
        p.drawLine(480, y, 480, y + 60);
        p.drawLine(10, y + 60, 480, y + 60);
    }
};

QLabel* AddLabel(QWidget* page, const QString& text, int x, int y, int width = 60) {
    auto* label = new QLabel(text, page);
    label->setGeometry(x, y, width, 22);
    return label;
}

QPushButton* AddButton(QWidget* page, const char* name, const QString& caption, int x, int y,
                       int width = 90) {
    auto* button = new QPushButton(caption, page);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(x, y, width, 28);
    return button;
}

} // namespace

TForm3::TForm3(Prompter& prompter, QWidget* parent) : QWidget(parent, Qt::Window), prompter_(prompter) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(tr("匹配计算"));
    setFixedSize(WindowWidth, WindowHeight);
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setGeometry(4, 4, WindowWidth - 8, WindowHeight - 8);
    pages_->addTab(buildTeePage(), tr("T匹配计算"));
    pages_->addTab(buildReactancePage(), tr("电抗计算"));
    pages_->addTab(buildParallelPage(), tr("基本计算"));

    field(LoadOhms)->setText(QStringLiteral("2.3"));
    field(LoadReactance)->setText(QStringLiteral("6.7"));
    field(SourceOhms)->setText(QStringLiteral("50"));
    field(FrequencyMHz)->setText(QStringLiteral("400"));
}

QLineEdit* TForm3::addEdit(QWidget* page, Field number, int x, int y, int width) {
    auto* edit = new QLineEdit(page);
    edit->setObjectName(QStringLiteral("Edit%1").arg(number));
    edit->setGeometry(x, y, width, 22);
    edits_[static_cast<std::size_t>(number)] = edit;
    return edit;
}

QWidget* TForm3::buildTeePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    AddLabel(page, "RL", 10, 12, 24);
    addEdit(page, LoadOhms, 36, 12);
    AddLabel(page, "XL", 116, 12, 24);
    addEdit(page, LoadReactance, 142, 12);
    AddLabel(page, tr("Rsoure"), 222, 12, 52);
    addEdit(page, SourceOhms, 276, 12);
    AddLabel(page, "Fin(M)", 356, 12, 52);
    addEdit(page, FrequencyMHz, 410, 12);

    AddLabel(page, "Q2", 10, 46, 24);
    addEdit(page, Q2, 36, 46, 130);
    FittedRow qRow;
    qRow.placeCaption(*AddLabel(page, tr("Q1取值"), 176, 46, 52), 176, 52);
    qRow.placeField(*addEdit(page, Q1, 230, 46, 130), 230, 130);
    QPushButton* design = AddButton(page, "BitBtn1", tr("再计算LC"), 370, 43, 76);
    qRow.placeField(*design, 370, 76);
    connect(design, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
    // "先计算Q2" has never had an action of its own.
    qRow.placeField(*AddButton(page, "BitBtn2", tr("先计算Q2"), 450, 43, 76), 450, 76);

    auto* schematic = new TeeSchematic(page);
    schematic->setGeometry(10, 120, 500, 110);
    AddLabel(page, "C1", 104, 84, 22);
    addEdit(page, C1, 126, 84, 80);
    AddLabel(page, "L1", 300, 84, 22);
    addEdit(page, L1, 322, 84, 80);
    AddLabel(page, "C2", 232, 172, 22);
    addEdit(page, C2, 254, 172, 80);
    AddLabel(page, "Lin", 10, 84, 24);
    addEdit(page, InputInductance, 36, 84, 60);
    AddLabel(page, "Rin", 10, 180, 24);
    addEdit(page, InputResistance, 36, 180, 60);
    AddLabel(page, tr("R1=>Rsoure"), 10, 240, 120);
    return page;
}

QWidget* TForm3::buildReactancePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    // Both rows move right by what the wider of their captions needs beyond the design's 34 pixels.
    QLabel* capacitance = AddLabel(page, tr("电容"), 10, 16, 34);
    QLabel* inductance = AddLabel(page, tr("电感"), 10, 60, 34);
    const int captionWidth = std::max(FittedWidth(*capacitance, 34), FittedWidth(*inductance, 34));
    capacitance->setFixedWidth(captionWidth);
    inductance->setFixedWidth(captionWidth);
    const int shift = captionWidth - 34;
    addEdit(page, Capacitance, 46 + shift, 16, 80);
    AddLabel(page, QStringLiteral("f"), 136 + shift, 16, 14);
    addEdit(page, CapacitorFrequency, 152 + shift, 16, 80);
    addEdit(page, CapacitorReactance, 244 + shift, 16, 110);
    AddLabel(page, tr("欧"), 358 + shift, 16, 20);
    connect(AddButton(page, "BitBtn3", tr("容抗"), 390 + shift, 13), &QPushButton::clicked, this,
            &TForm3::BitBtn3Click);

    addEdit(page, Inductance, 46 + shift, 60, 80);
    AddLabel(page, QStringLiteral("f"), 136 + shift, 60, 14);
    addEdit(page, InductorFrequency, 152 + shift, 60, 80);
    addEdit(page, InductorReactance, 244 + shift, 60, 110);
    AddLabel(page, tr("欧"), 358 + shift, 60, 20);
    connect(AddButton(page, "BitBtn4", tr("感抗"), 390 + shift, 57), &QPushButton::clicked, this,
            &TForm3::BitBtn4Click);

    AddLabel(page, "DB=>V", 10, 110, 50);
    addEdit(page, Decibels, 62, 110, 80);
    AddLabel(page, "X", 152, 110, 14);
    addEdit(page, Ratio, 168, 110, 150);
    connect(AddButton(page, "BitBtn5", tr("计算"), 390, 107), &QPushButton::clicked, this,
            &TForm3::BitBtn5Click);
    AddLabel(page, "db=20lgX", 62, 146, 120);
    AddLabel(page, "X=10^(db/20)", 168, 146, 140);
    return page;
}

QWidget* TForm3::buildParallelPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet3"));
    auto* group = new QGroupBox(tr("并联计算"), page);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(10, 10, 500, 120);
    AddLabel(group, "X1", 12, 30, 24);
    addEdit(group, ParallelX1, 40, 30, 120);
    AddLabel(group, "X2", 176, 30, 24);
    addEdit(group, ParallelX2, 204, 30, 120);
    AddLabel(group, "X1//X2", 12, 72, 50);
    addEdit(group, ParallelResult, 64, 72, 260);
    connect(AddButton(group, "BitBtn6", tr("计算"), 380, 28), &QPushButton::clicked, this,
            &TForm3::BitBtn6Click);
    return page;
}

void TForm3::showEvent(QShowEvent* event) {
    CentreOnScreen(*this);
    QWidget::showEvent(event);
}

void TForm3::BitBtn1Click() {
    const Real load = TypedToFloat(U8(field(LoadOhms)->text()));
    const Real frequency = StrToInt(U8(field(FrequencyMHz)->text())) * 1e6L;
    const Real source = TypedToFloat(U8(field(SourceOhms)->text()));
    const TeeMatch t = DesignTeeMatch(load, source, frequency);
    field(Q2)->setText(Q(FormatGeneral(t.Q2)));
    field(Q2)->setCursorPosition(0);
    field(Q1)->setText(Q(FormatGeneral(t.Q1)));
    field(Q1)->setCursorPosition(0);
    field(L1)->setText(Q(FormatInductance(t.L1)));
    field(C1)->setText(Q(FormatCapacitance(t.C1)));
    field(C2)->setText(Q(FormatCapacitance(t.C2)));
}

void TForm3::BitBtn3Click() {
    const Real frequency = ParseEngineering(U8(field(CapacitorFrequency)->text()));
    const Real capacitance = ParseEngineering(U8(field(Capacitance)->text()));
    if (frequency == RejectedEngineeringValue || capacitance == RejectedEngineeringValue) {
        prompter_.showMessage(tr("输入错误！"));
        return;
    }
    field(CapacitorReactance)->setText(Q(FormatReactance(CapacitiveReactance(frequency, capacitance))));
}

void TForm3::BitBtn4Click() {
    const Real frequency = ParseEngineering(U8(field(InductorFrequency)->text()));
    const Real inductance = ParseInductance(U8(field(Inductance)->text()));
    if (frequency == RejectedEngineeringValue || inductance == RejectedInductance) {
        prompter_.showMessage(tr("输入错误！"));
        return;
    }
    field(InductorReactance)->setText(Q(FormatReactance(InductiveReactance(frequency, inductance))));
}

void TForm3::BitBtn5Click() {
    field(Ratio)->setText(Q(FormatGeneral(DecibelsToRatio(TypedToFloat(U8(field(Decibels)->text()))))));
}

void TForm3::BitBtn6Click() {
    const std::string x1 = std::string(Trim(U8(field(ParallelX1)->text())));
    const std::string x2 = std::string(Trim(U8(field(ParallelX2)->text())));
    if (ValidateNumber(x1) != 1 || ValidateNumber(x2) != 1)
        return;
    const double value =
        ParallelValue(static_cast<double>(TypedToFloat(x1)), static_cast<double>(TypedToFloat(x2)));
    field(ParallelResult)->setText(Q(Format("%5.16f", {value})));
}

} // namespace qv
