#include "notificationsettings.h"

#include <platform/autostart.h>
#include <platform/homeprocess.h>
#include <store/eventrepository.h>

NotificationSettings::NotificationSettings(QObject *parent)
    : NotificationSettings(NotificationCenter(), parent)
{
}

NotificationSettings::NotificationSettings(NotificationCenter center, QObject *parent)
    : QObject(parent)
    , m_center(std::move(center))
    , m_allowed(m_center.authorizationStatus() == AuthorizationStatus::Authorized)
    , m_startsAtLogin(Autostart::isInstalled())
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

void NotificationSettings::setStartsAtLogin(bool on)
{
    if (on)
        Autostart::install(HomeProcess::program());
    else
        Autostart::remove();
    reload();
}

void NotificationSettings::reload()
{
    const bool allowed = m_center.authorizationStatus() == AuthorizationStatus::Authorized;
    if (allowed != m_allowed) {
        m_allowed = allowed;
        Q_EMIT allowedChanged();
    }
    const bool startsAtLogin = Autostart::isInstalled();
    if (startsAtLogin != m_startsAtLogin) {
        m_startsAtLogin = startsAtLogin;
        Q_EMIT startsAtLoginChanged();
    }
}
