#include "windowfit.h"

#include <algorithm>

namespace {

// What a desktop's window frame commonly takes beside and above the window, and a panel.
constexpr int kFrameSides = 8;
constexpr int kTitleBar = 40;
constexpr int kPanel = 48;

} // namespace

namespace WindowFit {

QSize smallestFor(QSize room, QSize smallest)
{
    if (room.height() >= smallest.height())
        return smallest;
    return QSize(std::min(room.width(), std::max(smallest.width(), kShortWindowWidth)), room.height());
}

QSize fit(QSize wanted, QSize room, QSize smallest)
{
    return wanted.boundedTo(room).expandedTo(smallestFor(room, smallest));
}

QSize roomBeforeShow(const QRect &available, const QString &platform)
{
    const int reserved = kTitleBar + (platform == QLatin1String("wayland") ? kPanel : 0);
    return QSize(available.width() - kFrameSides, available.height() - reserved - kFrameSides / 2);
}

QSize roomWithFrame(const QRect &available, const QMargins &frame)
{
    return QSize(available.width() - frame.left() - frame.right(), available.height() - frame.top() - frame.bottom());
}

QPoint keepWithin(const QRect &frame, const QRect &available)
{
    const int x = std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width()));
    const int y = std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height()));
    return QPoint(x, y);
}

} // namespace WindowFit
