#include "countunit.h"

#include <array>

namespace {

constexpr std::array<std::pair<CountUnit, const char *>, 4> kNames{{
    {CountUnit::Days, "days"},
    {CountUnit::Weeks, "weeks"},
    {CountUnit::Months, "months"},
    {CountUnit::Years, "years"},
}};

} // namespace

namespace CountUnits {

QString name(CountUnit unit)
{
    for (const auto &[each, text] : kNames) {
        if (each == unit)
            return QString::fromLatin1(text);
    }
    return QStringLiteral("days");
}

std::optional<CountUnit> fromName(QStringView name)
{
    for (const auto &[unit, text] : kNames) {
        if (name == QLatin1String(text))
            return unit;
    }
    return std::nullopt;
}

CountUnit fromStored(const std::optional<QString> &stored)
{
    return stored ? fromName(*stored).value_or(CountUnit::Days) : CountUnit::Days;
}

std::optional<QString> toStored(CountUnit unit)
{
    if (unit == CountUnit::Days)
        return std::nullopt;
    return name(unit);
}

} // namespace CountUnits
