#include "contentsfile.h"

#include <QFile>
#include <QStringList>

QList<WidgetContent> readPublishedContents(const QLoggingCategory &log)
{
    QFile file(widgetContentsPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const auto records = decodeWidgetContents(file.readAll());
    if (!records) {
        // Also what a reader meets while the file is being replaced; the next read sees it whole.
        qCWarning(log) << "Error: Can't decode contents";
        return {};
    }
    return *records;
}

QString describeContents(const QList<WidgetContent> &records)
{
    QStringList parts;
    parts.reserve(records.size());
    for (const WidgetContent &record : records) {
        parts.append(QStringLiteral("WidgetContent(date: %1, ddate: \"%2\", bgColor: \"%3\", fontColor: \"%4\", "
                                    "circleColor: \"%5\", dateTitle: \"%6\", countdown: %7, barType: \"%8\", "
                                    "pageNumber: %9)")
                         .arg(record.date.toString(Qt::ISODateWithMs), record.ddate, record.bgColor,
                              record.fontColor, record.circleColor, record.dateTitle,
                              record.countdown ? QStringLiteral("true") : QStringLiteral("false"), record.barType,
                              record.pageNumber ? QString::number(*record.pageNumber) : QStringLiteral("nil")));
    }
    return QLatin1Char('[') + parts.join(QStringLiteral(", ")) + QLatin1Char(']');
}
