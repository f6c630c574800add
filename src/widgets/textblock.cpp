#include "textblock.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

namespace {

QString withoutTrailingSpace(const QString &line)
{
    qsizetype end = line.size();
    while (end > 0 && line.at(end - 1).isSpace())
        --end;
    return line.left(end);
}

} // namespace

TextBlock::TextBlock(const QString &text, const QFont &font, qreal width, int maxLines)
    : m_font(font)
    , m_rightToLeft(text.isRightToLeft())
{
    // Line breaks typed in a title stay line breaks.
    QString laidOut = text;
    laidOut.replace(QLatin1Char('\n'), QChar::LineSeparator);

    QTextLayout layout(laidOut, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(m_rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    QList<std::pair<int, int>> ranges;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ranges.append({line.textStart(), line.textLength()});
    }
    layout.endLayout();

    const QFontMetricsF metrics(font);
    for (qsizetype i = 0; i < ranges.size(); ++i) {
        const bool last = maxLines > 0 && i == maxLines - 1 && ranges.size() > maxLines;
        if (last) {
            // Whatever does not fit goes into the last line, cut with an ellipsis.
            QString rest = laidOut.mid(ranges.at(i).first);
            rest.replace(QChar::LineSeparator, QLatin1Char(' '));
            m_lines.append(metrics.elidedText(rest.simplified(), Qt::ElideRight, width));
            m_elided = true;
            break;
        }
        QString line = laidOut.mid(ranges.at(i).first, ranges.at(i).second);
        line.remove(QChar::LineSeparator);
        m_lines.append(withoutTrailingSpace(line));
    }
    if (m_lines.isEmpty())
        m_lines.append(QString());

    qreal widest = 0;
    for (const QString &line : std::as_const(m_lines))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    m_size = QSizeF(std::min(widest, width), (m_lines.size() - 1) * metrics.lineSpacing() + metrics.height());
}

int TextBlock::linesFitting(const QFont &font, qreal height)
{
    const QFontMetricsF metrics(font);
    return std::max(1, int((height - metrics.height()) / metrics.lineSpacing()) + 1);
}

void TextBlock::draw(QPainter &painter, const QPointF &topLeft, qreal width, Qt::Alignment alignment) const
{
    const QFontMetricsF metrics(m_font);
    painter.save();
    painter.setFont(m_font);
    painter.setLayoutDirection(m_rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    qreal baseline = topLeft.y() + metrics.ascent();
    for (const QString &line : m_lines) {
        const qreal slack = width - metrics.horizontalAdvance(line);
        const qreal x = topLeft.x() + (alignment & Qt::AlignRight ? slack : alignment & Qt::AlignHCenter ? slack / 2 : 0);
        painter.drawText(QPointF(x, baseline), line);
        baseline += metrics.lineSpacing();
    }
    painter.restore();
}
