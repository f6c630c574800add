#pragma once

#include <platform/notificationcenter.h>

#include <QObject>
#include <QtQml/qqml.h>

// The app's notification settings page: whether Tallowick may send reminders, as the user's
// notification centre records it.
class NotificationSettings : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool allowed READ allowed WRITE setAllowed NOTIFY allowedChanged)

public:
    explicit NotificationSettings(QObject *parent = nullptr);
    explicit NotificationSettings(NotificationCenter center, QObject *parent = nullptr);

    // True when notifications are authorized.
    bool allowed() const;
    // Records the user's decision: authorized, or denied.
    void setAllowed(bool allowed);

    // Reads the decision again (another process may have changed it).
    Q_INVOKABLE void reload();

Q_SIGNALS:
    void allowedChanged();

private:
    NotificationCenter m_center;
    bool m_allowed = false;
};
