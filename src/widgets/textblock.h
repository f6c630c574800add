#pragma once

#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QStringList>

class QPainter;

// A plain text broken into lines to fit a width, for the views. Markup in the text is shown
// as typed: the text is never read as rich text.
class TextBlock
{
public:
    // `text` in lines no wider than `width`, at most `maxLines` of them (0: no limit). A text
    // that needs more lines ends the last one with an ellipsis.
    TextBlock(const QString &text, const QFont &font, qreal width, int maxLines = 0);

    // The number of lines of `font` that fit in `height` (at least one).
    static int linesFitting(const QFont &font, qreal height);

    const QFont &font() const { return m_font; }
    const QStringList &lines() const { return m_lines; }
    bool isElided() const { return m_elided; }
    // Whether the text reads from right to left (its first strong character does).
    bool isRightToLeft() const { return m_rightToLeft; }
    // The widest line's width and the height of all lines.
    QSizeF size() const { return m_size; }

    // Draws the lines from `topLeft` down, each set to the left, right (Qt::AlignRight) or
    // middle (Qt::AlignHCenter) of a box `width` wide, in the text's own direction (so a
    // Hebrew title keeps its end punctuation on its left, and "-12" its sign in front).
    void draw(QPainter &painter, const QPointF &topLeft, qreal width, Qt::Alignment alignment = Qt::AlignLeft) const;

private:
    QFont m_font;
    QStringList m_lines;
    bool m_elided = false;
    bool m_rightToLeft = false;
    QSizeF m_size;
};
