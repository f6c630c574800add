#include "rurunotavailable.h"

#include "placedtext.h"
#include "widgetfont.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

constexpr qreal kPadding = 16;

} // namespace

QString RuruNotAvailable::text() const
{
    //% "Sorry, this size isn't available"
    return qtTrId("Sorry");
}

void RuruNotAvailable::paint(QPainter &painter, const QSizeF &size) const
{
    const QRectF bounds(QPointF(0, 0), size);
    painter.save();
    painter.setClipRect(bounds);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // No colours of an event here: the system's plain widget look, black on white.
    painter.fillRect(bounds, Qt::white);
    painter.setPen(Qt::black);
    const QRectF frame = bounds.adjusted(kPadding, kPadding, -kPadding, -kPadding);
    const TextBlock block(text(), widgetFont(Faces::Role::Label, 17, text()), frame.width());
    PlacedText{block, frame, Qt::AlignHCenter}.draw(painter);
    painter.restore();
}
