#pragma once

#include <model/widgetcontent.h>

#include <QList>
#include <QLoggingCategory>
#include <QString>

// Reads the contents file the app publishes. A file that is missing or cannot be read gives an
// empty list without a word (the app has not published yet); one that does not decode gives an
// empty list and "Error: Can't decode contents" in `log`. A symbolic link, pipe or folder at
// the file's place is not followed or read: an empty list and "Error: Can't read contents".
QList<WidgetContent> readPublishedContents(const QLoggingCategory &log);

// The records as one line for diagnostics.
QString describeContents(const QList<WidgetContent> &records);
