#include "viewlayout.h"

#include <platform/localization.h>

namespace {

void mirror(PlacedText &text, qreal width)
{
    text.frame.moveLeft(width - text.frame.right());
    if (text.alignment & Qt::AlignRight)
        text.alignment = (text.alignment & ~Qt::AlignRight) | Qt::AlignLeft;
    else if (!(text.alignment & Qt::AlignHCenter))
        text.alignment = (text.alignment & ~Qt::AlignLeft) | Qt::AlignRight;
}

} // namespace

ViewLayout mirrored(ViewLayout layout, qreal width)
{
    mirror(layout.title, width);
    if (layout.date)
        mirror(*layout.date, width);
    mirror(layout.count, width);
    mirror(layout.label, width);
    return layout;
}

ViewLayout inReadingDirection(const ViewLayout &layout, qreal width)
{
    return Localization::isRightToLeft() ? mirrored(layout, width) : layout;
}
