#pragma once

#include <QString>
#include <functional>

class HomeScreen;

// One widget on the desktop, whichever way the desktop shows it: a window of Qt's (X11, or a
// desktop without layer shell) or a layer surface of the home screen's own Wayland client.
// The home screen's code talks to this alone.
class WidgetSurface
{
public:
    virtual ~WidgetSurface() = default;

    virtual const QString &instanceId() const = 0;
    // Takes the instance's size and position and draws it again.
    virtual void refresh() = 0;
    // Puts it on the desktop.
    virtual void showSurface() = 0;
    // Takes it off the desktop and deletes it once the event being handled is over: its own
    // handler (a menu's Remove) may be what asked.
    virtual void dispose() = 0;
};

// Makes the surface of one instance; it belongs to the caller.
using WidgetSurfaceFactory = std::function<WidgetSurface *(HomeScreen &home, const QString &id)>;
