#include "barcapsule.h"

#include <QLinearGradient>
#include <QPainter>

BarCapsule::BarCapsule(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setAntialiasing(true);
}

void BarCapsule::setColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
    Q_EMIT colorChanged();
}

void BarCapsule::setStartPoint(const QPointF &point)
{
    if (m_startPoint == point)
        return;
    m_startPoint = point;
    update();
    Q_EMIT startPointChanged();
}

void BarCapsule::setEndPoint(const QPointF &point)
{
    if (m_endPoint == point)
        return;
    m_endPoint = point;
    update();
    Q_EMIT endPointChanged();
}

void BarCapsule::paint(QPainter *painter)
{
    const QRectF frame(0, 0, width(), height());
    if (frame.isEmpty())
        return;
    const auto inFrame = [&](QPointF unit) { return QPointF(unit.x() * frame.width(), unit.y() * frame.height()); };
    QLinearGradient gradient(inFrame(m_startPoint), inFrame(m_endPoint));
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, m_color);
    const qreal radius = qMin(frame.width(), frame.height()) / 2;
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(gradient);
    painter->drawRoundedRect(frame, radius, radius);
}
