#include "desktoplook.h"

#include <platform/desktoppreferences.h>

#include <QGuiApplication>
#include <QScreen>

DesktopLook::DesktopLook(QObject *parent)
    : QObject(parent)
{
    connect(&DesktopPreferences::session(), &DesktopPreferences::changed, this, &DesktopLook::changed);
}

bool DesktopLook::dark() const
{
    return DesktopPreferences::session().dark();
}

bool DesktopLook::reducedMotion() const
{
    return DesktopPreferences::session().reducedMotion();
}

qreal DesktopLook::textScale() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() / 96.0 : 1.0;
}
