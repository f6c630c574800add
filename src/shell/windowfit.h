#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>

// How large the app's window may be on a screen: what it wants (the phone size, or what the
// person left it at), no larger than the screen's free area less the window's frame, never
// smaller than the smallest size at which every control of the screens is in reach.
namespace WindowFit {

// The window's size on a phone-sized first start, and the smallest it may take.
inline constexpr QSize kPhoneSize{390, 844};
inline constexpr QSize kSmallest{320, 560};
// A window shorter than the smallest lays its pages out side by side from this width on.
inline constexpr int kShortWindowWidth = 640;

// The smallest size for a window with `room`: `smallest` where the room is as tall; on a
// shorter screen (a laptop's at 200 %) as tall as the room and wide enough for the pages'
// side-by-side layout, which keeps every control in reach there.
QSize smallestFor(QSize room, QSize smallest = kSmallest);

QSize fit(QSize wanted, QSize room, QSize smallest = kSmallest);

// The room for the window's inner area in the free area `available` of its screen before the
// window is shown, when its frame is not known yet: a title bar and thin borders are kept
// aside. On Wayland Qt takes the whole screen for its free area (it is not told of panels):
// a panel's height is kept aside too.
QSize roomBeforeShow(const QRect &available, const QString &platform);

// The same once the frame is known.
QSize roomWithFrame(const QRect &available, const QMargins &frame);

// Where `frame` (a window's frame) goes to lie within `available`, moved as little as it
// takes; a frame larger than the area starts at its top left.
QPoint keepWithin(const QRect &frame, const QRect &available);

} // namespace WindowFit
