#include "fakeportal.h"

#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kServiceConnection = QStringLiteral("fake-portal");
const QString kClientConnection = QStringLiteral("fake-portal-client");

QString keyOf(const QString &group, const QString &key)
{
    return group + QLatin1Char('\n') + key;
}

} // namespace

FakePortal::FakePortal(bool serve)
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) {
        m_failure = QStringLiteral("dbus-daemon is not installed");
        return;
    }
    const QString socket = m_dir.path() + QStringLiteral("/bus");
    QFile config(m_dir.path() + QStringLiteral("/bus.conf"));
    if (!config.open(QIODevice::WriteOnly)) {
        m_failure = QStringLiteral("cannot write the bus's configuration");
        return;
    }
    config.write(QStringLiteral("<busconfig><type>session</type><listen>unix:path=%1</listen>"
                                "<policy context=\"default\"><allow send_destination=\"*\"/>"
                                "<allow receive_sender=\"*\"/><allow own=\"*\"/></policy></busconfig>")
                     .arg(socket)
                     .toUtf8());
    config.close();
    // The daemon prints its address once it takes connections.
    m_daemon.start(daemon, {QStringLiteral("--config-file=") + config.fileName(), QStringLiteral("--nofork"),
                            QStringLiteral("--print-address=1")});
    const QDeadlineTimer deadline(10000);
    while (!m_daemon.canReadLine() && !deadline.hasExpired() && m_daemon.state() != QProcess::NotRunning)
        m_daemon.waitForReadyRead(50);
    if (!m_daemon.canReadLine()) {
        m_failure = QStringLiteral("dbus-daemon did not start");
        return;
    }
    m_address = QStringLiteral("unix:path=") + socket;
    if (!serve)
        return;
    QDBusConnection service = QDBusConnection::connectToBus(m_address, kServiceConnection);
    if (!service.registerObject(kPath, this, QDBusConnection::ExportAllSlots)
        || !service.registerService(kService))
        m_failure = QStringLiteral("cannot serve the portal: ") + service.lastError().message();
}

FakePortal::~FakePortal()
{
    QDBusConnection::disconnectFromBus(kServiceConnection);
    QDBusConnection::disconnectFromBus(kClientConnection);
    m_daemon.terminate();
    m_daemon.waitForFinished(10000);
}

QDBusConnection FakePortal::clientBus() const
{
    return QDBusConnection::connectToBus(m_address, kClientConnection);
}

void FakePortal::set(const QString &group, const QString &key, const QVariant &value)
{
    m_values.insert(keyOf(group, key), value);
    QDBusMessage changed = QDBusMessage::createSignal(kPath, QStringLiteral("org.freedesktop.portal.Settings"),
                                                      QStringLiteral("SettingChanged"));
    changed << group << key << QVariant::fromValue(QDBusVariant(value));
    QDBusConnection(kServiceConnection).send(changed);
}

QDBusVariant FakePortal::Read(const QString &group, const QString &key, const QDBusMessage &message)
{
    const auto found = m_values.constFind(keyOf(group, key));
    if (found == m_values.constEnd()) {
        message.setDelayedReply(true);
        QDBusConnection(kServiceConnection)
            .send(message.createErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"),
                                           QStringLiteral("Requested setting not found")));
        return {};
    }
    return QDBusVariant(QVariant::fromValue(QDBusVariant(*found)));
}
