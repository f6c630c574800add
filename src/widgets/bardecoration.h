#pragma once

#include <QColor>
#include <QSizeF>
#include <QString>

class QPainter;

enum class BarDecorationSize { Medium, Large };

// Draws the decoration of `barType` in a widget of `widgetSize`: for the plain bars a circle in
// `circleColor` crossed by a white bar, for the other kinds the picture of that name. A name
// with no picture draws nothing. `mirrored` turns the circle and the bar for a language read
// from right to left (a picture keeps its own drawing).
void barDecoration(QPainter &painter, const QString &barType, const QColor &circleColor, BarDecorationSize size,
                   const QSizeF &widgetSize, bool mirrored = false);

// Whether the plug-in carries a picture named `name` ("Birthday").
bool hasBarPicture(const QString &name);
