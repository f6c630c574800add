#pragma once

#include <QString>

// The home screen as the other programs see it: where its program is, whether one runs for
// this user, and starting one in the background to deliver reminders.
namespace HomeProcess {

// tallowick-home beside this program (the build tree, an installation), else the one on PATH;
// empty when there is none.
QString program();

// Whether a home screen of this user listens on its socket now.
bool isRunning();

// Starts `program --background` on its own (it outlives this program), with this program's
// clock when that is not the system's, and no activation token of ours. Its output goes
// nowhere: it runs unattended. False when it could not be started.
bool startInBackground(const QString &program);

} // namespace HomeProcess
