#include "eventbackup.h"

#include <calendar/icalendarimport.h>
#include <model/eventfields.h>

#include <cmath>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace EventBackup {

namespace {

// Every text of the record, whichever fields it has, within the longest a backup may carry.
bool textsFit(const EDate &event)
{
    bool fit = true;
    EventFields::forEach([&](const char *, auto member) {
        const auto &value = event.*member;
        using Value = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<Value, QString>)
            fit = fit && value.size() <= kMaxTextLength;
        else if constexpr (std::is_same_v<Value, std::optional<QString>>)
            fit = fit && (!value || value->size() <= kMaxTextLength);
    });
    return fit;
}

} // namespace

QByteArray encode(const QList<EDate> &events, const QDateTime &written)
{
    QJsonArray array;
    for (const EDate &event : events)
        array.append(event.toJson());
    const QJsonObject backup{
        {QStringLiteral("format"), QLatin1String(kFormat)},
        {QStringLiteral("version"), kVersion},
        {QStringLiteral("written"), written.toOffsetFromUtc(written.offsetFromUtc()).toString(Qt::ISODate)},
        {QStringLiteral("events"), array},
    };
    return QJsonDocument(backup).toJson(QJsonDocument::Indented);
}

Reading decode(const QByteArray &json)
{
    // Some editors start a UTF-8 file with a byte order mark, which the JSON reader refuses.
    const QByteArrayView text = ICalendarImport::withoutByteOrderMark(json);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError)
        return {};
    QJsonArray events;
    if (document.isArray()) {
        events = document.array();
    } else {
        const QJsonObject backup = document.object();
        if (backup.value(QStringLiteral("format")).toString() != QLatin1String(kFormat)
            || !backup.value(QStringLiteral("version")).isDouble() || !backup.value(QStringLiteral("events")).isArray())
            return {};
        // Versions are whole numbers from 1 on; anything else was never written by Tallowick.
        const double version = backup.value(QStringLiteral("version")).toDouble();
        if (version < 1 || version != std::floor(version))
            return {};
        if (version > kVersion)
            return {Reading::Status::MadeByNewer, {}};
        events = backup.value(QStringLiteral("events")).toArray();
    }
    Reading reading{Reading::Status::Read, {}};
    for (const QJsonValue &value : events) {
        const QJsonObject object = value.toObject();
        std::optional<EDate> event = EDate::fromJson(object);
        if (event && !textsFit(*event))
            event.reset();
        reading.records.append(Record{event, object.value(QStringLiteral("dateTitle")).toString().left(kMaxTextLength),
                                      object.value(QStringLiteral("ddate")).toString().left(kMaxTextLength)});
    }
    return reading;
}

} // namespace EventBackup
