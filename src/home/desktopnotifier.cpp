#include "desktopnotifier.h"

#include "homelog.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kAppName = QStringLiteral("Tallowick");
// A slow or stuck service must not leave calls piling up behind it.
constexpr int kCallTimeoutMs = 10 * 1000;

} // namespace

DesktopNotifier::DesktopNotifier(const QDBusConnection &bus, std::FILE *console, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
    , m_console(console)
{
}

void DesktopNotifier::show(const NotificationRequest &request)
{
    if (!m_bus.isConnected()) {
        print(request);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    QVariantMap hints;
    if (!request.defaultSound)
        hints.insert(QStringLiteral("suppress-sound"), true);
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout
    // (-1: the server's default).
    call << kAppName << quint32(0) << QString() << request.title << request.body << QStringList() << hints
         << qint32(-1);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, request] {
        const QDBusPendingReply<quint32> reply = *watcher;
        if (reply.isError()) {
            qCWarning(lcHome).noquote() << "The notification service refused a reminder:" << reply.error().message();
            print(request);
        }
        watcher->deleteLater();
    });
}

QString DesktopNotifier::consoleLine(const NotificationRequest &request)
{
    return QStringLiteral("Reminder: %1 \u2014 %2").arg(request.title, request.body);
}

void DesktopNotifier::print(const NotificationRequest &request)
{
    const QByteArray line = consoleLine(request).toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), m_console);
    // Whoever reads our output (a log, a pipe) sees the reminder now, not at exit.
    std::fflush(m_console);
}
