#pragma once

#include "placedtext.h"

#include <optional>

// Where a widget view puts its texts, worked out before drawing so it can be checked.
struct ViewLayout
{
    PlacedText title;
    std::optional<PlacedText> date;  // the small size shows none
    PlacedText count;
    PlacedText label;
};

// `layout` of a view `width` wide, turned for a language written from right to left: every
// frame moves to the other side and texts set to the left are set to the right.
ViewLayout mirrored(ViewLayout layout, qreal width);

// `layout` as the language of the texts reads it: mirrored in a right-to-left language.
ViewLayout inReadingDirection(const ViewLayout &layout, qreal width);
