#include "sortkeys.h"

#include <model/calendarhelper.h>

#include <algorithm>

namespace {

// In the order of their character codes, so that keys compare as plain texts.
constexpr QLatin1StringView kDigits("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
constexpr int kBase = 62;

int digitOf(QChar c)
{
    return int(kDigits.indexOf(c));
}

// A key strictly between `low` and `high` (nothing: no upper end), neither ending in the
// lowest digit, `low` < `high`. Where they share a beginning the key shares it too; where
// their first digits differ by more than one the key is the digit halfway; otherwise it
// goes one digit deeper.
QString midpoint(QStringView low, std::optional<QStringView> high)
{
    if (high) {
        qsizetype n = 0;
        while (n < high->size() && (n < low.size() ? low[n] : kDigits[0]) == (*high)[n])
            ++n;
        if (n > 0)
            return high->left(n).toString() + midpoint(low.mid(std::min(n, low.size())), high->mid(n));
    }
    const int lowDigit = low.isEmpty() ? 0 : digitOf(low[0]);
    const int highDigit = high ? digitOf((*high)[0]) : kBase;
    if (highDigit - lowDigit > 1)
        return QString(kDigits[(lowDigit + highDigit + 1) / 2]);
    if (high && high->size() > 1)
        return high->left(1).toString();
    return QString(kDigits[lowDigit]) + midpoint(low.isEmpty() ? low : low.mid(1), std::nullopt);
}

} // namespace

namespace SortKeys {

bool isValid(const QString &key)
{
    return !key.isEmpty() && key.size() <= kMaxLength && !key.endsWith(kDigits[0])
        && std::all_of(key.cbegin(), key.cend(), [](QChar c) { return digitOf(c) >= 0; });
}

QString between(const QString &before, const QString &after)
{
    const QString low = isValid(before) ? before : QString();
    const bool openEnd = !isValid(after) || (!low.isEmpty() && low >= after);
    return openEnd ? midpoint(low, std::nullopt) : midpoint(low, QStringView(after));
}

bool precedes(const SyncedEvent &a, const SyncedEvent &b)
{
    const bool aKeyed = isValid(a.sortKey);
    const bool bKeyed = isValid(b.sortKey);
    if (aKeyed != bKeyed)
        return aKeyed;
    if (aKeyed && a.sortKey != b.sortKey)
        return a.sortKey < b.sortKey;
    const auto aDay = CalendarHelper::dayOf(a.event.ddate);
    const auto bDay = CalendarHelper::dayOf(b.event.ddate);
    if (aDay.has_value() != bDay.has_value())
        return aDay.has_value();
    if (aDay && *aDay != *bDay)
        return *aDay < *bDay;
    return a.event.id < b.event.id;
}

void sort(QList<SyncedEvent> &events)
{
    std::stable_sort(events.begin(), events.end(), precedes);
}

} // namespace SortKeys
