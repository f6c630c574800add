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
// The large widget is laid out as a small page, the decoration in its middle between the title
// above and the count below: the medium's circle and bar grown by a bit more, the picture at
// 0.85 of its own size.
const Metrics kLarge{168, {-2, 9}, {189, 84}, 42, {46, 9}, 0.85, {0, 9}};

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

QPointF sideways(QPointF offset, bool mirrored)
{
    if (mirrored)
        offset.setX(-offset.x());
    return offset;
}

void drawPlainBar(QPainter &painter, const QColor &circleColor, const Metrics &metrics, const QPointF &centre,
                  bool mirrored)
{
    const qreal radius = metrics.circleDiameter / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(circleColor);
    painter.drawEllipse(centre + sideways(metrics.circleOffset, mirrored), radius, radius);

    painter.save();
    painter.translate(centre + sideways(metrics.barOffset, mirrored));
    // Rising away from the circle: to the upper right, or the upper left when mirrored.
    painter.rotate(mirrored ? 45 : -45);
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
    // Pictures keep their own colours; each size scales them about their centre.
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
                   const QSizeF &widgetSize, bool mirrored)
{
    const Metrics &metrics = size == BarDecorationSize::Medium ? kMedium : kLarge;
    const QPointF centre(widgetSize.width() / 2, widgetSize.height() / 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (isPlainBarName(barType)) {
        drawPlainBar(painter, circleColor, metrics, centre, mirrored);
    } else if (QSvgRenderer *renderer = pictureRenderer(barType)) {
        drawPicture(painter, *renderer, metrics, centre);
    }
    painter.restore();
}
