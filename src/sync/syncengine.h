#pragma once

#include "davcalendar.h"
#include "davoutcome.h"
#include "syncstate.h"

#include <QDateTime>
#include <QStringList>

class EventRepository;

// One sync of the event list with a calendar collection: what changed on the server since
// the state's token is fetched, each event merged field by field against the last copy both
// sides had (FieldMerge), the merged list put in place in one step of the repository (only if
// nothing changed locally meanwhile: then the round starts again), and then the changes
// written to the server, conditionally, over the server's own copies. A write that finds the
// server changed since (412) is fetched and merged in another round.
//
// The server is only written after the list was, and the state only after both, so that a
// sync stopped at any point is completed by the next one: the merge of an event both sides
// already agree on changes nothing, and an object whose write was answered but never heard is
// found at its href or by its UID.
namespace SyncEngine {

struct Summary
{
    int up = 0;   // objects created, changed or deleted on the server
    int down = 0; // events added, changed or deleted in the list from the server's
    // The events whose same field both sides changed: the server's value was taken. Titles.
    QStringList conflicts;
    int moreOnServer = 0; // events of the server the full list has no room for, left alone
    int unreadable = 0;   // objects of the server no event can be made of, left alone
};

struct Result
{
    DavOutcome outcome; // Ok, or why the sync stopped (what was done is kept in the state)
    Summary summary;
    // The list still had changes to send when it stopped (a failure, or rounds ran out).
    bool changesWaiting = false;
};

inline constexpr int kMaxRounds = 4;

// `state` is read from and left as it stands after the sync; saving it is the caller's
// (SyncRunner), as is taking the sync lock. `stamp` becomes the DTSTAMP of objects written.
Result run(EventRepository &repository, DavCalendar &calendar, SyncState &state, const QDateTime &stamp);

// The list's events as they would go to the server: each with the sort key of where it
// stands (the keys it last had where they still give its place, new ones between them
// where not; events of other programs at the end in their own order keep having none).
QList<SyncedEvent> keyed(const QList<EDate> &events, const SyncState &state);

// How many events of the list differ from their last copy on the server, plus those deleted
// from the list since: the changes the next sync sends.
int waitingChanges(const QList<EDate> &events, const SyncState &state);

// The sync's outcome in one line for the person ("2 up, 1 down"; "up to date").
QString describe(const Summary &summary);

} // namespace SyncEngine
