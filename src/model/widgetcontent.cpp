#include "widgetcontent.h"

#include "calendarhelper.h"

#include <platform/sharedcontainer.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>
#include <cmath>

namespace {

// Dates in the file count from the reference instant the widget side also uses.
const qint64 kReferenceEpochMs = QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc()).toMSecsSinceEpoch();

std::optional<qint64> integerValue(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number) || number != std::trunc(number) || std::fabs(number) >= 9.2e18)
        return std::nullopt;
    return value.toInteger();
}

} // namespace

WidgetContent WidgetContent::fromEvent(const EDate &event, const QDateTime &now, qint64 page)
{
    WidgetContent record{now,
                         event.ddate,
                         event.bgColor,
                         event.fontColor,
                         event.lineColor,
                         event.dateTitle,
                         event.countsDown(),
                         event.barType,
                         page,
                         event.id};
    if (event.repeatsYearly()) {
        if (const auto next = CalendarHelper::nextOccurrence(event.ddate, now)) {
            record.ddate = next->day.toString(QStringLiteral("yyyy-MM-dd"));
            record.repeatsYearly = true;
            record.firstDate = event.ddate;
            record.occurrence = next->ordinal;
        }
    }
    return record;
}

QByteArray encodeWidgetContents(const QList<WidgetContent> &records)
{
    QJsonArray array;
    for (const WidgetContent &record : records) {
        QJsonObject object{
            {QStringLiteral("date"), (record.date.toMSecsSinceEpoch() - kReferenceEpochMs) / 1000.0},
            {QStringLiteral("ddate"), record.ddate},
            {QStringLiteral("bgColor"), record.bgColor},
            {QStringLiteral("fontColor"), record.fontColor},
            {QStringLiteral("circleColor"), record.circleColor},
            {QStringLiteral("dateTitle"), record.dateTitle},
            {QStringLiteral("countdown"), record.countdown},
            {QStringLiteral("barType"), record.barType},
        };
        if (record.pageNumber)
            object.insert(QStringLiteral("pageNumber"), *record.pageNumber);
        if (!record.eventId.isEmpty())
            object.insert(QStringLiteral("id"), record.eventId);
        if (record.repeatsYearly) {
            object.insert(QStringLiteral("repeat"), QLatin1String(EDate::kRepeatYearly));
            object.insert(QStringLiteral("firstDate"), record.firstDate);
            if (record.occurrence)
                object.insert(QStringLiteral("occurrence"), *record.occurrence);
        }
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

std::optional<QList<WidgetContent>> decodeWidgetContents(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    QList<WidgetContent> records;
    for (const QJsonValue &item : document.array()) {
        if (!item.isObject())
            return std::nullopt;
        const QJsonObject object = item.toObject();
        const QJsonValue date = object.value(QStringLiteral("date"));
        const QJsonValue countdown = object.value(QStringLiteral("countdown"));
        static const char *const textKeys[] = {"ddate", "bgColor", "fontColor", "circleColor", "dateTitle", "barType"};
        for (const char *key : textKeys) {
            if (!object.value(QLatin1String(key)).isString())
                return std::nullopt;
        }
        if (!date.isDouble() || !std::isfinite(date.toDouble()) || std::fabs(date.toDouble()) > 1e13
            || !countdown.isBool())
            return std::nullopt;
        std::optional<qint64> page;
        const QJsonValue pageValue = object.value(QStringLiteral("pageNumber"));
        if (!pageValue.isUndefined() && !pageValue.isNull()) {
            page = integerValue(pageValue);
            if (!page)
                return std::nullopt;
        }
        const QJsonValue id = object.value(QStringLiteral("id"));
        const QJsonValue repeat = object.value(QStringLiteral("repeat"));
        const QJsonValue firstDate = object.value(QStringLiteral("firstDate"));
        const auto absent = [](const QJsonValue &value) { return value.isUndefined() || value.isNull(); };
        if ((!absent(id) && !id.isString()) || (!absent(repeat) && !repeat.isString())
            || (!absent(firstDate) && !firstDate.isString()))
            return std::nullopt;
        std::optional<qint64> occurrence;
        const QJsonValue occurrenceValue = object.value(QStringLiteral("occurrence"));
        if (!absent(occurrenceValue)) {
            occurrence = integerValue(occurrenceValue);
            if (!occurrence)
                return std::nullopt;
        }
        const auto text = [&](const char *key) { return object.value(QLatin1String(key)).toString(); };
        records.append(WidgetContent{
            // UTC: the same instant, without a local-zone lookup per record.
            QDateTime::fromMSecsSinceEpoch(kReferenceEpochMs + qint64(std::llround(date.toDouble() * 1000.0)),
                                           QTimeZone::utc()),
            text("ddate"), text("bgColor"), text("fontColor"), text("circleColor"), text("dateTitle"),
            countdown.toBool(), text("barType"), page, id.toString(),
            repeat.toString() == QLatin1String(EDate::kRepeatYearly), firstDate.toString(), occurrence});
    }
    return records;
}

QString widgetContentsPath()
{
    return SharedContainer::path() + QStringLiteral("/contents.json");
}
