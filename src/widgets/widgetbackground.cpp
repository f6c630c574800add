#include "widgetbackground.h"

#include <QPainter>

void widgetBackground(QPainter &painter, const QRectF &bounds, const QColor &color)
{
    painter.fillRect(bounds, color);
}
