#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// Where a widget's window goes on the screens there are now.
namespace WidgetPlacement {

// The top-left corner for a window that would cover `window`, moved the least so that it lies
// wholly on the one screen it belongs to: the screen under its centre, else the one it
// overlaps most, else the nearest. `screens` are the screens' available areas (without
// panels); a window larger than its screen keeps its top-left corner on it. A window with no
// screen at all stays where it is.
QPoint clamped(const QRect &window, const QList<QRect> &screens);

} // namespace WidgetPlacement
