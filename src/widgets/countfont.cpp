#include "countfont.h"

#include <QFontMetricsF>

QFont countFont(QFont font, const QString &text, qreal width)
{
    const qreal natural = QFontMetricsF(font).horizontalAdvance(text);
    if (natural <= width || natural <= 0)
        return font;
    font.setPixelSize(std::max(1, int(font.pixelSize() * width / natural)));
    return font;
}
