#pragma once

#include "entrytexts.h"
#include "viewlayout.h"

#include <model/widgetcontent.h>

class QPainter;

// The large widget: the medium widget's row of texts over a larger bar decoration.
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
