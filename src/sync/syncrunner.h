#pragma once

#include <QString>

class EventRepository;

// One sync of the set-up account, as the command line's "sync", the app's "Sync now" and the
// home screen's timer run it: one at a time across every process (a lock; a second caller
// waits for the first to end), with the password looked up, the outcome kept in the sync
// state for "sync status" and the app's sheet.
namespace SyncRunner {

struct Report
{
    enum class Outcome {
        Synced,   // the list and the calendar agree (or will at the next sync: see line)
        NotSetUp, // no account
        Failed,   // nothing or part of it done; local changes wait for the next sync
    };
    Outcome outcome = Outcome::Failed;
    QString line; // what happened, in one line ("2 up, 1 down", "wrong user name or password")
};

// Blocks the calling thread (it makes network requests): call it from the command line or a
// worker thread, never the window's.
Report run(EventRepository &repository);

// How many of the list's changes have not gone up to the server yet (events added, changed,
// moved or deleted since the last sync), without asking it. 0 without an account.
int waitingChanges(const EventRepository &repository);

} // namespace SyncRunner
