#pragma once

#include <QColor>
#include <QImage>
#include <QQuickPaintedItem>
#include <QUrl>
#include <QtQml/qqml.h>
#include <memory>

class QSvgRenderer;

// A one-colour icon: the shape of an SVG drawn in `color` (the SVG's own colours are ignored),
// fitted into the item with its aspect kept and centred. Its implicit size is the SVG's.
//   TintedIcon { source: "qrc:/tallowick/images/Add.svg"; color: "white"; width: 28; height: 28 }
class TintedIcon : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QUrl source READ source WRITE setSource NOTIFY sourceChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(bool valid READ isValid NOTIFY sourceChanged)

public:
    explicit TintedIcon(QQuickItem *parent = nullptr);
    ~TintedIcon() override;

    QUrl source() const { return m_source; }
    void setSource(const QUrl &source);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    // Whether the source was found and read as an SVG.
    bool isValid() const;

    void paint(QPainter *painter) override;

    // The image an icon draws for a size in device pixels: the shape in `color`, transparent
    // around it. Null for an unreadable source.
    static QImage render(const QUrl &source, const QColor &color, const QSize &pixelSize);

Q_SIGNALS:
    void sourceChanged();
    void colorChanged();

private:
    std::unique_ptr<QSvgRenderer> m_renderer;
    QUrl m_source;
    QColor m_color = Qt::black;
    QImage m_cache; // the last drawing, kept while size and colour stay the same
};
