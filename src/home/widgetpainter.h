#pragma once

#include <platform/widgetextension.h>

#include <QImage>

// Draws a widget as the home screen shows it: the extension's drawing of an entry, clipped
// to the widget's rounded outline, outside of which the picture is transparent.
namespace WidgetPainter {

// The corner radius of every widget, in points.
constexpr qreal kCornerRadius = kWidgetCornerRadius;

// The picture of `entry` as a widget of `family`, `scale` pixels per point.
QImage render(WidgetExtension &extension, const WidgetEntry &entry, WidgetFamily family, qreal scale);

} // namespace WidgetPainter
