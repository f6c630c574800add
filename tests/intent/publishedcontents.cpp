#include "publishedcontents.h"

#include <support/testenvironment.h>

#include <QTimeZone>

WidgetContent publishedRecord(const QString &title, qint64 page, const QString &ddate)
{
    return WidgetContent{QDateTime(QDate(2026, 12, 1), QTime(8, 0), QTimeZone::utc()),
                         ddate,
                         QStringLiteral("FFF480"),
                         QStringLiteral("3B3B3B"),
                         QStringLiteral("2E86DE"),
                         title,
                         true,
                         QStringLiteral("RainBar"),
                         page,
                         QString()};
}

QList<WidgetContent> publishedRecords(const QStringList &titles)
{
    QList<WidgetContent> records;
    for (qsizetype page = 0; page < titles.size(); ++page)
        records.append(publishedRecord(titles.at(page), page));
    return records;
}

void publishContents(const QList<WidgetContent> &records)
{
    writeFile(widgetContentsPath(), encodeWidgetContents(records));
}

void publishRawContents(const QByteArray &bytes)
{
    writeFile(widgetContentsPath(), bytes);
}
