#include "eventrules.h"

#include <model/resources.h>

#include <QTextBoundaryFinder>
#include <QUuid>

#include <algorithm>

namespace {

// Offsets (in UTF-16 units) where each character starts, plus the text's end.
QList<int> characterBoundaries(const QString &text)
{
    QList<int> boundaries{0};
    if (text.isEmpty())
        return boundaries;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    while (finder.toNextBoundary() != -1)
        boundaries.append(int(finder.position()));
    if (boundaries.constLast() != text.size())
        boundaries.append(int(text.size()));
    return boundaries;
}

} // namespace

namespace EventRules {

int titleLength(const QString &text)
{
    return int(characterBoundaries(text).size()) - 1;
}

QString clampTitle(const QString &text, int limit)
{
    const QList<int> boundaries = characterBoundaries(text);
    if (boundaries.size() - 1 <= limit)
        return text;
    return text.left(boundaries.at(std::max(0, limit)));
}

FittedTitle fitTitle(const QString &text, int cursor, int limit)
{
    const QList<int> boundaries = characterBoundaries(text);
    const int characters = int(boundaries.size()) - 1;
    cursor = std::clamp(cursor, 0, int(text.size()));
    if (characters <= limit)
        return {text, cursor};
    limit = std::max(0, limit);
    int excess = characters - limit;
    // The character the cursor stands in front of (a cursor inside a cluster counts as after it).
    const int at = int(std::upper_bound(boundaries.cbegin(), boundaries.cend(), cursor) - boundaries.cbegin()) - 1;
    const int before = std::min(excess, at);
    QString result = text;
    result.remove(boundaries.at(at - before), boundaries.at(at) - boundaries.at(at - before));
    const int newCursor = boundaries.at(at - before);
    excess -= before;
    if (excess > 0)
        result = clampTitle(result, limit);
    return {result, std::min(newCursor, int(result.size()))};
}

QString storableTitle(const QString &title)
{
    QString stored = title;
    for (QChar &c : stored) {
        if (c == u'\0')
            c = QChar(QChar::ReplacementCharacter);
        else if (c == u'\t' || c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return stored.trimmed();
}

QString fittedTitle(const QString &title)
{
    return storableTitle(clampTitle(storableTitle(title)));
}

TitleCheck checkTitle(const QString &storedTitle)
{
    if (storedTitle.isEmpty())
        return TitleCheck::Empty;
    if (titleLength(storedTitle) > kMaxTitleLength)
        return TitleCheck::TooLong;
    return TitleCheck::Fine;
}

bool isKnownTheme(qint64 themeId)
{
    const QList<ColorProvider> &themes = colorSets();
    return std::any_of(themes.cbegin(), themes.cend(), [&](const ColorProvider &theme) { return theme.id == themeId; });
}

bool isStorableDay(const QDate &day)
{
    return day.isValid() && day.year() >= kFirstYear && day.year() <= kLastYear;
}

QString storedDay(const QDate &day)
{
    return day.toString(QStringLiteral("yyyy-MM-dd"));
}

const ColorProvider *themeWithId(qint64 themeId)
{
    const QList<ColorProvider> &themes = colorSets();
    const auto found = std::find_if(themes.crbegin(), themes.crend(),
                                    [&](const ColorProvider &theme) { return theme.id == themeId; });
    return found == themes.crend() ? nullptr : &*found;
}

void applyTheme(EDate &event, const ColorProvider &theme)
{
    event.bgColor = theme.bgColor;
    event.colorIndex = theme.id;
    event.fontColor = theme.fontColor;
    event.lineColor = theme.lineColor;
    event.circleColor = theme.circleColor;
    event.barType = theme.barType;
    event.barColor = theme.barColor;
}

QString newEventId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

QString eventIdFrom(const QString &text)
{
    const QUuid uuid = QUuid::fromString(text.trimmed());
    return uuid.isNull() ? QString() : uuid.toString(QUuid::WithoutBraces).toUpper();
}

} // namespace EventRules
