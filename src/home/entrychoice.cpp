#include "entrychoice.h"

#include <limits>

namespace EntryChoice {

std::optional<WidgetEntry> current(const WidgetTimeline &timeline, const QDateTime &now)
{
    const qint64 nowMs = now.toMSecsSinceEpoch();
    const WidgetEntry *due = nullptr;
    qint64 dueMs = std::numeric_limits<qint64>::min();
    const WidgetEntry *first = nullptr;
    qint64 firstMs = std::numeric_limits<qint64>::max();
    for (const WidgetEntry &entry : timeline.entries) {
        const qint64 dateMs = entry.date.isValid() ? entry.date.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
        if (dateMs <= nowMs && dateMs >= dueMs) {
            due = &entry;
            dueMs = dateMs;
        }
        if (dateMs < firstMs) {
            first = &entry;
            firstMs = dateMs;
        }
    }
    if (const WidgetEntry *chosen = due ? due : first)
        return *chosen;
    return std::nullopt;
}

WidgetEntry shown(WidgetExtension &extension, const WidgetTimeline &timeline, WidgetFamily family,
                  const QDateTime &now)
{
    if (auto entry = current(timeline, now))
        return *entry;
    return extension.placeholder(family);
}

} // namespace EntryChoice
