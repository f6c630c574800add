#include "widgetfont.h"

QFont widgetFont(int size, QFont::Weight weight)
{
    QFont font;
    font.setPixelSize(size);
    font.setWeight(weight);
    return font;
}
