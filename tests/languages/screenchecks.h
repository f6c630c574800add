#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>

class QQuickItem;

// What a person would call broken on a screen, found in its item tree: texts cut or running
// out of their box, texts drawn over each other or out of the window, glyphs drawn as the
// empty box. Each problem is one line of text naming the text it is about.
QStringList screenProblems(QQuickItem *layer, const QSizeF &window);

// The area (in scene coordinates) that a text item's letters take.
QRectF paintedRect(QQuickItem *text);

// How many pixels of `area` lie away from every blend of `ink` and `paper`: a glyph drawn in
// the text's colour gives none, a colour emoji many.
int colouredPixels(const QImage &image, const QRect &area, const QColor &ink, const QColor &paper);

// Sheets of pictures for a person to look at: rows of screens, each row with its label.
class ContactSheet
{
public:
    explicit ContactSheet(qreal scale) : m_scale(scale) {}
    void startRow(const QString &label);
    void add(const QImage &picture);
    // Saves the sheet as a PNG file.
    void save(const QString &path) const;

private:
    struct Row
    {
        QString label;
        QList<QImage> pictures;
    };
    qreal m_scale;
    QList<Row> m_rows;
};
