#include "homeprocess.h"

#include "clock.h"
#include "platformlog.h"
#include "widgetreload.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace HomeProcess {

QString program()
{
    const QString name = QStringLiteral("tallowick-home");
    const QFileInfo beside(QCoreApplication::applicationDirPath() + QLatin1Char('/') + name);
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath();
    return QStandardPaths::findExecutable(name);
}

bool isRunning()
{
    const QByteArray path = QFile::encodeName(WidgetReload::socketPath());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    // Connecting a datagram socket sends nothing: it only succeeds when someone is bound there
    // (a socket left by a crash refuses). Nothing is locked, so a home screen starting this
    // very moment is never turned away by the question.
    const bool bound = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound;
}

bool startInBackground(const QString &program)
{
    if (program.isEmpty())
        return false;
    QStringList arguments{QStringLiteral("--background")};
    // A program on another clock (--now) hands it on: the reminders go by the time it shows.
    if (!Clock::isSystemTime())
        arguments << QStringLiteral("--now") << Clock::now().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // A token or startup id this program was given is spent; the home screen shows no window.
    environment.remove(QStringLiteral("XDG_ACTIVATION_TOKEN"));
    environment.remove(QStringLiteral("DESKTOP_STARTUP_ID"));
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setWorkingDirectory(QStringLiteral("/"));
    if (!process.startDetached()) {
        qCWarning(lcPlatform).noquote() << "Can't start" << program << "to deliver reminders";
        return false;
    }
    qCInfo(lcPlatform).noquote() << "Started" << program << arguments.join(QLatin1Char(' '));
    return true;
}

} // namespace HomeProcess
