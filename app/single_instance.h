#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace qv {

// One running Quorvane per user: the first start listens on a per-user local socket; a later
// start finds it there and can ask it to bring its main window to the front.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The per-user socket name of Quorvane.
    static QString DefaultServerName();

    // True when another instance answers on the socket.
    bool anotherIsRunning() const;
    // Tells the running instance to raise its main window; true when the request was delivered.
    bool askRunningToRaise() const;
    // Starts answering later starts; a socket left behind by a crashed instance is replaced.
    bool listen();

signals:
    void raiseRequested();

private:
    void answer();
    QString serverName_;
    QLocalServer* server_ = nullptr;
};

} // namespace qv
