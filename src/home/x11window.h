#pragma once

#include <QByteArray>

class QWidget;

// What the home screen tells an X11 window manager beyond Qt's window flags (the EWMH hints).
// Each does nothing on another platform.
namespace X11Window {

// A widget's window: left out of taskbars and pagers, on every workspace, below the other
// windows. Called before the window is first shown, when the window manager reads them.
void markAsWidget(QWidget &window);

// Brings `window` forward for a launch whose startup id is `startupId` (the id a second
// start of the home screen was given): the window carries the id and asks for the focus with
// the launch's time, so that focus-stealing prevention lets it, and the launch's busy
// feedback ends.
void activate(QWidget &window, const QByteArray &startupId);

} // namespace X11Window
