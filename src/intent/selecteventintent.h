#pragma once

#include "event.h"

#include <optional>

// The configuration of a widget: which event it shows. Nothing until the person picks one.
struct SelectEventIntent
{
    std::optional<Event> eventTitle;

    friend bool operator==(const SelectEventIntent &, const SelectEventIntent &) = default;
};
