#pragma once

#include "groupdatehelper.h"

#include <intent/selecteventintent.h>
#include <model/widgetcontent.h>
#include <platform/widgetextension.h>

#include <QDateTime>
#include <QList>

// Gives the widget its entries: the records the app published, picked by the configured
// event's title, and a sample entry for layout and the widget gallery.
class Provider
{
public:
    struct Timeline
    {
        QList<WidgetContent> entries;
        WidgetTimeline::ReloadPolicy policy = WidgetTimeline::ReloadPolicy::AtEnd;
    };

    // The sample entry, made on first use and kept for the life of the process.
    static const WidgetContent &defaultEntry();
    // The sample entry as made at `now`: a date a month ahead, in the default look.
    static WidgetContent makeDefaultEntry(const QDateTime &now);

    // What to show while the widget is laid out: the sample entry.
    WidgetContent placeholder() const;
    // What the widget gallery shows: the sample entry; the published file is not read.
    WidgetContent getSnapshot() const;
    // The entries for a widget configured with `configuration`, read afresh from the file:
    // unconfigured, the first published event; configured, every event with that title.
    Timeline getTimeline(const SelectEventIntent &configuration) const;

    GroupDateHelper groupDateHelper;
};
