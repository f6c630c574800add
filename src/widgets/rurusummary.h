#pragma once

#include "entrytexts.h"
#include "viewlayout.h"

#include <model/widgetcontent.h>

class QPainter;

// The small widget: title at the top, the count and its label at the bottom, and the edge of
// a big circle peeking in from the right.
class RuruSummary
{
public:
    explicit RuruSummary(const WidgetContent &entry);

    EntryTexts texts() const { return m_texts; }
    ViewLayout layout() const;
    // Draws the widget in points, its top-left corner at the painter's origin.
    void paint(QPainter &painter) const;

private:
    WidgetContent m_entry;
    EntryTexts m_texts;
};
