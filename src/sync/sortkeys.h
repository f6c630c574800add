#pragma once

#include "syncedevent.h"

#include <QList>
#include <QString>

// Where an event stands in the list, as a key that sorts by its characters (digits, then
// upper-case, then lower-case letters): a key between any two keys always exists, so moving
// an event changes its own key only, and two devices' moves of different events merge.
namespace SortKeys {

// Longer keys than any real sequence of moves makes (some 170 moves into one gap add a
// character every six) are taken for damage.
inline constexpr int kMaxLength = 1024;

// Whether a key could have come from between(): not empty, only the key digits, not ending
// in the lowest one, not too long.
bool isValid(const QString &key);

// A key after `before` and before `after`; an empty one is the open end. Both must be valid
// (or empty) and `before` sort before `after`. Keys that do not (two devices that moved two
// events into the same gap give them the same key) get a key after `before`.
QString between(const QString &before, const QString &after);

// Whether `a` goes before `b` in the list: the order sort() gives.
bool precedes(const SyncedEvent &a, const SyncedEvent &b);

// Keyed events first, by key; then the others. Events of the same key, and those without one,
// by day (no day last), then by id, so that every device shows the same order.
void sort(QList<SyncedEvent> &events);

} // namespace SortKeys
