#include "viewpainting.h"

#include "widgetbackground.h"

#include <model/hexcolor.h>

#include <QPainter>

void paintWidgetView(QPainter &painter, QSizeF size, const WidgetContent &entry, const ViewLayout &layout,
                     const std::function<void(const QRectF &bounds)> &decoration)
{
    const QRectF bounds(QPointF(0, 0), size);
    painter.save();
    painter.setClipRect(bounds);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    widgetBackground(painter, bounds, hexColor(entry.bgColor));
    decoration(bounds);

    painter.setPen(hexColor(entry.fontColor));
    layout.title.draw(painter);
    if (layout.date)
        layout.date->draw(painter);
    layout.count.draw(painter);
    layout.label.draw(painter);
    painter.restore();
}
