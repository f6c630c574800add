#include "screenchecks.h"

#include <QDir>
#include <QFileInfo>
#include <QGlyphRun>
#include <QPainter>
#include <QQuickItem>
#include <QTextLayout>
#include <QVector3D>

namespace {

bool isText(const QQuickItem *item)
{
    return qstrcmp(item->metaObject()->className(), "QQuickText") == 0;
}

// Seen at all: visible, and not faded out by the item or any of its parents.
bool shown(const QQuickItem *item)
{
    qreal opacity = 1;
    for (const QQuickItem *it = item; it; it = it->parentItem())
        opacity *= it->opacity();
    return item->isVisible() && opacity > 0.05;
}

void collectTexts(QQuickItem *item, QList<QQuickItem *> &texts)
{
    if (!shown(item))
        return;
    if (isText(item) && !item->property("text").toString().isEmpty())
        texts.append(item);
    for (QQuickItem *child : item->childItems())
        collectTexts(child, texts);
}

QString nameOf(QQuickItem *text)
{
    const QString shownText = text->property("text").toString().left(40);
    return text->objectName().isEmpty() ? QStringLiteral("“%1”").arg(shownText)
                                        : QStringLiteral("%1 “%2”").arg(text->objectName(), shownText);
}

// The characters of `text` that `font` has no glyph for in any of its faces.
QString missingGlyphs(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(100000);
    layout.endLayout();
    QString missing;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i).isSpace() || text.at(i).category() == QChar::Other_Format || text.at(i).isLowSurrogate())
            continue;
        const int length = text.at(i).isHighSurrogate() ? 2 : 1;
        for (const QGlyphRun &run : layout.glyphRuns(i, length)) {
            for (quint32 glyph : run.glyphIndexes()) {
                if (glyph == 0)
                    missing += text.mid(i, length);
            }
        }
    }
    return missing;
}

bool clipsChildren(const QQuickItem *item)
{
    return item->clip();
}

} // namespace

QRectF paintedRect(QQuickItem *text)
{
    const qreal left = text->property("leftPadding").toReal();
    const qreal right = text->property("rightPadding").toReal();
    const qreal top = text->property("topPadding").toReal();
    const qreal bottom = text->property("bottomPadding").toReal();
    const qreal availableWidth = text->width() - left - right;
    const qreal availableHeight = text->height() - top - bottom;
    const qreal width = text->property("contentWidth").toReal();
    const qreal height = text->property("contentHeight").toReal();
    const int horizontal = text->property("effectiveHorizontalAlignment").toInt();
    const int vertical = text->property("verticalAlignment").toInt();
    const qreal x = left + (horizontal == Qt::AlignRight     ? availableWidth - width
                            : horizontal == Qt::AlignHCenter ? (availableWidth - width) / 2
                                                             : 0);
    const qreal y = top + (vertical == Qt::AlignBottom    ? availableHeight - height
                           : vertical == Qt::AlignVCenter ? (availableHeight - height) / 2
                                                          : 0);
    return text->mapRectToScene(QRectF(x, y, width, height));
}

QStringList screenProblems(QQuickItem *layer, const QSizeF &window)
{
    QStringList problems;
    QList<QQuickItem *> texts;
    collectTexts(layer, texts);
    QList<QRectF> painted;
    for (QQuickItem *text : texts) {
        const QString name = nameOf(text);
        const QRectF rect = paintedRect(text);
        painted.append(rect);
        if (text->property("truncated").toBool())
            problems.append(name + QStringLiteral(" is cut short"));
        const qreal availableWidth = text->width() - text->property("leftPadding").toReal()
            - text->property("rightPadding").toReal();
        if (text->property("contentWidth").toReal() > availableWidth + 1)
            problems.append(QStringLiteral("%1 runs out of its box (%2 wide in %3)")
                                .arg(name)
                                .arg(text->property("contentWidth").toReal())
                                .arg(availableWidth));
        // Inside the window and any clipping parent, unless scrolled away altogether.
        QRectF visible(QPointF(0, 0), window);
        for (QQuickItem *it = text->parentItem(); it; it = it->parentItem()) {
            if (clipsChildren(it))
                visible &= it->mapRectToScene(QRectF(0, 0, it->width(), it->height()));
        }
        // A list that scrolls may cut what it scrolls at its edges.
        QRectF allowed = visible.adjusted(-1, -1, 1, 1);
        for (QQuickItem *it = text->parentItem(); it; it = it->parentItem()) {
            if (it->inherits("QQuickFlickable")) {
                if (it->property("contentHeight").toReal() > it->height())
                    allowed.adjust(0, -1e6, 0, 1e6);
                if (it->property("contentWidth").toReal() > it->width())
                    allowed.adjust(-1e6, 0, 1e6, 0);
            }
        }
        if (rect.intersects(visible) && !allowed.contains(rect))
            problems.append(QStringLiteral("%1 is partly outside the screen (%2,%3 %4x%5)")
                                .arg(name)
                                .arg(rect.x())
                                .arg(rect.y())
                                .arg(rect.width())
                                .arg(rect.height()));
        const QString missing = missingGlyphs(text->property("text").toString(), text->property("font").value<QFont>());
        if (!missing.isEmpty())
            problems.append(QStringLiteral("%1 has no glyph for “%2”").arg(name, missing));
    }
    for (qsizetype i = 0; i < texts.size(); ++i) {
        for (qsizetype j = i + 1; j < texts.size(); ++j) {
            const QRectF overlap = painted.at(i).adjusted(1, 1, -1, -1) & painted.at(j).adjusted(1, 1, -1, -1);
            if (!overlap.isEmpty())
                problems.append(QStringLiteral("%1 and %2 are drawn over each other").arg(nameOf(texts.at(i)), nameOf(texts.at(j))));
        }
    }
    return problems;
}

int colouredPixels(const QImage &image, const QRect &area, const QColor &ink, const QColor &paper)
{
    int count = 0;
    const QVector3D a(ink.red(), ink.green(), ink.blue());
    const QVector3D b(paper.red(), paper.green(), paper.blue());
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (QVector3D(c.red(), c.green(), c.blue()).distanceToLine(b, (a - b).normalized()) > 60)
                ++count;
        }
    }
    return count;
}

void ContactSheet::startRow(const QString &label)
{
    m_rows.append(Row{label, {}});
}

void ContactSheet::add(const QImage &picture)
{
    if (m_rows.isEmpty())
        startRow(QString());
    m_rows.last().pictures.append(picture.scaled(picture.size() * m_scale, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void ContactSheet::save(const QString &path) const
{
    const int gap = 6, labelWidth = 70;
    int width = 0, height = gap;
    for (const Row &row : m_rows) {
        int rowWidth = labelWidth, rowHeight = 0;
        for (const QImage &picture : row.pictures) {
            rowWidth += picture.width() + gap;
            rowHeight = std::max(rowHeight, picture.height());
        }
        width = std::max(width, rowWidth);
        height += rowHeight + gap;
    }
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(0xE8, 0xE8, 0xE8));
    QPainter painter(&sheet);
    QFont font;
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    int y = gap;
    for (const Row &row : m_rows) {
        int x = labelWidth, rowHeight = 0;
        painter.setPen(Qt::black);
        painter.drawText(QRect(4, y, labelWidth - 8, 40), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, row.label);
        for (const QImage &picture : row.pictures) {
            painter.drawImage(x, y, picture);
            x += picture.width() + gap;
            rowHeight = std::max(rowHeight, picture.height());
        }
        y += rowHeight + gap;
    }
    painter.end();
    QDir().mkpath(QFileInfo(path).path());
    sheet.save(path);
}
