#pragma once

#include <platform/notificationcenter.h>

#include <QDBusConnection>
#include <QObject>

#include <cstdio>

// Shows reminders as desktop notifications through the session bus's notification service
// (org.freedesktop.Notifications). Without a session bus, or when the service refuses, it
// prints "Reminder: <title> — <body>" on standard output instead.
class DesktopNotifier : public QObject
{
    Q_OBJECT

public:
    // Talks to the service on `bus`; prints to `console`.
    explicit DesktopNotifier(const QDBusConnection &bus = QDBusConnection::sessionBus(), std::FILE *console = stdout,
                             QObject *parent = nullptr);

    // Shows one reminder; returns at once.
    void show(const NotificationRequest &request);

    // The line printed where no notification service answers.
    static QString consoleLine(const NotificationRequest &request);

private:
    void print(const NotificationRequest &request);

    QDBusConnection m_bus;
    std::FILE *m_console;
};
