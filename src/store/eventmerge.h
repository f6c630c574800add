#pragma once

#include "eventbackup.h"
#include "transfersummary.h"

#include <calendar/icalendarimport.h>
#include <model/edate.h>

#include <QList>
#include <QStringList>

// How the events of an imported file join the list, by the list's rules. Each works on the
// list a repository step holds and says, in `summary`, what it did with every event of the
// file; EventRepository runs them in one step.
namespace EventMerge {

// The calendar's events become count-down events at the front of the list, in the file's
// order, in the forms' default theme: titles cut to the longest a title may be, a yearly rule
// making a yearly event, Tallowick's own alarms their reminder choice. Skipped: a UID that is
// an event's id, an event of the same title and date, a cancelled one, a change to one
// occurrence. Refused: no title, no date, another kind of repeating, and whatever no longer
// fits in the list. An event whose UID is a UUID keeps it as its id, so that importing the
// same calendar again adds nothing. An event whose UID is an event's id, but whose title,
// date, yearly rule or reminders differ from that event's, is skipped with those fields
// named; with `update` it takes the calendar's version of them instead (its id added to
// `updated`). Returns the ids of the events added.
QStringList addCalendarEvents(QList<EDate> &events, const QList<ICalendarImport::Entry> &entries,
                              TransferSummary &summary, bool update = false, QStringList *updated = nullptr);

// Brings back the backup's events that the list lacks, in the backup's order: each goes
// after the backup's event before it, wherever that one stands in the list now, until the
// list is full. An event the list has (by id) stays as it is: a restore brings back what is
// missing and never undoes a later change. A list that is still exactly the packaged
// first-start events is replaced by the backup (moving to a new machine), as long as the
// backup brings any event besides them (a sample event it holds too counts as skipped).
// Refused: a record that is no event or lacks a usable id, title or date, and whatever no
// longer fits. Returns the ids of the events added.
QStringList restoreBackup(QList<EDate> &events, const QList<EventBackup::Record> &records, TransferSummary &summary);

} // namespace EventMerge
