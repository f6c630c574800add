#include "linebreaks.h"

#include <QTextLayout>
#include <QTextOption>

#include <cmath>

int LineBreaks::lineCount(const QString &text, const QFont &font, qreal width)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++lines;
    }
    layout.endLayout();
    return lines;
}

qreal LineBreaks::balancedWidth(const QString &text, const QFont &font, qreal width)
{
    if (width <= 0 || text.isEmpty())
        return width;
    const int lines = lineCount(text, font, width);
    if (lines <= 1)
        return width;
    // The narrowest whole width with as few lines. One more line can only start when the
    // width shrinks, so the search may halve the range.
    qreal low = 0;
    qreal high = width;
    while (high - low > 1) {
        const qreal middle = std::floor((low + high) / 2);
        if (lineCount(text, font, middle) <= lines)
            high = middle;
        else
            low = middle;
    }
    // A point to spare: the screen's text lays out on whole pixels.
    return std::min(width, high + 1);
}
