#pragma once

#include <model/widgetcontent.h>

#include <QByteArray>
#include <QList>
#include <QString>

// A record as the app publishes it: `title` on `page`, dated `ddate`, in a look of its own.
WidgetContent publishedRecord(const QString &title, qint64 page, const QString &ddate = QStringLiteral("2027-01-01"));

// Records titled `titles`, on pages 0, 1, 2, ... in that order.
QList<WidgetContent> publishedRecords(const QStringList &titles);

// Writes the contents file as the app does, or exactly `bytes`.
void publishContents(const QList<WidgetContent> &records);
void publishRawContents(const QByteArray &bytes);
