#include "singleinstance.h"

#include "shelllog.h"

#include <platform/filelock.h>
#include <platform/userdirs.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>

#include <sys/socket.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcShell, "tallowick.shell", QtWarningMsg)

namespace {

constexpr int kHandOverTimeoutMs = 2000;
// A running app answers once its main thread is free, which a busy moment (a long redraw, a
// loaded machine) can delay well beyond the time a connection takes.
constexpr int kAnswerTimeoutMs = 10000;
// A link is one line; anything longer than this is not one of ours.
constexpr qint64 kMaxMessage = 64 * 1024;
// The running app's answers: the link is taken (and acted on), or refused (and dropped).
const QByteArray kTaken = QByteArrayLiteral("ok");
const QByteArray kRefused = QByteArrayLiteral("refused");

// A start with a token sends one line of JSON; a line that is not an object is a bare link, as
// earlier starts send it (a link never starts with a brace).
QByteArray encode(const Activation &activation)
{
    if (activation.activationToken.isEmpty() && activation.startupId.isEmpty())
        return activation.link.toUtf8();
    QJsonObject message{{QStringLiteral("link"), activation.link}};
    if (!activation.activationToken.isEmpty())
        message.insert(QStringLiteral("activationToken"), activation.activationToken);
    if (!activation.startupId.isEmpty())
        message.insert(QStringLiteral("startupId"), activation.startupId);
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

Activation decode(const QByteArray &line)
{
    if (line.startsWith('{')) {
        const QJsonObject message = QJsonDocument::fromJson(line).object();
        return Activation{message.value(QStringLiteral("link")).toString(),
                          message.value(QStringLiteral("activationToken")).toString(),
                          message.value(QStringLiteral("startupId")).toString()};
    }
    return Activation{QString::fromUtf8(line), {}, {}};
}

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
    m_watch.setInterval(1000);
    connect(&m_watch, &QTimer::timeout, this, &SingleInstance::keepListening);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultSocketPath()
{
    return UserDirs::runtimeDir() + QStringLiteral("/tallowick/app.socket");
}

Activation Activation::fromEnvironment(const QString &link)
{
    return Activation{link, qEnvironmentVariable("XDG_ACTIVATION_TOKEN"), qEnvironmentVariable("DESKTOP_STARTUP_ID")};
}

bool SingleInstance::handOver(const QString &link)
{
    return handOver(Activation{link, {}, {}});
}

bool SingleInstance::handOver(const Activation &activation)
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(kHandOverTimeoutMs))
        return false;
    // Links go only to our own user's app, never to a listener someone else put in its place.
    if (!peerIsThisUser(socket.socketDescriptor())) {
        qCWarning(lcShell).noquote() << "The socket" << m_socketPath << "belongs to another user; not handing over";
        return false;
    }
    const QByteArray message = encode(activation);
    if (message.size() > kMaxMessage || message.contains('\n') || activation.link.contains(QLatin1Char('\n'))) {
        // The running app would refuse it (see acceptConnection); this start must still not
        // become a second app.
        qCWarning(lcShell) << "The link is not one line of at most" << kMaxMessage << "bytes; not handed over";
        return true;
    }
    socket.write(message + '\n');
    if (!socket.waitForBytesWritten(kHandOverTimeoutMs))
        return false;
    // The running app answers once it has the link, so this start never exits before then.
    if (!socket.waitForReadyRead(kAnswerTimeoutMs)) {
        // Closed without a word: nobody took it. Still connected: the link waits in a busy
        // app's queue, and this start must not become a second app.
        if (socket.state() != QLocalSocket::ConnectedState)
            return false;
        qCWarning(lcShell) << "The running Tallowick has not answered yet; the link waits for it";
        return true;
    }
    const QByteArray answer = socket.readLine().trimmed();
    if (answer == kRefused)
        qCWarning(lcShell) << "The running Tallowick refused the link";
    return answer == kTaken || answer == kRefused;
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
    m_watch.start();
    return true;
}

void SingleInstance::keepListening()
{
    if (m_server.isListening())
        return;
    qCWarning(lcShell).noquote() << "The app stopped listening on" << m_socketPath << m_server.errorString() << "; listening again";
    m_server.close();
    if (!listen())
        m_watch.stop(); // another app answers there now
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        if (m_connections >= kMaxConnections || !peerIsThisUser(socket->socketDescriptor())) {
            if (m_connections >= kMaxConnections)
                qCInfo(lcShell) << "Closed a connection beyond the" << kMaxConnections << "served at once";
            else
                qCWarning(lcShell) << "Refused a connection from another user";
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++m_connections;
        connect(socket, &QObject::destroyed, this, [this] { --m_connections; });
        // A connection that does not send its line in time is closed, whoever holds it open.
        QTimer::singleShot(kConnectionDeadlineMs, socket, [socket] { socket->abort(); socket->deleteLater(); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            const auto answer = [socket](const QByteArray &word) {
                socket->write(word + '\n');
                socket->flush();
                socket->disconnectFromServer();
            };
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxMessage)
                    answer(kRefused);
                return;
            }
            // Room for a line of the longest length taken and its end: anything longer comes
            // back without its line end and is refused whole, never acted on cut short.
            const QByteArray line = socket->readLine(kMaxMessage + 2);
            if (!line.endsWith('\n')) {
                qCWarning(lcShell) << "Refused a link longer than" << kMaxMessage << "bytes";
                answer(kRefused);
                return;
            }
            answer(kTaken);
            Activation activation = decode(line.trimmed());
            activation.link = activation.link.trimmed();
            Q_EMIT activated(activation.link, activation);
        });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}
