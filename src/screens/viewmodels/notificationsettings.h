#pragma once

#include <platform/notificationcenter.h>

#include <QObject>
#include <QtQml/qqml.h>

// The app's notification settings page: whether Tallowick may send reminders, as the user's
// notification centre records it, and whether the session starts their delivery at login
// (the home screen's autostart entry).
class NotificationSettings : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool allowed READ allowed WRITE setAllowed NOTIFY allowedChanged)
    Q_PROPERTY(bool startsAtLogin READ startsAtLogin WRITE setStartsAtLogin NOTIFY startsAtLoginChanged)

public:
    explicit NotificationSettings(QObject *parent = nullptr);
    explicit NotificationSettings(NotificationCenter center, QObject *parent = nullptr);

    // True when notifications are authorized.
    bool allowed() const;
    // Records the user's decision: authorized, or denied.
    void setAllowed(bool allowed);

    // True when the autostart entry is there.
    bool startsAtLogin() const { return m_startsAtLogin; }
    // Writes or removes the entry; the app never writes it again once the person removed it.
    void setStartsAtLogin(bool on);

    // Reads both again (another process may have changed them).
    Q_INVOKABLE void reload();

Q_SIGNALS:
    void allowedChanged();
    void startsAtLoginChanged();

private:
    NotificationCenter m_center;
    bool m_allowed = false;
    bool m_startsAtLogin = false;
};
