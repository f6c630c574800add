#include "tintedicon.h"

#include <QPainter>
#include <QQuickWindow>
#include <QSvgRenderer>

namespace {

// "qrc:/a/b.svg" and ":/a/b.svg" name the same resource; local files by path.
QString pathOf(const QUrl &source)
{
    if (source.scheme() == QLatin1String("qrc"))
        return QLatin1Char(':') + source.path();
    if (source.isLocalFile())
        return source.toLocalFile();
    return source.toString();
}

QRectF fitted(const QSizeF &natural, const QRectF &box)
{
    if (natural.isEmpty())
        return box;
    const QSizeF size = natural.scaled(box.size(), Qt::KeepAspectRatio);
    return QRectF(box.x() + (box.width() - size.width()) / 2, box.y() + (box.height() - size.height()) / 2,
                  size.width(), size.height());
}

QImage tinted(QSvgRenderer &renderer, const QColor &color, const QSize &pixelSize)
{
    if (!renderer.isValid() || pixelSize.isEmpty())
        return {};
    QImage image(pixelSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, fitted(renderer.defaultSize(), QRectF(QPointF(0, 0), QSizeF(pixelSize))));
    // Keep the shape's coverage, replace its colours.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), color);
    return image;
}

} // namespace

TintedIcon::TintedIcon(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setAntialiasing(true);
    connect(this, &QQuickItem::widthChanged, this, [this] { m_cache = {}; });
    connect(this, &QQuickItem::heightChanged, this, [this] { m_cache = {}; });
}

TintedIcon::~TintedIcon() = default;

void TintedIcon::setSource(const QUrl &source)
{
    if (source == m_source)
        return;
    m_source = source;
    m_renderer = std::make_unique<QSvgRenderer>(pathOf(source));
    m_cache = {};
    const QSize natural = m_renderer->isValid() ? m_renderer->defaultSize() : QSize();
    setImplicitSize(natural.width(), natural.height());
    update();
    Q_EMIT sourceChanged();
}

void TintedIcon::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    m_cache = {};
    update();
    Q_EMIT colorChanged();
}

bool TintedIcon::isValid() const
{
    return m_renderer && m_renderer->isValid();
}

void TintedIcon::paint(QPainter *painter)
{
    if (!isValid())
        return;
    const qreal ratio = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    const QSize pixelSize = (QSizeF(width(), height()) * ratio).toSize();
    if (m_cache.size() != pixelSize)
        m_cache = tinted(*m_renderer, m_color, pixelSize);
    if (m_cache.isNull())
        return;
    painter->drawImage(QRectF(0, 0, width(), height()), m_cache);
}

QImage TintedIcon::render(const QUrl &source, const QColor &color, const QSize &pixelSize)
{
    QSvgRenderer renderer(pathOf(source));
    return tinted(renderer, color, pixelSize);
}
