#pragma once

#include "reminderdelivery.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QUrl>

#include <cstdio>
#include <functional>
#include <optional>

// Shows reminders as desktop notifications through the session bus's notification service
// (org.freedesktop.Notifications): with the app's icon and desktop entry, so that the desktop
// ties them to Tallowick and its notification settings; one per event at a time (a newer one
// replaces the one still shown); and, where the service takes actions, a click (or "Open")
// opens the app at that event's page, with the activation token the service sends before the
// click's action so that the app's window comes forward. A service that is not on the bus yet (early in a login)
// is waited for. Without a session bus, or when the service refuses, it prints
// "Reminder: <title> — <body>" on standard output instead.
class DesktopNotifier : public QObject
{
    Q_OBJECT

public:
    // Opens `link`; `activationToken` is the service's token for the click (or empty), which
    // lets the app's window come forward.
    using LinkHandler = std::function<void(const QUrl &link, const QString &activationToken)>;

    // Talks to the service on `bus`; prints to `console`.
    explicit DesktopNotifier(const QDBusConnection &bus = QDBusConnection::sessionBus(), std::FILE *console = stdout,
                             QObject *parent = nullptr);

    // Shows one reminder (or has it wait for the service); returns at once.
    void show(const DueReminder &reminder);
    // What opens the app at an event when a notification is clicked (by default, the app
    // beside this program).
    void setLinkHandler(LinkHandler handler);

    // The line printed where no notification service answers.
    static QString consoleLine(const DueReminder &reminder);
    // The link that opens the app at the reminder's event, wherever it has moved since.
    static QUrl eventLink(const DueReminder &reminder);

private Q_SLOTS:
    void activationToken(uint id, const QString &token);
    void actionInvoked(uint id, const QString &action);
    void notificationClosed(uint id, uint reason);

private:
    void flush();
    bool serviceReachable() const;
    void askCapabilities();
    void send(const DueReminder &reminder);
    void print(const DueReminder &reminder);

    QDBusConnection m_bus;
    std::FILE *m_console;
    LinkHandler m_open;
    QDBusServiceWatcher m_watcher;
    QList<DueReminder> m_waiting;       // for the service to be there, or to answer
    std::optional<bool> m_takesActions; // the service lists "actions"; nothing while unasked
    bool m_asking = false;
    QSet<QString> m_sending;            // event ids whose Notify awaits its answer
    QHash<QString, uint> m_shownFor;    // event id -> the notification that shows it
    QHash<uint, DueReminder> m_shown;   // notification id -> what it shows
    QHash<uint, QString> m_tokens;      // notification id -> the token sent before its action
};
