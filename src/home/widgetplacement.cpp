#include "widgetplacement.h"

#include <algorithm>
#include <limits>

namespace WidgetPlacement {

namespace {

qint64 overlap(const QRect &a, const QRect &b)
{
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

qint64 squaredDistance(const QPoint &point, const QRect &area)
{
    const qint64 dx = point.x() < area.left() ? area.left() - point.x() : std::max(0, point.x() - area.right());
    const qint64 dy = point.y() < area.top() ? area.top() - point.y() : std::max(0, point.y() - area.bottom());
    return dx * dx + dy * dy;
}

const QRect &screenOf(const QRect &window, const QList<QRect> &screens)
{
    const QPoint centre = window.center();
    for (const QRect &screen : screens) {
        if (screen.contains(centre))
            return screen;
    }
    const QRect *best = &screens.first();
    qint64 bestOverlap = 0;
    for (const QRect &screen : screens) {
        if (const qint64 area = overlap(window, screen); area > bestOverlap) {
            best = &screen;
            bestOverlap = area;
        }
    }
    if (bestOverlap > 0)
        return *best;
    qint64 nearest = std::numeric_limits<qint64>::max();
    for (const QRect &screen : screens) {
        if (const qint64 distance = squaredDistance(centre, screen); distance < nearest) {
            best = &screen;
            nearest = distance;
        }
    }
    return *best;
}

int clampedTo(int start, int length, int areaStart, int areaLength)
{
    // Too long for the area: its start stays in it, where its title or content begins.
    if (length >= areaLength)
        return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

} // namespace

QPoint clamped(const QRect &window, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return window.topLeft();
    const QRect &screen = screenOf(window, screens);
    return QPoint(clampedTo(window.x(), window.width(), screen.x(), screen.width()),
                  clampedTo(window.y(), window.height(), screen.y(), screen.height()));
}

} // namespace WidgetPlacement
