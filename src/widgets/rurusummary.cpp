#include "rurusummary.h"

#include "countfont.h"
#include "viewpainting.h"
#include "widgetfont.h"

#include <model/hexcolor.h>
#include <platform/localization.h>
#include <platform/widgetextension.h>

#include <QPainter>

namespace {

const QSizeF kSize = widgetFamilySize(WidgetFamily::SystemSmall);
constexpr qreal kColumnWidth = 110;
constexpr qreal kTitleHeight = 50;
constexpr qreal kTopPadding = 12;
constexpr qreal kBottomPadding = 18;
constexpr qreal kCircleDiameter = 146;
constexpr qreal kCircleOffset = 126;

} // namespace

RuruSummary::RuruSummary(const WidgetContent &entry)
    : m_entry(entry)
    , m_texts(entryTexts(entry, WidgetFamily::SystemSmall))
{
}

ViewLayout RuruSummary::layout() const
{
    const qreal left = (kSize.width() - kColumnWidth) / 2;
    const qreal bottom = kSize.height() - kBottomPadding;

    const QFont titleFont = TextBlock::fittingWords(widgetFont(Faces::Role::Display, 18, m_texts.title), m_texts.title,
                                                    kColumnWidth, 13);
    // The title keeps to its frame: as many lines as fit, the last one cut short.
    TextBlock title(m_texts.title, titleFont, kColumnWidth, TextBlock::linesFitting(titleFont, kTitleHeight));

    TextBlock label(m_texts.label, widgetFont(Faces::Role::Label, 13, m_texts.label), kColumnWidth, 1);
    const QRectF labelFrame(left, bottom - label.size().height(), kColumnWidth, label.size().height());

    const QFont countFace = widgetFont(Faces::Role::Display, 44, m_texts.count);
    TextBlock count(m_texts.count, countFont(countFace, m_texts.count, kColumnWidth), kColumnWidth, 1);
    const QRectF countFrame(left, labelFrame.top() - count.size().height(), kColumnWidth, count.size().height());

    return inReadingDirection(ViewLayout{{title, QRectF(left, kTopPadding, kColumnWidth, kTitleHeight)},
                                         std::nullopt,
                                         {count, countFrame},
                                         {label, labelFrame}},
                              kSize.width());
}

void RuruSummary::paint(QPainter &painter) const
{
    paintWidgetView(painter, kSize, m_entry, layout(), [&](const QRectF &bounds) {
        // Only the circle's edge shows: at the right, or at the left where texts read from
        // right to left and so stand at the right.
        const qreal radius = kCircleDiameter / 2;
        const qreal offset = Localization::isRightToLeft() ? -kCircleOffset : kCircleOffset;
        painter.setPen(Qt::NoPen);
        painter.setBrush(hexColor(m_entry.circleColor));
        painter.drawEllipse(bounds.center() + QPointF(offset, 0), radius, radius);
    });
}
