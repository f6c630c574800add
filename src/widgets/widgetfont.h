#pragma once

#include <model/faces.h>

#include <QFont>
#include <QString>

// The app's face of `role` at `size` points for `text`, with the faces of the scripts the face
// lacks behind it. The views paint in points, so the size is set in painter units and follows
// the host's scale.
QFont widgetFont(Faces::Role role, int size, const QString &text);
