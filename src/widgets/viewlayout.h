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
