#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The unit an event's count is shown in: days (the count itself), or whole weeks, months or
// years with the days (and months) that remain.
enum class CountUnit { Days, Weeks, Months, Years };

namespace CountUnits {

// "days", "weeks", "months", "years": the names the record, the command line and the
// screens use.
QString name(CountUnit unit);
// The unit of that name; nothing for any other text.
std::optional<CountUnit> fromName(QStringView name);
// The unit a stored record names: days when it names none, or one this version does not know.
CountUnit fromStored(const std::optional<QString> &stored);
// What a record stores for `unit`: nothing for days, so that a record counting in days is
// the record every earlier version wrote.
std::optional<QString> toStored(CountUnit unit);

} // namespace CountUnits
