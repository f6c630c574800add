#include "desktopfilechooser.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

namespace {

const char kThemeVariable[] = "QT_QPA_PLATFORMTHEME";
const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");

bool &portalTheme()
{
    static bool chosen = false;
    return chosen;
}

} // namespace

void DesktopFileChooser::choosePortalTheme()
{
    if (qEnvironmentVariableIsSet(kThemeVariable))
        return;
    qputenv(kThemeVariable, "xdgdesktopportal");
    portalTheme() = true;
}

void DesktopFileChooser::forgetThemeChoice()
{
    if (portalTheme())
        qunsetenv(kThemeVariable);
}

bool DesktopFileChooser::available() const
{
    if (!portalTheme())
        return true;
    const QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusConnectionInterface *daemon = bus.isConnected() ? bus.interface() : nullptr;
    if (!daemon)
        return false;
    // The portal starts when it is first called: one that can be started is there.
    return daemon->isServiceRegistered(kPortal).value()
        || daemon->activatableServiceNames().value().contains(kPortal);
}
