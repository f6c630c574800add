#include "contentsfile.h"

#include <platform/regularfile.h>

#include <QStringList>

QList<WidgetContent> readPublishedContents(const QLoggingCategory &log)
{
    const QString path = widgetContentsPath();
    const RegularFile::Result file = RegularFile::read(path);
    if (file.outcome == RegularFile::Outcome::NotRegular || file.outcome == RegularFile::Outcome::TooLarge) {
        // Never ours: the app only ever puts a plain file there, and a link could point the
        // widget at any file, or at a pipe that never ends.
        qCWarning(log).noquote() << "Error: Can't read contents:" << path << "is" << RegularFile::describe(file);
        return {};
    }
    if (!file.read())
        return {};
    const auto records = decodeWidgetContents(file.bytes);
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
                                    "pageNumber: %9, id: \"%10\")")
                         .arg(record.date.toString(Qt::ISODateWithMs), record.ddate, record.bgColor,
                              record.fontColor, record.circleColor, record.dateTitle,
                              record.countdown ? QStringLiteral("true") : QStringLiteral("false"), record.barType,
                              record.pageNumber ? QString::number(*record.pageNumber) : QStringLiteral("nil"), record.eventId.value_or(QString())));
    }
    return QLatin1Char('[') + parts.join(QStringLiteral(", ")) + QLatin1Char(']');
}
