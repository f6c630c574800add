#include "linkquery.h"

#include <cctype>

namespace {

// Strict percent-decoding: every "%" must be followed by two hex digits.
std::optional<QString> percentDecoded(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    QByteArray decoded;
    decoded.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) != '%') {
            decoded.append(bytes.at(i));
            continue;
        }
        if (i + 2 >= bytes.size() || !isxdigit(static_cast<unsigned char>(bytes.at(i + 1)))
            || !isxdigit(static_cast<unsigned char>(bytes.at(i + 2))))
            return std::nullopt;
        decoded.append(static_cast<char>(bytes.mid(i + 1, 2).toInt(nullptr, 16)));
        i += 2;
    }
    return QString::fromUtf8(decoded);
}

// The query as it appears in the link, still percent-encoded.
std::optional<QString> rawQuery(const QUrl &url)
{
    if (!url.hasQuery())
        return std::nullopt;
    return url.query(QUrl::FullyEncoded);
}

} // namespace

std::optional<QList<QueryItem>> queryItems(const QUrl &url)
{
    const auto query = rawQuery(url);
    if (!query)
        return std::nullopt;
    QList<QueryItem> items;
    for (const QString &pair : query->split(QLatin1Char('&'))) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        const auto name = percentDecoded(eq < 0 ? pair : pair.left(eq));
        if (!name)
            return std::nullopt;
        QueryItem item{*name, std::nullopt};
        if (eq >= 0) {
            item.value = percentDecoded(pair.mid(eq + 1));
            if (!item.value)
                return std::nullopt;
        }
        items.append(item);
    }
    return items;
}

QHash<QString, QString> queryParameters(const QUrl &url)
{
    QHash<QString, QString> parameters;
    const auto query = rawQuery(url);
    if (!query)
        return parameters;
    for (const QString &pair : query->split(QLatin1Char('&'))) {
        const QStringList parts = pair.split(QLatin1Char('='));
        if (parts.size() < 2)
            continue;
        QString value = parts.at(1);
        value.replace(QLatin1Char('+'), QLatin1Char(' '));
        parameters.insert(parts.at(0), percentDecoded(value).value_or(QString()));
    }
    return parameters;
}

std::optional<qint64> parseLinkInteger(const QString &text)
{
    qsizetype i = 0;
    bool negative = false;
    if (!text.isEmpty() && (text.at(0) == QLatin1Char('+') || text.at(0) == QLatin1Char('-'))) {
        negative = text.at(0) == QLatin1Char('-');
        i = 1;
    }
    if (i == text.size())
        return std::nullopt;
    quint64 magnitude = 0;
    const quint64 limit = negative ? quint64(1) << 63 : (quint64(1) << 63) - 1;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const quint64 digit = c - u'0';
        if (magnitude > (limit - digit) / 10)
            return std::nullopt;
        magnitude = magnitude * 10 + digit;
    }
    return negative ? static_cast<qint64>(0 - magnitude) : static_cast<qint64>(magnitude);
}
