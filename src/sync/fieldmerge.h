#pragma once

#include "syncedevent.h"

#include <QStringList>

// Two sides' changes to one event, merged field by field against the last copy both saw.
namespace FieldMerge {

struct Result
{
    SyncedEvent merged;
    // The fields both sides changed, to different values: the server's value was taken, the
    // same on every device, so that they converge. Named by their keys ("dateTitle", ...;
    // "sortKey" for the place in the list).
    QStringList conflicts;
};

// Each field: unchanged on both sides or changed the same way, that value; changed on one
// side, that side's value; changed on both to different values, the server's.
Result merge(const SyncedEvent &base, const SyncedEvent &local, const SyncedEvent &server);

// Whether the copy one side kept was edited since `base`: then it beats the other side's
// deletion, and the event comes back rather than being lost.
bool editedSince(const SyncedEvent &base, const SyncedEvent &kept);

} // namespace FieldMerge
