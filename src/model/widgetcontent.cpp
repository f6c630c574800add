#include "widgetcontent.h"

#include "calendarhelper.h"
#include "keyedfields.h"

#include <platform/sharedcontainer.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>
#include <cmath>

namespace {

// Dates in the file count from the reference instant the widget side also uses.
const qint64 kReferenceEpochMs = QDateTime(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc()).toMSecsSinceEpoch();

// Every key of a record but "date", which counts seconds and is read and written on its own.
constexpr KeyedFields::Table<WidgetContent, 13> kFields{{
    {"ddate", &WidgetContent::ddate},
    {"bgColor", &WidgetContent::bgColor},
    {"fontColor", &WidgetContent::fontColor},
    {"circleColor", &WidgetContent::circleColor},
    {"dateTitle", &WidgetContent::dateTitle},
    {"countdown", &WidgetContent::countdown},
    {"barType", &WidgetContent::barType},
    {"pageNumber", &WidgetContent::pageNumber},
    {"id", &WidgetContent::eventId},
    {"repeat", &WidgetContent::repeat},
    {"firstDate", &WidgetContent::firstDate},
    {"occurrence", &WidgetContent::occurrence},
    {"countUnit", &WidgetContent::countUnit},
}};

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
                         event.id.isEmpty() ? std::nullopt : std::optional<QString>(event.id)};
    record.countUnit = event.countUnit;
    if (event.repeatsYearly()) {
        if (const auto next = CalendarHelper::nextOccurrence(event.ddate, now)) {
            record.ddate = next->day.toString(QStringLiteral("yyyy-MM-dd"));
            record.repeat = QString::fromLatin1(EDate::kRepeatYearly);
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
        QJsonObject object = QJsonObject::fromVariantMap(KeyedFields::toKeyed(record, kFields));
        object.insert(QStringLiteral("date"), (record.date.toMSecsSinceEpoch() - kReferenceEpochMs) / 1000.0);
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
        if (!date.isDouble() || !std::isfinite(date.toDouble()) || std::fabs(date.toDouble()) > 1e13)
            return std::nullopt;
        WidgetContent record;
        if (!KeyedFields::fromKeyed(object.toVariantMap(), kFields, record))
            return std::nullopt;
        // UTC: the same instant, without a local-zone lookup per record.
        record.date = QDateTime::fromMSecsSinceEpoch(kReferenceEpochMs + qint64(std::llround(date.toDouble() * 1000.0)),
                                                     QTimeZone::utc());
        records.append(std::move(record));
    }
    return records;
}

QString widgetContentsPath()
{
    return SharedContainer::path() + QStringLiteral("/contents.json");
}
