#include "rurumedium.h"

#include "bardecoration.h"
#include "countfont.h"
#include "viewpainting.h"
#include "widgetfont.h"

#include <model/hexcolor.h>
#include <platform/localization.h>
#include <platform/widgetextension.h>

#include <QPainter>

namespace {

const QSizeF kSize = widgetFamilySize(WidgetFamily::SystemMedium);
// Far enough from the edges that nothing reaches into the rounded corners.
constexpr qreal kSidePadding = 16;
constexpr qreal kTopPadding = 12;
constexpr qreal kColumnGap = 8;
constexpr qreal kTitleHeight = 34;
constexpr qreal kTitleMargin = 4;  // above and below a title that outgrows its frame, together
constexpr qreal kDateWidth = 120;
constexpr qreal kLabelShift = 4;   // up, into the room under the count's figures
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

    const QFont countFace = widgetFont(Faces::Role::Display, 42, m_texts.count);
    TextBlock count(m_texts.count, countFont(countFace, m_texts.count, kCountMaxWidth), kCountMaxWidth, 1);
    TextBlock label(m_texts.label, widgetFont(Faces::Role::Label, 14, m_texts.label), kCountMaxWidth, 1);
    const qreal rightWidth = std::max(count.size().width(), label.size().width());
    const qreal rightHeight = count.size().height() + label.size().height() - kLabelShift;

    const qreal leftWidth = rowWidth - rightWidth - kColumnGap;
    TextBlock title(m_texts.title,
                    TextBlock::fittingWords(widgetFont(Faces::Role::Display, 20, m_texts.title), m_texts.title, leftWidth, 14),
                    leftWidth, 2);
    // A second title line widens the frame rather than running into the date.
    const qreal titleHeight = std::max(kTitleHeight, title.size().height() + kTitleMargin);
    const qreal dateWidth = std::min(kDateWidth, leftWidth);
    TextBlock date(m_texts.date, widgetFont(Faces::Role::Label, 13, m_texts.date), dateWidth, 2);
    const qreal leftHeight = titleHeight + date.size().height();

    // The row's columns are centred on each other.
    const qreal rowHeight = std::max(leftHeight, rightHeight);
    const qreal leftTop = kTopPadding + (rowHeight - leftHeight) / 2;
    const qreal rightTop = kTopPadding + (rowHeight - rightHeight) / 2;
    const qreal rightLeft = kSize.width() - kSidePadding - rightWidth;

    return inReadingDirection(
        ViewLayout{
            {title, QRectF(kSidePadding, leftTop, leftWidth, titleHeight)},
            PlacedText{date, QRectF(kSidePadding, leftTop + titleHeight, dateWidth, date.size().height())},
            {count, QRectF(rightLeft, rightTop, rightWidth, count.size().height()), Qt::AlignRight},
            {label, QRectF(rightLeft, rightTop + count.size().height() - kLabelShift, rightWidth, label.size().height()),
             Qt::AlignRight}},
        kSize.width());
}

void RuruMedium::paint(QPainter &painter) const
{
    paintWidgetView(painter, kSize, m_entry, layout(), [&](const QRectF &) {
        barDecoration(painter, m_entry.barType, hexColor(m_entry.circleColor), BarDecorationSize::Medium, kSize,
                      Localization::isRightToLeft());
    });
}
