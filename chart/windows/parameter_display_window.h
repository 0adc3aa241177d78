#pragma once

#include <QByteArray>
#include <QWidget>
#include <array>

class QLabel;

namespace qv {

class MessageHub;

// Tdisppara: the borderless, semi-transparent window that floats beside the cursor over the chart
// and shows the reflection readout lines it receives as readout blocks. The main window shows,
// moves and hides it; this window only receives and displays.
class Tdisppara final : public QWidget {
    Q_OBJECT
public:
    static constexpr int LabelCount = 10;
    static constexpr int Opacity = 100; // of 255

    explicit Tdisppara(MessageHub& hub, QWidget* parent = nullptr);

    // Takes the window size from the block's header and, for 1 to 30 lines, shows the first ten in
    // the labels; labels without a line keep their text. Returns 1 when the block was taken, 0 for
    // a block too short to hold the readout layout (which changes nothing).
    int receiveReadout(const QByteArray& block);

private:
    QLabel* panel1_ = nullptr;
    std::array<QLabel*, LabelCount> labels_{};
};

} // namespace qv
