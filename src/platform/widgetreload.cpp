#include "widgetreload.h"

#include "userdirs.h"

#include <QFile>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace WidgetReload {

void reloadAllTimelines()
{
    const QByteArray path = QFile::encodeName(socketPath());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // A path the kernel cannot take cannot have a listener either.
    if (path.size() >= qsizetype(sizeof(address.sun_path)))
        return;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));

    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    const QByteArray message = requestMessage();
    // Never blocks: with no listener the send fails at once (no socket, nobody bound), and a
    // listener whose queue is full already has a reload coming.
    (void)::sendto(fd, message.constData(), size_t(message.size()), MSG_DONTWAIT | MSG_NOSIGNAL,
                   reinterpret_cast<const sockaddr *>(&address), sizeof(address));
    ::close(fd);
}

QString socketPath()
{
    return UserDirs::runtimeDir() + QStringLiteral("/tallowick/home.socket");
}

QByteArray requestMessage()
{
    return QByteArrayLiteral("reload");
}

} // namespace WidgetReload
