#include "palette.h"

#include <model/hexcolor.h>

QColor Palette::hex(const QString &text) const
{
    return hexColor(text);
}
