#pragma once

#include "chart/windows/tool_windows.h"
#include "ui/fixed_dialog.h"

#include <QByteArray>

class QLineEdit;

namespace qv {

class NetworkModel;
class Prompter;

// The small popup beside a point right-clicked on the chart: its impedance in ohms, to be made
// the load ("设置为负载") or the source ("设置为源点") of the matching network, as the setup
// window's confirm does it.
class Tfsetselect final : public FixedDialog, public EndPicker {
    Q_OBJECT
public:
    Tfsetselect(NetworkModel& network, Prompter& prompter, QWidget* parent = nullptr);

    void showAt(QPoint cursor, Complex ohms) override;

    void BitBtn1Click() { SetLoadOrSource(true); }  // "设置为负载"
    void BitBtn2Click() { SetLoadOrSource(false); } // "设置为源点"
    void SetLoadOrSource(bool load);
    // "WM_FORM_LOAD_DATA": takes the width and height of a readout block's header.
    void WmCopyData(const QByteArray& block);

signals:
    // The new end cut elements off the network; the text says how many, for the status line.
    void networkRestarted(const QString& text);

private:
    NetworkModel& network_;
    Prompter& prompter_;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
};

} // namespace qv
