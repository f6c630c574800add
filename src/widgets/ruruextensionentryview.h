#pragma once

#include <model/widgetcontent.h>
#include <platform/widgetextension.h>

#include <QUrl>

class QPainter;

// One entry as a widget of one size: the view that size has, and where a tap leads.
class RuruExtensionEntryView
{
public:
    RuruExtensionEntryView(WidgetFamily family, const WidgetContent &entry);

    // Draws the view of the family in points, its top-left corner at the painter's origin.
    void paint(QPainter &painter) const;
    // The app at the entry's page; nothing for a size without a view of its own.
    QUrl tapLink() const;

private:
    WidgetFamily m_family;
    WidgetContent m_entry;
};
