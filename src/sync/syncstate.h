#pragma once

#include "syncedevent.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

// What this device knows of the calendar on the server, so that the next sync asks only for
// what changed and merges each event against the last copy both sides agreed on. Kept in
// "sync.json" in Tallowick's data folder and written as the other shared state is: whole,
// atomically, under its lock, so that a sync killed at any moment leaves the last good state.
struct SyncState
{
    // One object of the calendar, by its href.
    struct Record
    {
        QString href;
        QString id;        // the event it holds; empty for an object Tallowick cannot read
        QByteArray etag;   // exactly as the server sent it
        QByteArray object; // its text as last seen: what the next change is written over
        // The event as both sides last had it: the base of the next merge. Nothing while the
        // event is not in the list (held back because the list was full, or unreadable).
        std::optional<SyncedEvent> base;

        friend bool operator==(const Record &, const Record &) = default;
    };

    QUrl calendar; // the records belong to this calendar; another one starts afresh
    QString token; // the server's sync token after the last sync; empty: list everything
    QList<Record> records;

    // The last sync: when it ended, whether it went through, and its outcome in one line
    // (English, for the command line), with its parts for saying it in another language.
    QDateTime lastSync;
    bool lastOk = false;
    QString lastOutcome;
    int lastUp = 0;
    int lastDown = 0;
    int lastMoreOnServer = 0;
    int lastUnreadable = 0;
    QStringList lastConflicts; // titles of events both sides changed
    // Why it failed, when it did: "auth" (user name or password refused), "readOnly", "quota",
    // "password" (none could be had), or "other" (lastOutcome says what).
    QString lastFailure;

    friend bool operator==(const SyncState &, const SyncState &) = default;

    const Record *recordOf(const QString &id) const;

    static QString path();
    // Held while a sync runs, so that one runs at a time across every process.
    static QString runLockPath();
    // The stored state, for readers: nothing is written. An empty state when there is none;
    // nothing when the file cannot be opened.
    static std::optional<SyncState> read();
    // Runs `change` on the stored state under the lock, and writes it when `change` returns
    // true. False when that write (or the lock, or the read) failed.
    static bool modify(const std::function<bool(SyncState &)> &change);
    // Removes the stored state (the account is being forgotten), after any running sync
    // ended. True when none is left.
    static bool forget();

    static QByteArray encode(const SyncState &state);
    static std::optional<SyncState> decode(const QByteArray &bytes);
};
