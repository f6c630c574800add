#pragma once

#include "edate.h"

#include <array>
#include <variant>

// The event record's fields, named once: each key of the stored record beside the member that
// holds it. The member's type says the rest: a text or a flag must be there; an optional one
// may be absent, and is then left out of the record; texts compare as canonically equivalent
// Unicode. The record's equality, its hash and its keyed form (property lists and JSON) are
// made from this table, so a new field is one line here.
namespace EventFields {

using Member = std::variant<QString EDate::*, bool EDate::*, std::optional<qint64> EDate::*,
                            std::optional<bool> EDate::*, std::optional<QString> EDate::*>;

struct Field
{
    const char *key;
    Member member;
};

inline constexpr std::array<Field, 14> kAll{{
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
}};

// Calls `visit(key, member)` for each field, with the member as its own pointer type.
template<typename Visit>
void forEach(Visit &&visit)
{
    for (const Field &field : kAll)
        std::visit([&](auto member) { visit(field.key, member); }, field.member);
}

} // namespace EventFields
