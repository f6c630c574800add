#include "bardecoration.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <memory>

namespace {

const QString kPictureRoot = QStringLiteral(":/tallowick/widgets/");

struct Metrics
{
    qreal circleDiameter;
    QPointF circleOffset;
    QSizeF barSize;
    qreal barRadius;
    QPointF barOffset;
    qreal pictureScale;
    QPointF pictureOffset;
};

const Metrics kMedium{146, {-25, 90}, {162, 72}, 37, {25, 90}, 0.6, {0, 50}};
const Metrics kLarge{240, {-28, 140}, {270, 120}, 60, {40, 140}, 1.0, {0, 110}};

bool isPlainBarName(const QString &name)
{
    return name == QLatin1String("FlatBar") || name == QLatin1String("RainBar")
        || name == QLatin1String("ThereelineBar");
}

// Only plain names can name a picture; anything else would reach outside the pictures' folder.
bool isPictureName(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (QChar c : name) {
        if (c.unicode() >= 0x80 || !c.isLetterOrNumber())
            return false;
    }
    return true;
}

// Parsed pictures, per thread: a renderer may only be used by one thread at a time.
QSvgRenderer *pictureRenderer(const QString &name)
{
    thread_local QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    if (auto found = renderers.constFind(name); found != renderers.cend())
        return found->get();
    if (!hasBarPicture(name))
        return nullptr;
    auto renderer = std::make_shared<QSvgRenderer>(kPictureRoot + name + QStringLiteral(".svg"));
    if (!renderer->isValid())
        return nullptr;
    renderers.insert(name, renderer);
    return renderer.get();
}

void drawPlainBar(QPainter &painter, const QColor &circleColor, const Metrics &metrics, const QPointF &centre)
{
    const qreal radius = metrics.circleDiameter / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(circleColor);
    painter.drawEllipse(centre + metrics.circleOffset, radius, radius);

    painter.save();
    painter.translate(centre + metrics.barOffset);
    painter.rotate(-45);
    const QRectF bar(QPointF(-metrics.barSize.width() / 2, -metrics.barSize.height() / 2), metrics.barSize);
    // A radius past half the height would bend the ends inwards; past it the ends are round.
    const qreal cornerRadius = std::min(metrics.barRadius, metrics.barSize.height() / 2);
    QPainterPath path;
    path.addRoundedRect(bar, cornerRadius, cornerRadius);
    painter.fillPath(path, Qt::white);
    painter.restore();
}

void drawPicture(QPainter &painter, QSvgRenderer &renderer, const Metrics &metrics, const QPointF &centre)
{
    // Pictures keep their own size (and colours); the medium size shrinks them about their centre.
    const QSizeF size = QSizeF(renderer.defaultSize()) * metrics.pictureScale;
    const QPointF pictureCentre = centre + metrics.pictureOffset;
    const QRectF target(pictureCentre - QPointF(size.width() / 2, size.height() / 2), size);
    // As in any SVG viewer, nothing of the drawing shows outside its own box.
    painter.setClipRect(target, Qt::IntersectClip);
    renderer.render(&painter, target);
}

} // namespace

bool hasBarPicture(const QString &name)
{
    return isPictureName(name) && QFile::exists(kPictureRoot + name + QStringLiteral(".svg"));
}

void barDecoration(QPainter &painter, const QString &barType, const QColor &circleColor, BarDecorationSize size,
                   const QSizeF &widgetSize)
{
    const Metrics &metrics = size == BarDecorationSize::Medium ? kMedium : kLarge;
    const QPointF centre(widgetSize.width() / 2, widgetSize.height() / 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (isPlainBarName(barType)) {
        drawPlainBar(painter, circleColor, metrics, centre);
    } else if (QSvgRenderer *renderer = pictureRenderer(barType)) {
        drawPicture(painter, *renderer, metrics, centre);
    }
    painter.restore();
}
