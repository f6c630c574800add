#pragma once

#include "groupdatehelper.h"

#include <intent/selecteventintent.h>
#include <model/widgetcontent.h>
#include <platform/widgetextension.h>

#include <QDateTime>
#include <QList>

// Gives the widget its entries: the record the app published for the configured event, and a
// sample entry for layout and the widget gallery.
//
// A widget follows its event by id, whatever its title, theme or place in the list become.
// Configurations saved before events had ids name a page number and a title: such a one is
// resolved by its title once, and kept by the id from then on.
class Provider
{
public:
    struct Timeline
    {
        QList<WidgetContent> entries;
        WidgetTimeline::ReloadPolicy policy = WidgetTimeline::ReloadPolicy::AtEnd;
        // The configuration to keep from now on, when it differs from the one asked with:
        // the event's id and its title as it is now.
        std::optional<SelectEventIntent> configuration;
    };

    // The sample entry as of now (a date a month from today, so it never counts down).
    static WidgetContent defaultEntry();
    // The sample entry as made at `now`: a date a month ahead, in the default look.
    static WidgetContent makeDefaultEntry(const QDateTime &now);

    // What to show while the widget is laid out: the sample entry.
    WidgetContent placeholder() const;
    // What the widget gallery shows: the sample entry; the published file is not read.
    WidgetContent getSnapshot() const;
    // The entries for a widget configured with `configuration`, read afresh from the file:
    // the configured event; unconfigured, or once the configured event is deleted, the first
    // published event (the sample before the app ever published).
    Timeline getTimeline(const SelectEventIntent &configuration) const;

    GroupDateHelper groupDateHelper;
};
