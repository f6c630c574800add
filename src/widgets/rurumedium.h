#pragma once

#include "entrytexts.h"
#include "viewlayout.h"

#include <model/widgetcontent.h>

class QPainter;

// The medium widget: title and date on the left, the count on the right, the bar decoration
// rising from the bottom.
class RuruMedium
{
public:
    explicit RuruMedium(const WidgetContent &entry);

    EntryTexts texts() const { return m_texts; }
    ViewLayout layout() const;
    // Draws the widget in points, its top-left corner at the painter's origin.
    void paint(QPainter &painter) const;

private:
    WidgetContent m_entry;
    EntryTexts m_texts;
};
