#include "colors.h"

#include <model/hexcolor.h>

QColor Colors::hex(const QString &text) const
{
    return hexColor(text);
}
