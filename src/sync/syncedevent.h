#pragma once

#include <model/edate.h>

#include <QString>

// An event as it travels to and from the server: the record, and where it stands in the list
// as a sort key (see SortKeys), so that a move rewrites only the moved event's object. An
// event without a key (one made by another calendar program) sorts after those with one.
struct SyncedEvent
{
    EDate event;
    QString sortKey;

    friend bool operator==(const SyncedEvent &a, const SyncedEvent &b)
    {
        return a.event == b.event && a.sortKey == b.sortKey;
    }
    friend bool operator!=(const SyncedEvent &a, const SyncedEvent &b) { return !(a == b); }
};
