#include "rurusummary.h"

#include "countfont.h"
#include "viewpainting.h"
#include "widgetfont.h"

#include <model/hexcolor.h>

#include <QPainter>

namespace {

const QSizeF kSize(170, 170);
constexpr qreal kColumnWidth = 110;
constexpr qreal kTitleHeight = 50;
constexpr qreal kTopPadding = 10;
constexpr qreal kBottomPadding = 20;
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

    const QFont titleFont = widgetFont(18, QFont::Bold);
    // The title keeps to its frame: as many lines as fit, the last one cut short.
    TextBlock title(m_texts.title, titleFont, kColumnWidth, TextBlock::linesFitting(titleFont, kTitleHeight));

    TextBlock label(m_texts.label, widgetFont(13, QFont::Normal), kColumnWidth, 1);
    const QRectF labelFrame(left, bottom - label.size().height(), kColumnWidth, label.size().height());

    TextBlock count(m_texts.count, countFont(widgetFont(44, QFont::ExtraBold), m_texts.count, kColumnWidth),
                    kColumnWidth, 1);
    const QRectF countFrame(left, labelFrame.top() - count.size().height(), kColumnWidth, count.size().height());

    return ViewLayout{{title, QRectF(left, kTopPadding, kColumnWidth, kTitleHeight)},
                      std::nullopt,
                      {count, countFrame},
                      {label, labelFrame}};
}

void RuruSummary::paint(QPainter &painter) const
{
    paintWidgetView(painter, kSize, m_entry, layout(), [&](const QRectF &bounds) {
        // Only the circle's left part shows, at the right edge.
        const qreal radius = kCircleDiameter / 2;
        painter.setPen(Qt::NoPen);
        painter.setBrush(hexColor(m_entry.circleColor));
        painter.drawEllipse(bounds.center() + QPointF(kCircleOffset, 0), radius, radius);
    });
}
