#include "sparams/load_source_popup.h"

#include "chart/chart_geometry.h"
#include "chart/entry_canvas.h"
#include "chart/entry_points.h"
#include "chart/readout_message.h"
#include "core/conversions.h"
#include "core/decimal.h"
#include "matching/network_model.h"
#include "matching/setup_points.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"

#include <QLineEdit>
#include <QPushButton>

namespace qv {

namespace {
constexpr int PopupColour = 0x64C800; // RGB 0,200,100
constexpr qreal PopupOpacity = 150 / 255.0;
} // namespace

Tfsetselect::Tfsetselect(ProgramState& state, NetworkModel& network, ChartCanvas& canvas, Prompter& prompter,
                         QWidget* parent)
    : FixedDialog("Tfsetselect", "", 186, 80, PopupColour, parent), state_(state), network_(network),
      canvas_(canvas), prompter_(prompter) {
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowOpacity(PopupOpacity);
    edit1_ = addEdit("Edit1", 6, 8, 84);
    edit1_->setToolTip(QStringLiteral("阻抗"));
    edit2_ = addEdit("Edit2", 96, 8, 84);
    edit2_->setToolTip(QStringLiteral("电抗"));
    connect(addButton("BitBtn1", "设置为负载", 6, 42, 84), &QPushButton::clicked, this,
            &Tfsetselect::BitBtn1Click);
    connect(addButton("BitBtn2", "设置为源点", 96, 42, 84), &QPushButton::clicked, this,
            &Tfsetselect::BitBtn2Click);
}

void Tfsetselect::SetLoadOrSource(bool load) {
    const std::optional<Real> R = CheckedNumber(edit1_->text());
    const std::optional<Real> X = CheckedNumber(edit2_->text());
    if (!R || !X) {
        ReportInputError(prompter_);
        return;
    }
    // Placed before anything changes: a point that cannot be placed leaves the network as it was.
    const Real r = *R / state_.Zo;
    const Real x = *X / state_.Zo;
    const PixelPoint pixel = GammaToPixel(state_.geometry, ImpedanceToGamma(r, x));

    // The network is cut back to its start node; the chart and the match figures follow the model.
    if (load)
        network_.setLoad({*R, *X}, EndsRule::Restart);
    else
        network_.setSource({*R, *X}, EndsRule::Restart);

    Surface& picture = canvas_.picture();
    const int colour = load ? LoadMarkerColour : SourceMarkerColour;
    picture.font.colour = colour;
    picture.font.size = 11;
    picture.font.height = 0;
    picture.brush.solid = false;
    MarkNetworkEnd(picture, pixel, colour, ImpedanceEntryLabel(r, x, false, state_.Zo));
    picture.font.colour = 0;
    canvas_.repaint();

    const bool written = state_.para.WriteParaString(load ? "负载R" : "源点R", Trim(U8(edit1_->text()))) &&
                         state_.para.WriteParaString(load ? "负载j" : "源点j", Trim(U8(edit2_->text()))) &&
                         state_.para.WriteParaString("归一化输入1", "0");
    close();
    if (!written)
        prompter_.showMessage(QStringLiteral("无法保存para.ini"));
}

void Tfsetselect::WmCopyData(const QByteArray& block) {
    const std::optional<ReadoutMessage> message = DecodeReadoutMessage(block.toStdString());
    if (message && message->width > 0 && message->height > 0)
        setFixedSize(message->width, message->height);
}

} // namespace qv
