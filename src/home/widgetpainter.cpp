#include "widgetpainter.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace WidgetPainter {

QImage render(WidgetExtension &extension, const WidgetEntry &entry, WidgetFamily family, qreal scale)
{
    const QSizeF points = widgetFamilySize(family);
    const QSize pixels(int(std::lround(points.width() * scale)), int(std::lround(points.height() * scale)));

    QImage content(pixels, QImage::Format_ARGB32_Premultiplied);
    content.fill(Qt::transparent);
    {
        QPainter painter(&content);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        painter.scale(scale, scale);
        extension.render(entry, family, painter);
    }

    // A clip path would cut the corners without antialiasing; filling the outline with the
    // drawing as its brush gives smooth ones.
    QImage rounded(pixels, QImage::Format_ARGB32_Premultiplied);
    rounded.fill(Qt::transparent);
    QPainter painter(&rounded);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(content));
    const qreal radius = kCornerRadius * scale;
    painter.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(pixels)), radius, radius);
    painter.end();
    return rounded;
}

} // namespace WidgetPainter
