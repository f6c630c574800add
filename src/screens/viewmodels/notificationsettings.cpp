#include "notificationsettings.h"

#include <store/eventrepository.h>

NotificationSettings::NotificationSettings(QObject *parent)
    : NotificationSettings(NotificationCenter(), parent)
{
}

NotificationSettings::NotificationSettings(NotificationCenter center, QObject *parent)
    : QObject(parent)
    , m_center(std::move(center))
    , m_allowed(m_center.authorizationStatus() == AuthorizationStatus::Authorized)
{
}

bool NotificationSettings::allowed() const
{
    return m_allowed;
}

void NotificationSettings::setAllowed(bool allowed)
{
    // Allowing schedules every event's stored reminder choice.
    EventRepository(SettingsStore(), m_center).setNotificationsAllowed(allowed);
    reload();
}

void NotificationSettings::reload()
{
    const bool allowed = m_center.authorizationStatus() == AuthorizationStatus::Authorized;
    if (allowed == m_allowed)
        return;
    m_allowed = allowed;
    Q_EMIT allowedChanged();
}
