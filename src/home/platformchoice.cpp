#include "platformchoice.h"

namespace {

bool isWayland(const QByteArray &platform)
{
    return platform.startsWith("wayland");
}

} // namespace

PlatformChoice::Facts PlatformChoice::fromEnvironment()
{
    Facts facts;
    facts.requested = qgetenv("QT_QPA_PLATFORM");
    facts.wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_SOCKET");
    facts.x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    return facts;
}

bool PlatformChoice::asksAboutLayerShell(const Facts &facts, bool showsWindows)
{
    return showsWindows && facts.wayland && (facts.requested.isEmpty() || isWayland(facts.requested));
}

PlatformChoice PlatformChoice::choose(const Facts &facts, bool showsWindows)
{
    if (!facts.requested.isEmpty()) {
        // The person's choice stands; on Wayland the widgets still go below the windows.
        return {{}, showsWindows && isWayland(facts.requested) && facts.wayland && facts.layerShell};
    }
    // The commands draw into pictures at most, and without a display the home screen still
    // delivers reminders.
    if (!showsWindows || (!facts.wayland && !facts.x11))
        return {"offscreen", false};
    if (facts.wayland && facts.layerShell) {
        // The widgets need no Qt window; the first-run window and dialogs do, and take the
        // first of these that is installed (Qt's Wayland plug-in is a package of its own).
        return {"wayland;xcb", true};
    }
    if (facts.wayland && facts.x11)
        return {"xcb", false};
    // Wayland without layer shell or XWayland: the widgets are ordinary windows there.
    return {{}, false};
}
