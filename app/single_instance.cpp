#include "app/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace qv {

namespace {
constexpr int ConnectTimeoutMs = 500;
const QByteArray RaiseRequest = "raise\n";
} // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), serverName_(std::move(serverName)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::DefaultServerName() {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("LOGNAME", QStringLiteral("user"));
    return QStringLiteral("quorvane-") + user;
}

bool SingleInstance::anotherIsRunning() const {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    const bool connected = socket.waitForConnected(ConnectTimeoutMs);
    socket.abort();
    return connected;
}

bool SingleInstance::askRunningToRaise() const {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return false;
    socket.write(RaiseRequest);
    const bool sent = socket.waitForBytesWritten(ConnectTimeoutMs);
    socket.disconnectFromServer();
    return sent;
}

bool SingleInstance::listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::answer);
    if (server_->listen(serverName_))
        return true;
    // Nobody answered on the name (anotherIsRunning said so), so the socket file is stale.
    QLocalServer::removeServer(serverName_);
    return server_->listen(serverName_);
}

void SingleInstance::answer() {
    while (QLocalSocket* client = server_->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, this, [this, client] {
            if (client->readAll().contains("raise"))
                emit raiseRequested();
        });
    }
}

} // namespace qv
