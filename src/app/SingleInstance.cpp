#include "app/SingleInstance.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include "app/AppMessages.h"

namespace {

constexpr int kConnectTimeoutMs = 500;
// The request: "activate", then on a line of its own the file to open, if any.
constexpr char kActivate[] = "activate\n";
constexpr qsizetype kLongestRequest = 64 * 1024;

// A folder, not a link to one, of this user's own that nobody else may enter.
bool PrivateFolder(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

QString SocketFolder() {
    const QString runtime = QFile::decodeName(qgetenv("XDG_RUNTIME_DIR"));
    if (QDir::isAbsolutePath(runtime) && PrivateFolder(runtime)) return runtime;
    const QString own = QDir::tempPath() + "/zrtpro-" + QString::number(::getuid());
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return PrivateFolder(own) ? own : QString();
}

}  // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent)
    : QObject(parent), m_strName(name) {}

// One name a user, from the user id: $USER may be unset or shared.
QString SingleInstance::DefaultName() {
    const QString folder = SocketFolder();
    if (folder.isEmpty()) return {};
    return folder + "/" + QString::fromLatin1(AppMessages::kInstanceName) + "-" +
           QString::number(::getuid());
}

bool SingleInstance::ActivateRunning(const QString& file) {
    if (m_strName.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(m_strName);
    if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
    QByteArray request(kActivate);
    if (!file.isEmpty()) request += QFile::encodeName(QFileInfo(file).absoluteFilePath()) + '\n';
    socket.write(request);
    socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::Listen() {
    if (m_strName.isEmpty()) return false;
    m_pServer = new QLocalServer(this);
    m_pServer->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_pServer->listen(m_strName)) {
        // A socket left by a program that crashed answers nobody: take it over.
        QLocalServer::removeServer(m_strName);
        if (!m_pServer->listen(m_strName)) return false;
    }
    connect(m_pServer, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_pServer->nextPendingConnection()) {
            // The request is whole once the later start hangs up.
            auto* request = new QByteArray;
            connect(socket, &QLocalSocket::readyRead, this, [socket, request] {
                *request += socket->read(kLongestRequest - request->size());
                if (request->size() >= kLongestRequest) socket->abort();
            });
            connect(socket, &QLocalSocket::disconnected, this, [this, socket, request] {
                *request += socket->readAll().left(kLongestRequest - request->size());
                const QList<QByteArray> lines = request->split('\n');
                delete request;
                socket->deleteLater();
                if (lines.value(0) != QByteArrayLiteral("activate") || !m_activate) return;
                m_activate(QFile::decodeName(lines.value(1)));
            });
        }
    });
    return true;
}
