#pragma once

#include "edate.h"
#include "keyedfields.h"

// The event record's fields, named once: each key of the stored record beside the member that
// holds it (see KeyedFields for what a member's type says). Besides the keyed form, the
// record's equality (texts compare as canonically equivalent Unicode), its hash and the
// backup's length check are made from this table, so a new field is one line here.
namespace EventFields {

inline constexpr KeyedFields::Table<EDate, 15> kAll{{
    {"ddate", &EDate::ddate},
    {"colorIndex", &EDate::colorIndex},
    {"bgColor", &EDate::bgColor},
    {"fontColor", &EDate::fontColor},
    {"lineColor", &EDate::lineColor},
    {"circleColor", &EDate::circleColor},
    {"dateTitle", &EDate::dateTitle},
    {"barType", &EDate::barType},
    {"barColor", &EDate::barColor},
    {"notification", &EDate::notification},
    {"repeatNotification", &EDate::repeatNotification},
    {"countdown", &EDate::countdown},
    {"id", &EDate::id},
    {"repeat", &EDate::repeat},
    {"countUnit", &EDate::countUnit},
}};

// Calls `visit(key, member)` for each field, with the member as its own pointer type.
template<typename Visit>
void forEach(Visit &&visit)
{
    KeyedFields::forEach(kAll, std::forward<Visit>(visit));
}

} // namespace EventFields
