#include "calculators/windows/microwave_formula_window.h"

#include "calculators/analysis/link_budget.h"
#include "core/numbers/decimal.h"
#include "core/numbers/text_format.h"
#include "ui/fixed_dialog.h"
#include "ui/qt_text.h"
#include "ui/text_fit.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace qv {

namespace {

constexpr int WindowWidth = 620;
constexpr int WindowHeight = 250;
constexpr int EditWidth = 64;

QFrame* AddPanel(QWidget* parent, const char* name, int y) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromUtf8(name));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setGeometry(8, y, WindowWidth - 16, 110);
    return panel;
}

QLabel* AddLabel(QWidget* panel, const char* name, const char* text, int x, int y, int width) {
    auto* label = new QLabel(QString::fromUtf8(text), panel);
    if (*name)
        label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(x, y, width, 22);
    return label;
}

QLineEdit* AddEdit(QWidget* panel, const char* name, const char* text, int x, int y) {
    auto* edit = new QLineEdit(QString::fromUtf8(text), panel);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setGeometry(x, y, EditWidth, 24);
    return edit;
}

QPushButton* AddButton(QWidget* panel, const char* name, int x, int y) {
    auto* button = new QPushButton(TfrmMirco1::tr("计算"), panel);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(x, y, 70, 28);
    return button;
}

} // namespace

TfrmMirco1::TfrmMirco1(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrmMirco1"));
    setWindowTitle(tr("微波公式"));
    setFixedSize(WindowWidth, WindowHeight);
    setWindowModality(Qt::ApplicationModal);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);

    QFrame* loss = AddPanel(this, "Panel1", 10);
    AddLabel(loss, "Label1", qUtf8Printable(tr("自由空间的损耗=32.45+20lgd(km)+20lgf(Mhz)-Gt-Gr")), 10, 8,
             500);
    const int columnY = 40;
    const int editY = 66;
    int x = 10;
    struct Column {
        const char* edit;
        const char* heading;
        const char* initial;
        const char* operatorName;
        const char* operatorText;
    };
    // The full-width minus signs are the Chinese typography of the formula; English gets ASCII.
    const Column columns[] = {{"Edit1", QT_TR_NOOP("频率(Mhz)"), "474", "Label7", "+"},
                              {"Edit2", QT_TR_NOOP("距离(Km)"), "10", "Label8", QT_TR_NOOP("－")},
                              {"Edit4", QT_TR_NOOP("发射Gt(dB)"), "5.5", "Label9", QT_TR_NOOP("－")},
                              {"Edit5", QT_TR_NOOP("接收Gr(dB)"), "10.2", "Label2", "="}};
    for (const Column& c : columns) {
        AddLabel(loss, "", qUtf8Printable(tr(c.heading)), x, columnY, 80);
        AddEdit(loss, c.edit, c.initial, x, editY);
        AddLabel(loss, c.operatorName, qUtf8Printable(tr(c.operatorText)), x + EditWidth + 6, editY, 18)
            ->setAlignment(Qt::AlignCenter);
        x += EditWidth + 30;
    }
    AddEdit(loss, "Edit3", "", x, editY)->setFixedWidth(90);
    connect(AddButton(loss, "BitBtn1", x + 100, editY - 2), &QPushButton::clicked, this,
            &TfrmMirco1::BitBtn1Click);

    QFrame* range = AddPanel(this, "Panel2", 130);
    AddLabel(range, "Label11", qUtf8Printable(tr("最大传输距离Km=4.12x(√发射天线高度＋√接收天线高度)")), 10,
             8, 500);
    AddEdit(range, "Edit6", "10", 10, editY - 22);
    AddLabel(range, "Label13", qUtf8Printable(tr("＋")), 10 + EditWidth + 6, editY - 22, 18)
        ->setAlignment(Qt::AlignCenter);
    AddEdit(range, "Edit7", "10", 10 + EditWidth + 30, editY - 22);
    AddLabel(range, "Label12", "=", 10 + 2 * EditWidth + 36, editY - 22, 18)->setAlignment(Qt::AlignCenter);
    AddEdit(range, "Edit8", "", 10 + 2 * EditWidth + 60, editY - 22)->setFixedWidth(90);
    connect(AddButton(range, "Button1", x + 100, editY - 24), &QPushButton::clicked, this,
            &TfrmMirco1::Button1Click);
    FitControlsToTexts(*this);
}

QLineEdit* TfrmMirco1::field(const char* name) const {
    return findChild<QLineEdit*>(QString::fromUtf8(name));
}

void TfrmMirco1::showEvent(QShowEvent* event) {
    CentreOnScreen(*this);
    QDialog::showEvent(event);
}

void TfrmMirco1::BitBtn1Click() {
    const Real frequency = TypedToFloat(U8(field("Edit1")->text()));
    const Real distance = TypedToFloat(U8(field("Edit2")->text()));
    const Real transmitGain = TypedToFloat(U8(field("Edit4")->text()));
    const Real receiveGain = TypedToFloat(U8(field("Edit5")->text()));
    const Real loss = FreeSpaceLossDb(frequency, distance, transmitGain, receiveGain);
    field("Edit3")->setText(Q(Format("%5.2fdB", {loss})));
}

void TfrmMirco1::Button1Click() {
    const Real h1 = TypedToFloat(U8(field("Edit6")->text()));
    const Real h2 = TypedToFloat(U8(field("Edit7")->text()));
    field("Edit8")->setText(Q(Format("%5.2fKm", {LineOfSightRangeKm(h1, h2)})));
}

} // namespace qv
