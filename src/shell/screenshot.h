#pragma once

#include <QString>

class QGuiApplication;
class QQuickWindow;

// Lets the window draw its settled state, saves that frame as a PNG at `path`, says where on
// standard output and returns the exit code (0 saved, 1 not).
int saveFirstSettledFrame(QGuiApplication &app, QQuickWindow *window, const QString &path);
