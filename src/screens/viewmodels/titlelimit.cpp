#include "titlelimit.h"

#include <QTextBoundaryFinder>

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

int TitleLimit::length(const QString &text)
{
    return int(characterBoundaries(text).size()) - 1;
}

QString TitleLimit::clamp(const QString &text, int limit)
{
    const QList<int> boundaries = characterBoundaries(text);
    if (boundaries.size() - 1 <= limit)
        return text;
    return text.left(boundaries.at(std::max(0, limit)));
}

TitleLimit::Fitted TitleLimit::fit(const QString &text, int cursor, int limit)
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
        result = clamp(result, limit);
    return {result, std::min(newCursor, int(result.size()))};
}

QString TitleLimit::counter(const QString &text, int limit)
{
    return QStringLiteral("%1 / %2").arg(length(text)).arg(limit);
}

QVariantMap TitleLimit::fitted(const QString &text, int cursor, int limit) const
{
    const Fitted result = fit(text, cursor, limit);
    return {{QStringLiteral("text"), result.text}, {QStringLiteral("cursor"), result.cursor}};
}
