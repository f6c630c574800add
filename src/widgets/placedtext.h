#pragma once

#include "textblock.h"

#include <QRectF>

class QPainter;

// A text block in the frame a view gives it: centred vertically, set left, right or middle.
struct PlacedText
{
    TextBlock block;
    QRectF frame;
    Qt::Alignment alignment = Qt::AlignLeft;

    // Where the lines actually fall.
    QRectF textRect() const;
    void draw(QPainter &painter) const;
};
