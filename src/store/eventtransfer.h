#pragma once

#include "eventrepository.h"

#include <QByteArray>
#include <QString>

// The event list into and out of files the person chooses: an iCalendar file for calendar
// programs, and (further below) a backup of everything the events hold. The app's save and
// open dialogs and tallowick-cli call these.
namespace EventTransfer {

// How writing a file went.
struct ExportResult
{
    bool written = false;
    int events = 0;      // how many events the file holds
    QString error;       // why it was not written, for the person (translated); empty when written
};

// The list as saved now, as iCalendar text (ICalendarExport::calendar, stamped now).
QByteArray calendarText(const EventRepository &repository);
// Writes that text to `path`, replacing the file there atomically. Reads the list only.
ExportResult exportCalendar(const EventRepository &repository, const QString &path);

} // namespace EventTransfer
