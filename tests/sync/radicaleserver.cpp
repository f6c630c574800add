#include "radicaleserver.h"

#include <sync/davtransport.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QTcpServer>
#include <QThread>

#include <csignal>

#include <sys/prctl.h>

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");

quint16 freeLoopbackPort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

bool write(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

} // namespace

bool RadicaleServer::installed()
{
    return QProcess::execute(kPython, {QStringLiteral("-c"), QStringLiteral("import radicale")}) == 0;
}

RadicaleServer::RadicaleServer()
{
    const quint16 port = freeLoopbackPort();
    const QString dir = m_dir.path();
    const QByteArray config = "[server]\nhosts = 127.0.0.1:" + QByteArray::number(port) +
                              "\n[auth]\ntype = htpasswd\nhtpasswd_filename = " + dir.toUtf8() +
                              "/users\nhtpasswd_encryption = plain\ndelay = 0\n"
                              "[rights]\ntype = owner_only\n"
                              "[storage]\nfilesystem_folder = " +
                              dir.toUtf8() + "/collections\n[web]\ntype = none\n[logging]\nlevel = warning\n";
    if (port == 0 || !write(dir + QStringLiteral("/config"), config) ||
        !write(dir + QStringLiteral("/users"), "alice:alicepw\nbob:bobpw\n")) {
        m_failure = QStringLiteral("could not prepare Radicale's folder");
        return;
    }
    m_root = QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port));
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Gone with the test, even one that crashed: left behind, it would hold the test's output
    // open and keep ctest waiting.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.start(kPython, {QStringLiteral("-m"), QStringLiteral("radicale"), QStringLiteral("-C"),
                              dir + QStringLiteral("/config")});
    if (!m_process.waitForStarted(5000)) {
        m_failure = QStringLiteral("Radicale did not start: %1").arg(m_process.errorString());
        return;
    }
    // Up when it answers anything over HTTP.
    DavTransport probe(QStringLiteral("alice"), QStringLiteral("alicepw"), std::chrono::seconds(2));
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        if (probe.send("OPTIONS", m_root).status != 0)
            return;
        if (m_process.state() == QProcess::NotRunning)
            break;
        QThread::msleep(50);
    }
    m_failure = QStringLiteral("Radicale did not answer on %1").arg(m_root.toString());
}

RadicaleServer::~RadicaleServer()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}
