#pragma once

#include <QColor>
#include <QPointF>
#include <QQuickPaintedItem>
#include <QRectF>
#include <QtQml/qqml.h>
#include <array>

// The eight corners of a regular octagon drawn in `rect`: centred on it, circumradius half the
// width of the rectangle shrunk by `inset` on every edge, the first corner straight above the
// centre and the others following clockwise every 45 degrees (screen coordinates, y down).
std::array<QPointF, 8> octagonVertices(const QRectF &rect, qreal inset = 0);

// A filled regular octagon that fills the item's width; `inset` pulls it in on every side
// while keeping it centred, the way a shape is inset to make room for a border.
class Octagon : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(qreal inset READ inset WRITE setInset NOTIFY insetChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)

public:
    explicit Octagon(QQuickItem *parent = nullptr);

    qreal inset() const { return m_inset; }
    void setInset(qreal inset);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);

    // Increases the inset by `amount` and returns the new inset.
    Q_INVOKABLE qreal insetBy(qreal amount);

    void paint(QPainter *painter) override;

Q_SIGNALS:
    void insetChanged();
    void colorChanged();

private:
    qreal m_inset = 0;
    QColor m_color = Qt::white;
};
