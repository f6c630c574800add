#include "placedtext.h"

QRectF PlacedText::textRect() const
{
    const QSizeF size = block.size();
    const qreal slack = frame.width() - size.width();
    const qreal x = frame.left() + (alignment & Qt::AlignRight ? slack : alignment & Qt::AlignHCenter ? slack / 2 : 0);
    return QRectF(QPointF(x, frame.center().y() - size.height() / 2), size);
}

void PlacedText::draw(QPainter &painter) const
{
    block.draw(painter, QPointF(frame.left(), textRect().top()), frame.width(), alignment);
}
