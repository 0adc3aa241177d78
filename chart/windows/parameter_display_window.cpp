#include "chart/windows/parameter_display_window.h"

#include "chart/analysis/readout_message.h"
#include "ui/message_hub.h"
#include "ui/qt_text.h"

#include <QLabel>
#include <QStringDecoder>
#include <algorithm>

namespace qv {

namespace {

constexpr int ClientWidth = 347;
constexpr int ClientHeight = 240;
constexpr int WindowColour = 6604800;           // 0x00BBGGRR: RGB 0, 200, 100
constexpr int ActiveCaptionGradient = 0xEAD1B9; // RGB 185, 209, 234
constexpr int MaxLineCount = 30;
constexpr int LargestSide = 4096; // a header size beyond any screen is taken as this

// Slots hold GBK text from the sender; bytes that do not decode show as replacement characters
// rather than blanking the line.
QString DecodeGbk(const std::string& bytes) {
    QStringDecoder decoder("GBK", QStringDecoder::Flag::Stateless);
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

} // namespace

Tdisppara::Tdisppara(MessageHub& hub, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput) {
    setObjectName(QStringLiteral("Tdisppara"));
    setWindowTitle(QStringLiteral("disppara"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(ClientWidth, ClientHeight);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(12);
    setFont(tahoma);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(WindowColour));
    setPalette(palette);
    // Where the desktop has no compositor the window stays opaque.
    setWindowOpacity(Opacity / 255.0);

    panel1_ = new QLabel(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setAlignment(Qt::AlignCenter);
    panel1_->setAutoFillBackground(true);
    palette.setColor(QPalette::Window, ToQColor(ActiveCaptionGradient));
    panel1_->setPalette(palette);
    panel1_->setGeometry(rect());

    for (int i = 0; i < LabelCount; ++i) {
        labels_[i] = new QLabel(panel1_);
        labels_[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        labels_[i]->setGeometry(5, 10 + 20 * i, 50, 20);
        // Opaque, so the panel's centred caption never shows through a line.
        labels_[i]->setAutoFillBackground(true);
    }
    connect(&hub, &MessageHub::readoutBlock, this, &Tdisppara::receiveReadout);
}

int Tdisppara::receiveReadout(const QByteArray& block) {
    const std::optional<ReadoutMessage> message =
        DecodeReadoutMessage(std::string_view(block.constData(), static_cast<std::size_t>(block.size())));
    if (!message)
        return 0;
    resize(std::clamp(message->width, 1, LargestSide), std::clamp(message->height, 1, LargestSide));
    panel1_->setGeometry(rect());
    if (message->lineCount < 1 || message->lineCount > MaxLineCount)
        return 1;
    const int shown = std::min(message->lineCount, LabelCount);
    for (int i = 0; i < shown; ++i) {
        QLabel* label = labels_[i];
        label->setText(DecodeGbk(message->lines[i]));
        label->resize(std::max(label->sizeHint().width(), 1), 20);
    }
    return 1;
}

} // namespace qv
