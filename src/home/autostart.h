#pragma once

#include <QByteArray>
#include <QString>

// The desktop entry that starts the home screen with the person's session:
// $XDG_CONFIG_HOME/autostart/tallowick-home.desktop.
namespace Autostart {

QString entryPath();

// The entry's text, starting `program` (an absolute path).
QByteArray entry(const QString &program);
// `program` as the Exec key's value: quoted when it needs to be, escaped for the file.
QString execValue(const QString &program);

// Writes the entry (0600; a new autostart folder is 0700). False when it cannot.
bool install(const QString &program);

enum class Removal { Removed, NotThere, Failed };
// Removes the entry, so the session no longer starts the home screen.
Removal remove();

} // namespace Autostart
