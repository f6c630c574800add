#pragma once

// Asks the home screen to request new timelines from every Tallowick widget. Returns at once
// and reports nothing; nothing happens when no home screen runs.
namespace WidgetReload {

void reloadAllTimelines();

} // namespace WidgetReload
