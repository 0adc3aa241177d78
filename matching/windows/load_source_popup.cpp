#include "matching/windows/load_source_popup.h"

#include "chart/analysis/readout_message.h"
#include "core/numbers/decimal.h"
#include "core/numbers/text_format.h"
#include "matching/model/network_ends.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"
#include "ui/screen_placement.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace qv {

namespace {
constexpr int PopupColour = 0x64C800; // RGB 0,200,100
constexpr qreal PopupOpacity = 150 / 255.0;
} // namespace

Tfsetselect::Tfsetselect(NetworkModel& network, Prompter& prompter, QWidget* parent)
    : FixedDialog("Tfsetselect", "", 186, 80, PopupColour, parent), network_(network), prompter_(prompter) {
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowOpacity(PopupOpacity);
    edit1_ = addEdit("Edit1", 6, 8, 84);
    edit1_->setToolTip(tr("阻抗"));
    edit2_ = addEdit("Edit2", 96, 8, 84);
    edit2_->setToolTip(tr("电抗"));
    connect(addButton("BitBtn1", tr("设置为负载"), 6, 42, 84), &QPushButton::clicked, this,
            &Tfsetselect::BitBtn1Click);
    connect(addButton("BitBtn2", tr("设置为源点"), 96, 42, 84), &QPushButton::clicked, this,
            &Tfsetselect::BitBtn2Click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

void Tfsetselect::showAt(QPoint cursor, Complex ohms) {
    resize(width(), 80);
    // Beside the cursor, and above or left of it near the screen's edges: the buttons stay on screen.
    MoveBesideCursor(*this, cursor, {5, 5});
    edit1_->setText(Q(Format("%3.2f", {ohms.re})));
    edit2_->setText(Q(Format("%3.2f", {ohms.im})));
    show();
    activateWindow();
}

void Tfsetselect::SetLoadOrSource(bool load) {
    const std::optional<Real> R = CheckedNumber(edit1_->text());
    const std::optional<Real> X = CheckedNumber(edit2_->text());
    if (!R || !X) {
        ReportInputError(prompter_);
        return;
    }
    // The network is cut back to its start node; the chart and the match figures follow the model.
    const std::optional<TypedEnd> end =
        TypedEnd{*R, *X, std::string(Trim(U8(edit1_->text()))), std::string(Trim(U8(edit2_->text())))};
    const int elementsBefore = network_.nodeCount() - 1;
    const bool written = SetTypedEnds(network_, load ? end : std::nullopt, load ? std::nullopt : end, false,
                                      EndsRule::Restart);
    close();
    if (elementsBefore > 0 && network_.nodeCount() == 1)
        emit networkRestarted(
            tr("匹配电路已重新开始：去掉了%1个元件（可撤销）").arg(Q(Format("%d", {elementsBefore}))));
    if (!written)
        prompter_.showMessage(tr("无法保存para.ini"));
}

void Tfsetselect::WmCopyData(const QByteArray& block) {
    const std::optional<ReadoutMessage> message = DecodeReadoutMessage(block.toStdString());
    if (message && message->width > 0 && message->height > 0)
        setFixedSize(message->width, message->height);
}

} // namespace qv
