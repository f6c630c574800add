#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// Lays `color` behind a whole widget of `bounds`.
void widgetBackground(QPainter &painter, const QRectF &bounds, const QColor &color);
