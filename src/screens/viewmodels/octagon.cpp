#include "octagon.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <numbers>

std::array<QPointF, 8> octagonVertices(const QRectF &rect, qreal inset)
{
    // Worked out in the shrunk rectangle's own coordinates, then moved back by the inset, so an
    // inset octagon stays concentric with the one it was made from.
    const QRectF shrunk = rect.adjusted(inset, inset, -inset, -inset);
    const QPointF origin = rect.topLeft() + QPointF(inset, inset);
    const qreal radius = shrunk.width() / 2;
    const QPointF centre(shrunk.width() / 2, shrunk.height() / 2);
    std::array<QPointF, 8> vertices;
    for (int k = 0; k < 8; ++k) {
        const qreal angle = (45.0 * k - 90.0) * std::numbers::pi / 180.0;
        vertices[k] = origin + centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return vertices;
}

Octagon::Octagon(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setAntialiasing(true);
}

void Octagon::setInset(qreal inset)
{
    if (qFuzzyCompare(m_inset, inset))
        return;
    m_inset = inset;
    update();
    Q_EMIT insetChanged();
}

void Octagon::setColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
    Q_EMIT colorChanged();
}

qreal Octagon::insetBy(qreal amount)
{
    setInset(m_inset + amount);
    return m_inset;
}

void Octagon::paint(QPainter *painter)
{
    const auto vertices = octagonVertices(QRectF(0, 0, width(), height()), m_inset);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(m_color);
    painter->drawPolygon(QPolygonF(QList<QPointF>(vertices.begin(), vertices.end())));
}
