#pragma once

#include <QQuickPaintedItem>
#include <QRectF>
#include <QTransform>
#include <QUrl>
#include <QtQml/qqml.h>
#include <memory>

class QSvgRenderer;

// One element of an SVG drawing (found by its id), painted where it sits in the whole drawing:
// the item stands for the drawing's full view box scaled to the item's size, so several
// layers of the same drawing stacked on one another line up into the complete picture.
// Without an element id the whole drawing is painted.
//
// A layer given a `canvasSize` stands for just its element instead: the drawing is that size,
// and the item, placed at `paintRect` inside it, holds only the element's pixels. A picture of
// many layers then keeps small textures rather than one canvas-sized texture per layer.
class SvgLayer : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QUrl source READ source WRITE setSource NOTIFY sourceChanged)
    Q_PROPERTY(QString elementId READ elementId WRITE setElementId NOTIFY elementIdChanged)
    // The drawing's view box, in drawing units.
    Q_PROPERTY(QRectF viewBox READ viewBox NOTIFY drawingChanged)
    // Where the element sits inside this item, in item coordinates.
    Q_PROPERTY(QRectF elementBounds READ elementBounds NOTIFY drawingChanged)
    // The full drawing's size in item units; empty: the drawing fills the item.
    Q_PROPERTY(QSizeF canvasSize READ canvasSize WRITE setCanvasSize NOTIFY drawingChanged)
    // With a canvas: where to place this item in it, the element's bounds grown to whole points.
    Q_PROPERTY(QRectF paintRect READ paintRect NOTIFY drawingChanged)
    // Whether the source was read and holds the element.
    Q_PROPERTY(bool valid READ isValid NOTIFY drawingChanged)

public:
    explicit SvgLayer(QQuickItem *parent = nullptr);
    ~SvgLayer() override;

    QUrl source() const { return m_source; }
    void setSource(const QUrl &source);
    QString elementId() const { return m_elementId; }
    void setElementId(const QString &id);
    QRectF viewBox() const;
    QRectF elementBounds() const;
    QSizeF canvasSize() const { return m_canvasSize; }
    void setCanvasSize(const QSizeF &size);
    QRectF paintRect() const;
    bool isValid() const;

    void paint(QPainter *painter) override;

Q_SIGNALS:
    void sourceChanged();
    void elementIdChanged();
    void drawingChanged();

private:
    bool hasCanvas() const { return !m_canvasSize.isEmpty(); }
    // The full drawing's size: the canvas's, or without one the item's own.
    QSizeF canvas() const { return hasCanvas() ? m_canvasSize : size(); }
    // Drawing units to canvas coordinates (the item's own without a canvas).
    QTransform drawingToCanvas() const;

    QUrl m_source;
    QString m_elementId;
    QSizeF m_canvasSize;
    std::shared_ptr<QSvgRenderer> m_renderer;
};
