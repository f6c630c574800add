#pragma once

#include <QColor>
#include <QPointF>
#include <QQuickPaintedItem>
#include <QtQml/qqml.h>

// A capsule (a rectangle with fully rounded ends) filled with a linear gradient from white to
// `color`, running between two unit points of its frame. Painted once into a texture, so a
// bar sliding or springing costs nothing to redraw.
class BarCapsule : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(QPointF startPoint READ startPoint WRITE setStartPoint NOTIFY startPointChanged)
    Q_PROPERTY(QPointF endPoint READ endPoint WRITE setEndPoint NOTIFY endPointChanged)

public:
    explicit BarCapsule(QQuickItem *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    QPointF startPoint() const { return m_startPoint; }
    void setStartPoint(const QPointF &point);
    QPointF endPoint() const { return m_endPoint; }
    void setEndPoint(const QPointF &point);

    void paint(QPainter *painter) override;

Q_SIGNALS:
    void colorChanged();
    void startPointChanged();
    void endPointChanged();

private:
    QColor m_color = Qt::white;
    QPointF m_startPoint{0, 0};
    QPointF m_endPoint{1, 0};
};
