#pragma once

#include <model/widgetcontent.h>
#include <platform/widgetextension.h>

#include <QString>

// The texts a widget shows for an entry, worked out at the moment of drawing so the count is
// always today's.
struct EntryTexts
{
    QString title;  // as the person typed it
    QString count;
    QString date;   // a yearly event's with which occurrence it is ("1.May.27 · 11th year")
    // "days left", "days ago", "days" or "today", in the words of the view's size and the
    // count's plural; in a larger unit its word ("weeks left") and, but in the small view, the
    // rest ("weeks left · 3 days").
    QString label;
};

// The texts of `entry` in a widget of `family`.
EntryTexts entryTexts(const WidgetContent &entry, WidgetFamily family);
