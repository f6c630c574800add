#pragma once

#include <QByteArray>
#include <QString>

// The desktop entry that starts the home screen with the person's session, so that reminders
// (and widgets) come back after logging out and in:
// $XDG_CONFIG_HOME/autostart/tallowick-home.desktop. It starts the home screen in the
// background (--background): it shows the widgets there are and delivers the reminders, and
// never opens a window at login.
namespace Autostart {

QString entryPath();

// The entry's text, starting `program` (an absolute path).
QByteArray entry(const QString &program);
// `program` as the Exec key's value: quoted when it needs to be, escaped for the file.
QString execValue(const QString &program);

// Whether the session starts the home screen: the entry is there.
bool isInstalled();

// Writes the entry (0600; a new autostart folder is 0700). False when it cannot.
bool install(const QString &program);

enum class Removal { Removed, NotThere, Failed };
// Removes the entry, so the session no longer starts the home screen.
Removal remove();

// The entry is written the first time reminders need delivering, once: after that (and after
// any install or removal of the person's) it is the person's to keep or remove, and an entry
// they removed is never written again behind their back. True when the entry is there.
bool offer(const QString &program);
// Whether the entry was offered, installed or removed before: $XDG_DATA_HOME/tallowick/
// autostart-offered records it.
bool wasOffered();

} // namespace Autostart
