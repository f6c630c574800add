#pragma once

#include "viewlayout.h"

#include <model/widgetcontent.h>

#include <QRectF>
#include <QSizeF>
#include <functional>

class QPainter;

// What every size of the widget draws the same way: clipped to its size, smoothed, the
// entry's background, then the view's own decoration, then its texts in the entry's colour.
void paintWidgetView(QPainter &painter, QSizeF size, const WidgetContent &entry, const ViewLayout &layout,
                     const std::function<void(const QRectF &bounds)> &decoration);
