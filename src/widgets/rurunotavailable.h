#pragma once

#include <QSizeF>
#include <QString>

class QPainter;

// What a widget of a size Tallowick has no layout for shows: an apology.
class RuruNotAvailable
{
public:
    QString text() const;
    // Draws the apology centred in a widget of `size`, in points.
    void paint(QPainter &painter, const QSizeF &size) const;
};
