#include "singleinstance.h"

#include "shelllog.h"

#include <platform/filelock.h>
#include <platform/userdirs.h>

#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>

#include <sys/socket.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcShell, "tallowick.shell")

namespace {

constexpr int kHandOverTimeoutMs = 2000;
// A link is one line; anything longer than this is not one of ours.
constexpr qint64 kMaxMessage = 64 * 1024;

bool peerIsThisUser(qintptr descriptor)
{
    struct ucred credentials {};
    socklen_t length = sizeof(credentials);
    if (::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0)
        return false;
    return credentials.uid == ::getuid();
}

} // namespace

SingleInstance::SingleInstance(QString socketPath, QObject *parent)
    : QObject(parent)
    , m_socketPath(std::move(socketPath))
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultSocketPath()
{
    return UserDirs::runtimeDir() + QStringLiteral("/tallowick/app.socket");
}

bool SingleInstance::handOver(const QString &link)
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(kHandOverTimeoutMs))
        return false;
    socket.write(link.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(kHandOverTimeoutMs))
        return false;
    // The running app answers once it has the link, so this start never exits before then.
    return socket.waitForReadyRead(kHandOverTimeoutMs) && socket.readLine().trimmed() == "ok";
}

bool SingleInstance::listen()
{
    const QString folder = QFileInfo(m_socketPath).absolutePath();
    if (!UserDirs::ensurePrivateDir(folder))
        return false;
    // Two starts at the same moment must not both become the running app.
    const FileLock lock(m_socketPath + QStringLiteral(".lock"));
    QLocalSocket probe;
    probe.connectToServer(m_socketPath);
    if (probe.waitForConnected(200)) {
        qCWarning(lcShell) << "Another Tallowick is already running";
        return false;
    }
    QLocalServer::removeServer(m_socketPath); // a socket left by a crashed run
    if (!m_server.listen(m_socketPath)) {
        qCWarning(lcShell).noquote() << "Can't listen on" << m_socketPath << m_server.errorString();
        return false;
    }
    QFile::setPermissions(m_socketPath, QFile::ReadOwner | QFile::WriteOwner);
    return true;
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        if (!peerIsThisUser(socket->socketDescriptor())) {
            qCWarning(lcShell) << "Refused a connection from another user";
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxMessage)
                    socket->abort();
                return;
            }
            const QString link = QString::fromUtf8(socket->readLine(kMaxMessage)).trimmed();
            socket->write("ok\n");
            socket->flush();
            socket->disconnectFromServer();
            Q_EMIT activated(link);
        });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}
