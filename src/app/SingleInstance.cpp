#include "app/SingleInstance.h"

#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>

#include "app/AppMessages.h"

namespace {

constexpr int kConnectTimeoutMs = 500;
constexpr char kActivate[] = "activate\n";

}  // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent), m_strName(name) {}

// One name a user, from the user id: $USER may be unset or shared, and a name
// that another user's running copy holds would stop this one from starting.
QString SingleInstance::DefaultName() {
    return QString::fromLatin1(AppMessages::kInstanceName) + "-" + QString::number(::getuid());
}

bool SingleInstance::ActivateRunning() {
    QLocalSocket socket;
    socket.connectToServer(m_strName);
    if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
    socket.write(kActivate);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::Listen() {
    m_pServer = new QLocalServer(this);
    m_pServer->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_pServer->listen(m_strName)) {
        // A socket left by a program that crashed answers nobody: take it over.
        QLocalServer::removeServer(m_strName);
        if (!m_pServer->listen(m_strName)) return false;
    }
    connect(m_pServer, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_pServer->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("activate") && m_activate) m_activate();
            });
        }
    });
    return true;
}
