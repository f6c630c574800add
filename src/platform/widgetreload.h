#pragma once

#include <QByteArray>
#include <QString>

// Asks the home screen to request new timelines from every Tallowick widget. Returns at once
// and reports nothing; nothing happens when no home screen runs.
namespace WidgetReload {

void reloadAllTimelines();

// The Unix datagram socket a running home screen listens on:
// $XDG_RUNTIME_DIR/tallowick/home.socket.
QString socketPath();

// The datagram that asks for the reload.
QByteArray requestMessage();

} // namespace WidgetReload
