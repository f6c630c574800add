#pragma once

#include <model/widgetcontent.h>
#include <platform/widgetextension.h>

#include <QColor>
#include <QImage>
#include <QRect>

// `entry` drawn through the extension as a widget of `family`, `scale` pixels per point.
QImage renderWidget(const WidgetContent &entry, WidgetFamily family, qreal scale = 1);

// Keeps `image` as test-artifacts/widgets/<name>.png for a person to look at.
void saveArtifact(const QImage &image, const QString &name);

// The colour at a point (in points) of an image drawn at `scale`.
QColor colorAt(const QImage &image, qreal x, qreal y, qreal scale = 1);

// How many pixels of `area` (in pixels) are not `color`.
int pixelsOtherThan(const QImage &image, const QRect &area, const QColor &color);
// How many pixels of `area` are within `tolerance` of `color` in every channel.
int pixelsNear(const QImage &image, const QRect &area, const QColor &color, int tolerance = 24);
