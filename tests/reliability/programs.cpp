#include "programs.h"

#include <QDir>

namespace Programs {

QString app() { return QStringLiteral(TALLOWICK_APP_PATH); }
QString cli() { return QStringLiteral(TALLOWICK_CLI_PATH); }
QString home() { return QStringLiteral(TALLOWICK_HOME_PATH); }
QString saveLoop() { return QStringLiteral(TALLOWICK_SAVE_LOOP_PATH); }

QProcessEnvironment environment()
{
    // The XDG folders are the test's: TemporaryHome put them in this process's environment.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    // No session bus: reminders are printed, and nobody's real bus is reached.
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
               QStringLiteral("unix:path=%1/no-bus").arg(qEnvironmentVariable("XDG_RUNTIME_DIR")));
    return env;
}

QStringList withClock(const QString &program, const QStringList &arguments, const QDateTime &now)
{
    // Every program of ours but the test's own save loop takes the clock on its command line.
    if (program == saveLoop())
        return arguments;
    return arguments + QStringList{QStringLiteral("--now"), now.toLocalTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))};
}

Run run(const QString &program, const QStringList &arguments, const QDateTime &now, int timeoutMs)
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, withClock(program, arguments, now));
    Run result;
    result.finished = process.waitForFinished(timeoutMs);
    if (!result.finished) {
        process.kill();
        process.waitForFinished(5000);
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

Running::Running(const QString &program, const QStringList &arguments, const QDateTime &now)
{
    m_process.setProcessEnvironment(environment());
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardOutputFile(m_logFolder.filePath(QStringLiteral("output")));
    m_process.start(program, withClock(program, arguments, now));
    m_process.waitForStarted(10000);
}

Running::~Running()
{
    stop();
}

void Running::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(10000)) {
        m_process.kill();
        m_process.waitForFinished(10000);
    }
}

QByteArray Running::output()
{
    return readFile(m_logFolder.filePath(QStringLiteral("output")));
}

} // namespace Programs
