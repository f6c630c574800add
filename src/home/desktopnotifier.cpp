#include "desktopnotifier.h"

#include "homelog.h"
#include "linkopener.h"

#include <model/applinks.h>
#include <platform/appinfo.h>

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QUrlQuery>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kAppName = QStringLiteral("Tallowick");
const QString kDefaultAction = QStringLiteral("default");
const QString kOpenAction = QStringLiteral("open");
// A slow or stuck service must not leave calls piling up behind it.
constexpr int kCallTimeoutMs = 10 * 1000;
// The urgency hint's "normal".
constexpr uchar kNormalUrgency = 1;

} // namespace

DesktopNotifier::DesktopNotifier(const QDBusConnection &bus, std::FILE *console, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
    , m_console(console)
    , m_open([](const QUrl &link, const QString &token) { LinkOpener(QCoreApplication::applicationDirPath()).open(link, token); })
{
    if (!m_bus.isConnected())
        return;
    m_watcher.setConnection(m_bus);
    m_watcher.addWatchedService(kService);
    m_watcher.setWatchMode(QDBusServiceWatcher::WatchForRegistration);
    connect(&m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        // Another service, or the same one started again: its capabilities are asked anew.
        m_takesActions.reset();
        flush();
    });
    // The token comes first (version 1.2 of the service's specification), then the action.
    m_bus.connect(kService, kPath, kService, QStringLiteral("ActivationToken"), this,
                  SLOT(activationToken(uint, QString)));
    m_bus.connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this, SLOT(actionInvoked(uint, QString)));
    m_bus.connect(kService, kPath, kService, QStringLiteral("NotificationClosed"), this,
                  SLOT(notificationClosed(uint, uint)));
}

void DesktopNotifier::setLinkHandler(LinkHandler handler)
{
    m_open = std::move(handler);
}

void DesktopNotifier::show(const DueReminder &reminder)
{
    if (!m_bus.isConnected()) {
        print(reminder);
        return;
    }
    m_waiting.append(reminder);
    flush();
}

bool DesktopNotifier::serviceReachable() const
{
    QDBusConnectionInterface *bus = m_bus.interface();
    if (!bus)
        return false;
    if (bus->isServiceRegistered(kService))
        return true;
    // A service the bus starts on the first call is as good as a running one.
    const QDBusReply<QStringList> activatable = bus->activatableServiceNames();
    return activatable.isValid() && activatable.value().contains(kService);
}

void DesktopNotifier::flush()
{
    if (m_waiting.isEmpty() || m_asking)
        return;
    if (!serviceReachable()) {
        qCInfo(lcHome) << "Waiting for the notification service to show" << m_waiting.size() << "reminder(s)";
        return;
    }
    if (!m_takesActions) {
        askCapabilities();
        return;
    }
    // A reminder of an event whose last one is still on its way waits for the answer: it is
    // to replace that one.
    const QList<DueReminder> waiting = std::exchange(m_waiting, {});
    for (const DueReminder &reminder : waiting) {
        if (m_sending.contains(reminder.eventId))
            m_waiting.append(reminder);
        else
            send(reminder);
    }
}

void DesktopNotifier::askCapabilities()
{
    m_asking = true;
    const QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("GetCapabilities"));
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher] {
        const QDBusPendingReply<QStringList> reply = *watcher;
        watcher->deleteLater();
        m_asking = false;
        // A service that cannot say is one without actions: the reminder still shows.
        m_takesActions = !reply.isError() && reply.value().contains(QStringLiteral("actions"));
        flush();
    });
}

void DesktopNotifier::send(const DueReminder &reminder)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    QStringList actions;
    if (*m_takesActions) {
        //% "Open"
        const QString open = qtTrId("Notification.open");
        actions = {kDefaultAction, open, kOpenAction, open};
    }
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), QLatin1String(AppInfo::kAppId)},
        {QStringLiteral("urgency"), QVariant::fromValue(kNormalUrgency)},
    };
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout
    // (-1: the server's default).
    call << kAppName << m_shownFor.value(reminder.eventId, 0) << QString::fromLatin1(AppInfo::kAppId) << reminder.title
         << reminder.body << actions << hints << qint32(-1);
    m_sending.insert(reminder.eventId);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, reminder] {
        const QDBusPendingReply<quint32> reply = *watcher;
        watcher->deleteLater();
        m_sending.remove(reminder.eventId);
        if (!reply.isError()) {
            m_shown.remove(m_shownFor.value(reminder.eventId, 0));
            m_shownFor.insert(reminder.eventId, reply.value());
            m_shown.insert(reply.value(), reminder);
        } else if (reply.error().type() == QDBusError::ServiceUnknown) {
            // Gone between the check and the call: it is waited for again.
            m_waiting.prepend(reminder);
            return;
        } else {
            qCWarning(lcHome).noquote() << "The notification service refused a reminder:" << reply.error().message();
            print(reminder);
        }
        flush();
    });
}

void DesktopNotifier::activationToken(uint id, const QString &token)
{
    if (m_shown.contains(id))
        m_tokens.insert(id, token);
}

void DesktopNotifier::actionInvoked(uint id, const QString &action)
{
    const auto shown = m_shown.constFind(id);
    // A token is good for one activation.
    const QString token = m_tokens.take(id);
    if (shown == m_shown.cend() || (action != kDefaultAction && action != kOpenAction))
        return;
    m_open(eventLink(*shown), token);
}

void DesktopNotifier::notificationClosed(uint id, uint)
{
    const auto shown = m_shown.constFind(id);
    if (shown == m_shown.cend())
        return;
    if (m_shownFor.value(shown->eventId) == id)
        m_shownFor.remove(shown->eventId);
    m_shown.erase(shown);
    m_tokens.remove(id);
}

QUrl DesktopNotifier::eventLink(const DueReminder &reminder)
{
    QUrl link;
    link.setScheme(QLatin1String(AppLinks::kScheme));
    link.setHost(QStringLiteral("open"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("pageNumber"), QString::number(reminder.pageNumber));
    query.addQueryItem(QStringLiteral("eventId"), reminder.eventId);
    link.setQuery(query);
    return link;
}

QString DesktopNotifier::consoleLine(const DueReminder &reminder)
{
    return QStringLiteral("Reminder: %1 \u2014 %2").arg(reminder.title, reminder.body);
}

void DesktopNotifier::print(const DueReminder &reminder)
{
    const QByteArray line = consoleLine(reminder).toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), m_console);
    // Whoever reads our output (a log, a pipe) sees the reminder now, not at exit.
    std::fflush(m_console);
}
