#include <support/testevents.h>
#include <sync/syncengine.h>
#include <sync/sortkeys.h>
#include <sync/syncstate.h>

#include <gtest/gtest.h>

// The sync state as stored, and the keys the list's order gives its events.
namespace {

SyncState syncedState(const QList<EDate> &events)
{
    SyncState state;
    state.calendar = QUrl(QStringLiteral("http://127.0.0.1:5232/alice/Tallowick/"));
    state.token = QStringLiteral("http://radicale.org/ns/sync/1");
    QString key;
    for (const EDate &event : events) {
        key = SortKeys::between(key, {});
        state.records.append({QStringLiteral("/alice/Tallowick/%1.ics").arg(event.id), event.id, "\"etag\"",
                              "BEGIN:VCALENDAR\r\n", SyncedEvent{event, key}});
    }
    state.records.append({QStringLiteral("/alice/Tallowick/other.ics"), {}, "\"e2\"", "BEGIN:VCALENDAR\r\n", std::nullopt});
    state.lastSync = QDateTime(QDate(2026, 12, 1), QTime(9, 30), Qt::UTC);
    state.lastOk = true;
    state.lastOutcome = QStringLiteral("2 up, 1 down");
    state.lastUp = 2;
    state.lastDown = 1;
    state.lastConflicts = {QStringLiteral("Trip")};
    return state;
}

TEST(SyncState, RoundTripsAndRefusesWhatItCannotTrust)
{
    const SyncState state = syncedState(numberedEvents(3));
    EXPECT_EQ(SyncState::decode(SyncState::encode(state)), state);

    SyncState mismatched = state;
    mismatched.records.first().id = QStringLiteral("another event's id");
    const QByteArray otherBase = SyncState::encode(mismatched);
    for (const QByteArray &bad : {QByteArray("{"), QByteArray("[]"), QByteArray("{\"version\": 2}"),
                                  QByteArray("{\"version\": 1, \"records\": [{\"id\": \"x\"}]}"), otherBase})
        EXPECT_FALSE(SyncState::decode(bad).has_value()) << bad.left(80).toStdString();
}

QStringList keysOf(const QList<SyncedEvent> &list)
{
    QStringList keys;
    for (const SyncedEvent &synced : list)
        keys.append(synced.sortKey);
    return keys;
}

TEST(SyncKeys, AMoveOrAnAddChangesOnlyThatEventsKey)
{
    const QList<EDate> events = numberedEvents(5);
    const SyncState state = syncedState(events);
    const QStringList synced = keysOf(SyncEngine::keyed(events, state));
    EXPECT_EQ(SyncEngine::waitingChanges(events, state), 0);

    struct Case
    {
        const char *what;
        QList<EDate> list;
        int changedKeys;
    };
    QList<EDate> moved = events;
    moved.move(0, 3);
    QList<EDate> added = events;
    added.insert(2, TestEvent::numbered(40));
    QList<EDate> deleted = events;
    deleted.removeAt(1);
    const QList<Case> cases = {{"moved", moved, 1}, {"added", added, 1}, {"deleted", deleted, 0}};
    for (const Case &c : cases) {
        const QList<SyncedEvent> list = SyncEngine::keyed(c.list, state);
        int changed = 0;
        for (qsizetype i = 0; i < list.size(); ++i) {
            const SyncState::Record *record = state.recordOf(list.at(i).event.id);
            changed += !record || record->base->sortKey != list.at(i).sortKey;
            if (i > 0)
                EXPECT_LT(list.at(i - 1).sortKey, list.at(i).sortKey) << c.what;
        }
        EXPECT_EQ(changed, c.changedKeys) << c.what;
        EXPECT_EQ(SyncEngine::waitingChanges(c.list, state), 1) << c.what;
    }
    EXPECT_EQ(synced.size(), 5);
}

TEST(SyncKeys, AnotherProgramsEventsAtTheEndKeepHavingNoKey)
{
    QList<EDate> events = numberedEvents(4);
    SyncState state = syncedState(events);
    state.records[2].base->sortKey.clear();
    state.records[3].base->sortKey.clear();
    const QList<SyncedEvent> list = SyncEngine::keyed(events, state);
    EXPECT_TRUE(list.at(2).sortKey.isEmpty());
    EXPECT_TRUE(list.at(3).sortKey.isEmpty());
    // Moved before an ordered event, such an event is given a key where it now stands.
    events.move(3, 0);
    const QList<SyncedEvent> movedList = SyncEngine::keyed(events, state);
    EXPECT_FALSE(movedList.first().sortKey.isEmpty());
    EXPECT_LT(movedList.at(0).sortKey, movedList.at(1).sortKey);
}

} // namespace
