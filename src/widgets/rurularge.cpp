#include "rurularge.h"

#include "bardecoration.h"
#include "countfont.h"
#include "viewpainting.h"
#include "widgetfont.h"

#include <model/hexcolor.h>

#include <QPainter>

namespace {

const QSizeF kSize(364, 382);
constexpr qreal kSidePadding = 13;
constexpr qreal kTopPadding = 5;
constexpr qreal kColumnGap = 8;
constexpr qreal kLeftSpacing = 8;
constexpr qreal kCountShift = 4;   // right
constexpr qreal kLabelShift = 5;   // up
// The count may take this much of the row; the title needs the rest.
constexpr qreal kCountMaxWidth = 170;

} // namespace

RuruLarge::RuruLarge(const WidgetContent &entry)
    : m_entry(entry)
    , m_texts(entryTexts(entry, WidgetFamily::SystemLarge))
{
}

ViewLayout RuruLarge::layout() const
{
    const qreal rowWidth = kSize.width() - 2 * kSidePadding;

    TextBlock count(m_texts.count, countFont(widgetFont(44, QFont::Bold), m_texts.count, kCountMaxWidth),
                    kCountMaxWidth, 1);
    TextBlock label(m_texts.label, widgetFont(14, QFont::Normal), kCountMaxWidth, 1);
    const qreal rightWidth = std::max(count.size().width(), label.size().width());
    const qreal rightHeight = count.size().height() + label.size().height();

    const qreal leftWidth = rowWidth - rightWidth - kColumnGap;
    TextBlock title(m_texts.title, widgetFont(24, QFont::Bold), leftWidth, 2);
    TextBlock date(m_texts.date, widgetFont(15, QFont::Medium), leftWidth, 2);
    const qreal leftHeight = title.size().height() + kLeftSpacing + date.size().height();

    const qreal rowHeight = std::max(leftHeight, rightHeight);
    const qreal leftTop = kTopPadding + (rowHeight - leftHeight) / 2;
    const qreal rightTop = kTopPadding + (rowHeight - rightHeight) / 2;
    const qreal rightLeft = kSize.width() - kSidePadding - rightWidth;
    const qreal dateTop = leftTop + title.size().height() + kLeftSpacing;

    return ViewLayout{
        {title, QRectF(kSidePadding, leftTop, leftWidth, title.size().height())},
        PlacedText{date, QRectF(kSidePadding, dateTop, leftWidth, date.size().height())},
        {count, QRectF(rightLeft + kCountShift, rightTop, rightWidth, count.size().height()), Qt::AlignRight},
        {label, QRectF(rightLeft, rightTop + count.size().height() - kLabelShift, rightWidth, label.size().height()),
         Qt::AlignRight}};
}

void RuruLarge::paint(QPainter &painter) const
{
    paintWidgetView(painter, kSize, m_entry, layout(), [&](const QRectF &) {
        barDecoration(painter, m_entry.barType, hexColor(m_entry.circleColor), BarDecorationSize::Large, kSize);
    });
}
