#include "svglayer.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <QtQml/qqmlfile.h>

namespace {

// Every layer of a picture reads the same file: parse it once while any layer uses it.
std::shared_ptr<QSvgRenderer> sharedRenderer(const QUrl &source)
{
    static QHash<QUrl, std::weak_ptr<QSvgRenderer>> cache;
    if (auto renderer = cache.value(source).lock())
        return renderer;
    auto renderer = std::make_shared<QSvgRenderer>(QQmlFile::urlToLocalFileOrQrc(source));
    if (!renderer->isValid()) {
        qWarning("SvgLayer: cannot read %s", qPrintable(source.toString()));
        return nullptr;
    }
    cache.insert(source, renderer);
    return renderer;
}

} // namespace

SvgLayer::SvgLayer(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setAntialiasing(true);
    // Without a canvas the item's size is the drawing's; with one, the item follows paintRect.
    const auto sizeChanged = [this] {
        if (!hasCanvas())
            Q_EMIT drawingChanged();
    };
    connect(this, &QQuickItem::widthChanged, this, sizeChanged);
    connect(this, &QQuickItem::heightChanged, this, sizeChanged);
}

SvgLayer::~SvgLayer() = default;

void SvgLayer::setSource(const QUrl &source)
{
    if (m_source == source)
        return;
    m_source = source;
    m_renderer = source.isEmpty() ? nullptr : sharedRenderer(source);
    if (m_renderer) {
        const QRectF box = m_renderer->viewBoxF();
        setImplicitSize(box.width(), box.height());
    }
    update();
    Q_EMIT sourceChanged();
    Q_EMIT drawingChanged();
}

void SvgLayer::setElementId(const QString &id)
{
    if (m_elementId == id)
        return;
    m_elementId = id;
    if (m_renderer && !id.isEmpty() && !m_renderer->elementExists(id))
        qWarning("SvgLayer: %s has no element %s", qPrintable(m_source.toString()), qPrintable(id));
    update();
    Q_EMIT elementIdChanged();
    Q_EMIT drawingChanged();
}

void SvgLayer::setCanvasSize(const QSizeF &size)
{
    if (m_canvasSize == size)
        return;
    m_canvasSize = size;
    update();
    Q_EMIT drawingChanged();
}

QRectF SvgLayer::viewBox() const
{
    return m_renderer ? m_renderer->viewBoxF() : QRectF();
}

bool SvgLayer::isValid() const
{
    return m_renderer && (m_elementId.isEmpty() || m_renderer->elementExists(m_elementId));
}

QTransform SvgLayer::drawingToCanvas() const
{
    const QRectF box = viewBox();
    if (box.isEmpty())
        return {};
    return QTransform::fromTranslate(-box.x(), -box.y())
        * QTransform::fromScale(canvas().width() / box.width(), canvas().height() / box.height());
}

QRectF SvgLayer::elementBounds() const
{
    if (!isValid())
        return {};
    if (m_elementId.isEmpty())
        return QRectF(QPointF(0, 0), canvas());
    // The element's own bounds ignore the transforms of the groups around it; add them back.
    const QTransform toDrawing = m_renderer->transformForElement(m_elementId);
    return (toDrawing * drawingToCanvas()).mapRect(m_renderer->boundsOnElement(m_elementId));
}

QRectF SvgLayer::paintRect() const
{
    const QRectF bounds = elementBounds();
    if (bounds.isEmpty())
        return {};
    // Whole points, so the texture is not resampled half a pixel off; one more on each side
    // for the antialiased edge.
    return QRectF(bounds.toAlignedRect()).adjusted(-1, -1, 1, 1);
}

void SvgLayer::paint(QPainter *painter)
{
    if (!isValid() || width() <= 0 || height() <= 0)
        return;
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    // With a canvas this item sits at paintRect inside it.
    const QPointF canvasOffset = hasCanvas() ? paintRect().topLeft() : QPointF();
    if (m_elementId.isEmpty()) {
        QRectF whole(QPointF(0, 0), canvas());
        whole.translate(-canvasOffset);
        m_renderer->render(painter, whole);
        return;
    }
    // Rendering by id draws the element in its parent group's coordinates and leaves out the group
    // transforms above it; set them on the painter so the element lands where the whole
    // drawing would put it.
    const QTransform canvasToItem = QTransform::fromTranslate(-canvasOffset.x(), -canvasOffset.y());
    painter->setTransform(m_renderer->transformForElement(m_elementId) * drawingToCanvas() * canvasToItem, true);
    m_renderer->render(painter, m_elementId, m_renderer->boundsOnElement(m_elementId));
}
