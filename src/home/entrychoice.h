#pragma once

#include <platform/widgetextension.h>

#include <QDateTime>
#include <optional>

// Which entry of a timeline a widget shows at a given moment.
namespace EntryChoice {

// The entry with the latest date at or before `now`; of entries with equal dates the later
// one in the timeline, since each entry replaces the ones before it. An entry without a
// valid date counts as always due. Before the first entry's date, the first entry: a clock
// set back must not empty a widget. Nothing only for an empty timeline.
std::optional<WidgetEntry> current(const WidgetTimeline &timeline, const QDateTime &now);

// What a widget of `family` shows: the current entry, or the extension's placeholder when
// the timeline is empty.
WidgetEntry shown(WidgetExtension &extension, const WidgetTimeline &timeline, WidgetFamily family,
                  const QDateTime &now);

} // namespace EntryChoice
