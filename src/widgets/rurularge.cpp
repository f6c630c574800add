#include "rurularge.h"

#include "bardecoration.h"
#include "countfont.h"
#include "viewpainting.h"
#include "widgetfont.h"

#include <model/hexcolor.h>
#include <platform/localization.h>
#include <platform/widgetextension.h>

#include <QPainter>

namespace {

const QSizeF kSize = widgetFamilySize(WidgetFamily::SystemLarge);
// Far enough from the edges that nothing reaches into the rounded corners.
constexpr qreal kSidePadding = 20;
constexpr qreal kTopPadding = 18;
constexpr qreal kBottomPadding = 16;
constexpr qreal kDateSpacing = 4;

} // namespace

RuruLarge::RuruLarge(const WidgetContent &entry)
    : m_entry(entry)
    , m_texts(entryTexts(entry, WidgetFamily::SystemLarge))
{
}

ViewLayout RuruLarge::layout() const
{
    // A small page, as the app shows an event: title and date at the top, the decoration in
    // the middle, and at the bottom the label over the count, which takes the whole width
    // before it grows smaller.
    const qreal width = kSize.width() - 2 * kSidePadding;

    TextBlock title(m_texts.title, TextBlock::fittingWords(widgetFont(Faces::Role::Display, 26, m_texts.title), m_texts.title, width, 16),
                    width, 2);
    TextBlock date(m_texts.date, widgetFont(Faces::Role::Label, 15, m_texts.date), width, 2);
    const QRectF titleFrame(kSidePadding, kTopPadding, width, title.size().height());
    const QRectF dateFrame(kSidePadding, titleFrame.bottom() + kDateSpacing, width, date.size().height());

    const QFont countFace = widgetFont(Faces::Role::Display, 56, m_texts.count);
    TextBlock count(m_texts.count, countFont(countFace, m_texts.count, width), width, 1);
    TextBlock label(m_texts.label, widgetFont(Faces::Role::Label, 16, m_texts.label), width, 1);
    const QRectF countFrame(kSidePadding, kSize.height() - kBottomPadding - count.size().height(), width,
                            count.size().height());
    const QRectF labelFrame(kSidePadding, countFrame.top() - label.size().height(), width, label.size().height());

    return inReadingDirection(ViewLayout{{title, titleFrame}, PlacedText{date, dateFrame}, {count, countFrame}, {label, labelFrame}},
                              kSize.width());
}

void RuruLarge::paint(QPainter &painter) const
{
    paintWidgetView(painter, kSize, m_entry, layout(), [&](const QRectF &) {
        barDecoration(painter, m_entry.barType, hexColor(m_entry.circleColor), BarDecorationSize::Large, kSize,
                      Localization::isRightToLeft());
    });
}
