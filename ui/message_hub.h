#pragma once

#include <QByteArray>
#include <QObject>

namespace qv {

// The program's window messages. Connections are direct, so a send returns only after every
// receiver has handled it, as the windows expect.
class MessageHub : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // "WM_FORM_SEND2" wParam values, received by the main window.
    static constexpr int RecalculateNetwork = 2;
    static constexpr int FrequencyChanged = 3;
    static constexpr int ImpedanceChanged = 4;
    static constexpr int RefreshMatchFigures = 5;
    // "WM_FORM_SEND3" wParam value, received by the matching setup window.
    static constexpr int RefillSetupFields = 2;

signals:
    // "WM_FORM_SEND0" and "WM_FORM_SEND1": registered, no receiver acts on them.
    void send0(int wParam);
    void send1(int wParam);
    // "WM_FORM_SEND2": requests to the main window (values above).
    void send2(int wParam);
    // "WM_FORM_SEND3": requests to the matching setup window.
    void send3(int wParam);
    // Copy-data: the 5388-byte readout block, main window -> parameter display window.
    void readoutBlock(const QByteArray& block);
    // Copy-data: one S-parameter file row (5388 bytes), file windows -> S-parameter calculator.
    void sparameterRow(const QByteArray& block);
    // Copy-data: the 60-byte stability-circle block, S-parameter calculator -> main window.
    void stabilityBlock(const QByteArray& block);
};

} // namespace qv
