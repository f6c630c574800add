#pragma once

#include "eventrepository.h"
#include "transfersummary.h"

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

// The text of a file in UTF-8: a UTF-16 file (with its byte order mark) converted, anything
// else as it is; nothing for UTF-16 that does not decode.
QByteArray utf8Of(const QByteArray &bytes);

// The list as saved now, as iCalendar text (ICalendarExport::calendar, stamped now).
QByteArray calendarText(const EventRepository &repository);
// Writes that text to `path`, replacing the file there atomically. Reads the list only.
ExportResult exportCalendar(const EventRepository &repository, const QString &path);

// Adds the events of the iCalendar file at `path` (all-day and timed events, by the list's
// rules: EventMerge::addCalendarEvents) in one step of the repository. A file that cannot be
// read, is too large, or is no calendar (damaged, cut short, hostile) changes nothing; the
// summary says why. With `update`, the list's events that the file has in another version
// take the file's version in the same step.
TransferSummary importCalendar(EventRepository &repository, const QString &path, bool update = false);
// The same for a calendar's text.
TransferSummary importCalendarText(EventRepository &repository, const QByteArray &text, bool update = false);

// The list as saved now, as a backup (EventBackup::encode, written now), and that backup
// written to `path`, atomically. Reads the list only.
QByteArray backupText(const EventRepository &repository);
ExportResult exportBackup(const EventRepository &repository, const QString &path);

// Brings back the events of the backup at `path` (EventMerge::restoreBackup) in one step, and
// schedules their reminders when reminders are allowed (else their choice waits for that). A
// file that cannot be read, is too large or is no backup changes nothing.
TransferSummary importBackup(EventRepository &repository, const QString &path);
TransferSummary importBackupText(EventRepository &repository, const QByteArray &text);

// Whether a file's bytes look like a backup (JSON) rather than a calendar.
bool looksLikeBackup(const QByteArray &bytes);
// Imports the file at `path` as what it holds: a backup or a calendar (`update` as for
// importCalendar; a backup never undoes a later change, so it has no update).
TransferSummary importFile(EventRepository &repository, const QString &path, bool update = false);

// A file the person chose, read whole: it may be a link to it, but no pipe or device (which
// could block or never end), nor more than `maxBytes`.
struct ChosenFile
{
    enum class Outcome { Read, Unreadable, TooLarge };
    Outcome outcome = Outcome::Unreadable;
    QByteArray bytes;
};
ChosenFile readChosenFile(const QString &path, qsizetype maxBytes);

} // namespace EventTransfer
