#include "widgetrendering.h"

#include <widgets/ruruextension.h>

#include <QDir>
#include <QPainter>

QImage renderWidget(const WidgetContent &entry, WidgetFamily family, qreal scale)
{
    QImage image((widgetFamilySize(family) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(scale, scale);
    RuruExtension extension;
    extension.render(RuruExtension::entryFor(entry), family, painter);
    return image;
}

void saveArtifact(const QImage &image, const QString &name)
{
    const QString dir = QStringLiteral(TALLOWICK_TEST_ARTIFACTS);
    QDir().mkpath(dir);
    image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QColor colorAt(const QImage &image, qreal x, qreal y, qreal scale)
{
    return image.pixelColor(int(x * scale), int(y * scale));
}

int pixelsOtherThan(const QImage &image, const QRect &area, const QColor &color)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y).rgb() != color.rgb())
                ++count;
        }
    }
    return count;
}

int pixelsNear(const QImage &image, const QRect &area, const QColor &color, int tolerance)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - color.red()) <= tolerance && std::abs(pixel.green() - color.green()) <= tolerance
                && std::abs(pixel.blue() - color.blue()) <= tolerance)
                ++count;
        }
    }
    return count;
}
