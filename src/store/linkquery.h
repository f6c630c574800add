#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

// One name/value item of a link's query. An item written without "=" has no value, which is
// not the same as an empty one ("a" versus "a=").
struct QueryItem
{
    QString name;
    std::optional<QString> value;

    friend bool operator==(const QueryItem &, const QueryItem &) = default;
};

// The percent-decoded items of a link's query, in order. Nothing when the link has no query,
// or when an item's percent-encoding is broken (such a link is not acted on).
std::optional<QList<QueryItem>> queryItems(const QUrl &url);

// The name -> value map of a link's query, as shared-event links are read: pairs without "="
// are skipped, names are taken as written, a value is the text up to the next "=" with "+"
// read as a space and then percent-decoded (broken encoding gives empty text), and a later
// pair replaces an earlier one of the same name.
QHash<QString, QString> queryParameters(const QUrl &url);

// A decimal integer with an optional leading "+" or "-" and nothing else; nothing for any
// other text, including numbers beyond 64 bits.
std::optional<qint64> parseLinkInteger(const QString &text);
