#pragma once

#include "entrytexts.h"
#include "viewlayout.h"

#include <model/widgetcontent.h>

class QPainter;

// The large widget, a small page: title and date at the top, the bar decoration in the middle,
// the label and the count at the bottom.
class RuruLarge
{
public:
    explicit RuruLarge(const WidgetContent &entry);

    EntryTexts texts() const { return m_texts; }
    ViewLayout layout() const;
    // Draws the widget in points, its top-left corner at the painter's origin.
    void paint(QPainter &painter) const;

private:
    WidgetContent m_entry;
    EntryTexts m_texts;
};
