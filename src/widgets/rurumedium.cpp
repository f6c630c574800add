#include "rurumedium.h"

#include "bardecoration.h"
#include "countfont.h"
#include "viewpainting.h"
#include "widgetfont.h"

#include <model/hexcolor.h>

#include <QPainter>

namespace {

const QSizeF kSize(364, 170);
constexpr qreal kSidePadding = 13;
constexpr qreal kTopPadding = 5;
constexpr qreal kColumnGap = 8;
constexpr qreal kTitleHeight = 34;
constexpr qreal kTitleMargin = 4;  // above and below a title that outgrows its frame, together
constexpr qreal kDateWidth = 120;
constexpr qreal kCountShift = 4;   // right
constexpr qreal kLabelShift = 4;   // up
// The count may take this much of the row; the title needs the rest.
constexpr qreal kCountMaxWidth = 170;

} // namespace

RuruMedium::RuruMedium(const WidgetContent &entry)
    : m_entry(entry)
    , m_texts(entryTexts(entry, WidgetFamily::SystemMedium))
{
}

ViewLayout RuruMedium::layout() const
{
    const qreal rowWidth = kSize.width() - 2 * kSidePadding;

    TextBlock count(m_texts.count, countFont(widgetFont(42, QFont::Bold), m_texts.count, kCountMaxWidth),
                    kCountMaxWidth, 1);
    TextBlock label(m_texts.label, widgetFont(14, QFont::Normal), kCountMaxWidth, 1);
    const qreal rightWidth = std::max(count.size().width(), label.size().width());
    const qreal rightHeight = count.size().height() + label.size().height();

    const qreal leftWidth = rowWidth - rightWidth - kColumnGap;
    TextBlock title(m_texts.title, widgetFont(20, QFont::Bold), leftWidth, 2);
    // A second title line widens the frame rather than running into the date.
    const qreal titleHeight = std::max(kTitleHeight, title.size().height() + kTitleMargin);
    TextBlock date(m_texts.date, widgetFont(13, QFont::Normal), std::min(kDateWidth, leftWidth), 2);
    const qreal leftHeight = titleHeight + date.size().height();

    // The row's columns are centred on each other.
    const qreal rowHeight = std::max(leftHeight, rightHeight);
    const qreal leftTop = kTopPadding + (rowHeight - leftHeight) / 2;
    const qreal rightTop = kTopPadding + (rowHeight - rightHeight) / 2;
    const qreal rightLeft = kSize.width() - kSidePadding - rightWidth;

    return ViewLayout{
        {title, QRectF(kSidePadding, leftTop, leftWidth, titleHeight)},
        PlacedText{date, QRectF(kSidePadding, leftTop + titleHeight, std::min(kDateWidth, leftWidth), date.size().height())},
        {count, QRectF(rightLeft + kCountShift, rightTop, rightWidth, count.size().height()), Qt::AlignRight},
        {label, QRectF(rightLeft, rightTop + count.size().height() - kLabelShift, rightWidth, label.size().height()),
         Qt::AlignRight}};
}

void RuruMedium::paint(QPainter &painter) const
{
    paintWidgetView(painter, kSize, m_entry, layout(), [&](const QRectF &) {
        barDecoration(painter, m_entry.barType, hexColor(m_entry.circleColor), BarDecorationSize::Medium, kSize);
    });
}
