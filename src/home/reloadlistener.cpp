#include "reloadlistener.h"

#include "homelog.h"

#include <platform/userdirs.h>

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <algorithm>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

ReloadListener::ReloadListener(QString socketPath, QObject *parent)
    : QObject(parent)
    , m_path(std::move(socketPath))
{
    m_coalesce.setSingleShot(true);
    m_coalesce.setInterval(kCoalesceMs);
    connect(&m_coalesce, &QTimer::timeout, this, &ReloadListener::reloadRequested);
}

ReloadListener::~ReloadListener()
{
    if (m_socketFd >= 0) {
        // Still ours: the lock keeps every other home screen from binding in our place.
        ::unlink(QFile::encodeName(m_path).constData());
        ::close(m_socketFd);
    }
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

ReloadListener::Status ReloadListener::listen()
{
    const QByteArray path = QFile::encodeName(m_path);
    // Bound under a name of its own first, and renamed into place once its bits say 0600: a
    // sender never meets the socket with other bits.
    const QByteArray binding = path + ".binding";
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (binding.size() >= qsizetype(sizeof(address.sun_path))) {
        m_error = QStringLiteral("the socket path is too long: %1").arg(m_path);
        return Status::Failed;
    }
    std::memcpy(address.sun_path, binding.constData(), size_t(binding.size()));

    const QString folder = QFileInfo(m_path).absolutePath();
    if (!UserDirs::ensurePrivateDir(folder)) {
        m_error = QStringLiteral("can't create %1").arg(folder);
        return Status::Failed;
    }

    const QByteArray lockPath = path + ".lock";
    m_lockFd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lockFd < 0)
        return fail(QStringLiteral("can't open %1").arg(QFile::decodeName(lockPath)));
    int locked;
    while ((locked = ::flock(m_lockFd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    if (locked != 0) {
        const int error = errno;
        ::close(m_lockFd);
        m_lockFd = -1;
        if (error == EWOULDBLOCK) {
            m_error = QStringLiteral("another home screen is running");
            return Status::AlreadyRunning;
        }
        errno = error;
        return fail(QStringLiteral("can't lock %1").arg(QFile::decodeName(lockPath)));
    }

    struct stat existing {};
    if (::lstat(path.constData(), &existing) == 0) {
        // Whatever bound it has died (we hold the lock); anything but a socket is not ours.
        if (!S_ISSOCK(existing.st_mode))
            return fail(QStringLiteral("%1 is in the way").arg(m_path));
        if (::unlink(path.constData()) != 0)
            return fail(QStringLiteral("can't remove the stale %1").arg(m_path));
    }

    ::unlink(binding.constData()); // left by a home screen that died while binding
    m_socketFd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_socketFd < 0)
        return fail(QStringLiteral("can't create a socket"));
    if (::bind(m_socketFd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0) {
        const int error = errno;
        ::close(m_socketFd);
        m_socketFd = -1;
        errno = error;
        return fail(QStringLiteral("can't bind %1").arg(m_path));
    }
    // The folder already keeps others out; the socket's own bits say so as well.
    if (::chmod(binding.constData(), 0600) != 0 || ::rename(binding.constData(), path.constData()) != 0) {
        const int error = errno;
        ::unlink(binding.constData());
        errno = error;
        return fail(QStringLiteral("can't put the socket in place at %1").arg(m_path));
    }

    m_notifier = new QSocketNotifier(m_socketFd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ReloadListener::readPending);
    return Status::Listening;
}

ReloadListener::Status ReloadListener::fail(const QString &what)
{
    m_error = what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
    if (m_socketFd >= 0) {
        ::close(m_socketFd);
        m_socketFd = -1;
    }
    if (m_lockFd >= 0) {
        ::close(m_lockFd);
        m_lockFd = -1;
    }
    return Status::Failed;
}

namespace {

const QByteArray kActivatePrefix = QByteArrayLiteral("activate ");
// Tokens and startup ids are short printable words; a longer datagram is no request of ours.
constexpr qsizetype kLongestToken = 512;

bool isToken(const QByteArray &token)
{
    return token.size() <= kLongestToken
        && std::all_of(token.cbegin(), token.cend(), [](char c) { return c > ' ' && c < 127; });
}

} // namespace

bool ReloadListener::requestActivation(const QString &token, const QString &socketPath)
{
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const QByteArray word = token.toUtf8();
    const QByteArray message = kActivatePrefix + (isToken(word) ? word : QByteArray());
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const ssize_t sent = ::sendto(fd, message.constData(), size_t(message.size()), MSG_DONTWAIT | MSG_NOSIGNAL,
                                  reinterpret_cast<const sockaddr *>(&address), sizeof(address));
    ::close(fd);
    return sent == message.size();
}

void ReloadListener::readPending()
{
    const QByteArray expected = WidgetReload::requestMessage();
    bool requested = false;
    QStringList activations;
    char buffer[kLongestToken + 64];
    for (;;) {
        const ssize_t size = ::recv(m_socketFd, buffer, sizeof(buffer), MSG_DONTWAIT);
        if (size < 0) {
            if (errno == EINTR)
                continue;
            break; // EAGAIN: drained
        }
        const QByteArray message = QByteArray::fromRawData(buffer, size);
        if (message == expected) {
            requested = true;
        } else if (message.startsWith(kActivatePrefix)) {
            const QByteArray token = message.mid(kActivatePrefix.size());
            if (isToken(token))
                activations.append(QString::fromLatin1(token));
        }
    }
    for (const QString &token : std::as_const(activations))
        Q_EMIT activationRequested(token);
    // Waiting a moment lets a burst of requests (one per changed event) end in one reload;
    // a timer already running is not pushed back, so a steady stream still reloads.
    if (requested && !m_coalesce.isActive())
        m_coalesce.start();
}
