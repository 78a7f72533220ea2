#include "shell/app/single_instance.h"

#include <QLocalSocket>

namespace tabulor {

namespace {

constexpr int kConnectMilliseconds = 500;
constexpr QByteArrayView kRaiseRequest = "raise\n";

}  // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {
    // Only this user may reach the socket; another user's copy is not ours to raise.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
}

bool SingleInstance::handOverToRunningCopy() {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (socket.waitForConnected(kConnectMilliseconds)) {
        socket.write(kRaiseRequest.data(), kRaiseRequest.size());
        socket.waitForBytesWritten(kConnectMilliseconds);
        socket.disconnectFromServer();
        return true;
    }
    // Nobody answered: a socket file left by a copy that crashed would block listening.
    QLocalServer::removeServer(name_);
    if (!server_.listen(name_)) {
        // Without the socket a later start cannot find us, but this copy still works.
        qWarning("tabulor: cannot listen for later starts on %s: %s", qPrintable(name_),
                 qPrintable(server_.errorString()));
    }
    return false;
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // Any connection is a later start of ours; the request text is only a courtesy.
        emit activationRequested();
    }
}

}  // namespace tabulor
