#include "notificationsettings.h"

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
    m_center.setAuthorizationStatus(allowed ? AuthorizationStatus::Authorized : AuthorizationStatus::Denied);
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
