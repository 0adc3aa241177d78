#pragma once

#include <QByteArray>
#include <QObject>

namespace qv {

// The blocks of bytes the windows send each other. Connections are direct, so a send returns
// only after every receiver has handled it, as the windows expect. Changes of the matching
// network travel as the network model's own notification, not through here.
class MessageHub : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // The 5388-byte readout block: main window -> parameter display window, at each cursor move.
    void readoutBlock(const QByteArray& block);
    // One S-parameter file row as a 5388-byte block: file windows -> S-parameter calculator.
    void sparameterRow(const QByteArray& block);
    // The 60-byte stability-circle block: S-parameter calculator -> main window.
    void stabilityBlock(const QByteArray& block);
};

} // namespace qv
