#include "evenprovider.h"

#include "contentsfile.h"
#include "intentlog.h"

Q_LOGGING_CATEGORY(lcIntent, "tallowick.intent", QtWarningMsg)

QList<EventDetails> EvenProvider::readContents()
{
    const QList<WidgetContent> records = readPublishedContents(lcIntent());
    const QString description = describeContents(records);
    qCInfo(lcIntent).noquote() << "readContents" << description;
    qCInfo(lcIntent).noquote() << "allEvents ===" << description;

    QList<EventDetails> details;
    details.reserve(records.size());
    for (const WidgetContent &record : records)
        details.append(EventDetails{QString::number(record.pageNumber.value_or(0)), record.dateTitle, record.eventId.value_or(QString())});
    return details;
}
