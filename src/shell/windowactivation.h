#pragma once

#include "singleinstance.h"

#include <QString>
#include <functional>

class QQuickWindow;
class QWindow;

// Brings the app's window to the front for a request from outside: a link, a second start, a
// click on a reminder. Desktops raise a window only for proof that the person asked for it: on
// Wayland a token the compositor issued to what was clicked (xdg-activation), on X11 the time
// of the click, which the launcher's startup id carries. Without either, the window is raised
// as far as the desktop lets it, and asks for attention.
namespace WindowActivation {

// Raises `window` with the activation a later start handed over, on the platform the app runs
// on ("wayland", "xcb"; anything else: raised and activated as Qt does).
void activate(QWindow *window, const Activation &activation, const QString &platform);

// Uses the activation token this process was started with once its first frame is shown
// (Wayland only: Qt's X11 plug-in ends its own start's notification itself).
void activateFirstWindow(QQuickWindow *window, const QString &platform);

// The launcher's time of the click in an X11 startup id ("..._TIME123456"); 0 without one.
quint32 startupTime(const QString &startupId);

} // namespace WindowActivation
