#include "syncengine.h"

#include "calendarobject.h"
#include "fieldmerge.h"
#include "sortkeys.h"

#include <model/resources.h>
#include <store/eventrepository.h>
#include <store/eventrules.h>

#include <QHash>
#include <QSet>

namespace {

// An object of the calendar as this round sees it.
struct ServerCopy
{
    QString href;
    QByteArray etag;
    QByteArray object;
    std::optional<SyncedEvent> synced; // nothing: no event can be made of it
};

struct ServerView
{
    DavOutcome outcome;
    QList<ServerCopy> copies;
    QString token;
};

// A record the state keeps without knowing the object's text or version: fetched again.
bool needsFetch(const SyncState::Record &record)
{
    return record.etag.isEmpty() || record.object.isEmpty();
}

// The state's records brought up to date with what changed on the server since its token: a
// record the server reports unchanged (same ETag) is not fetched again, and is the event its
// base says (the base is what its object reads as, or the record has no base).
ServerView look(DavCalendar &calendar, const SyncState &state)
{
    ServerView view;
    bool whole = state.token.isEmpty();
    DavCalendar::Changes changes = calendar.changesSince(state.token);
    if (changes.outcome.kind == DavOutcome::InvalidSyncToken) {
        changes = calendar.changesSince({});
        whole = true;
    }
    if (changes.outcome.kind == DavOutcome::Unsupported) {
        const DavCalendar::Listing listing = calendar.list();
        changes = {listing.outcome, listing.members, {}, {}};
        whole = true;
    }
    if (!changes.outcome.ok()) {
        view.outcome = changes.outcome;
        return view;
    }
    view.token = changes.token;
    QHash<QString, QByteArray> changed;
    for (const DavCalendar::Member &member : std::as_const(changes.changed))
        changed.insert(member.href, member.etag);
    const QSet<QString> removed(changes.removed.cbegin(), changes.removed.cend());

    QStringList toFetch;
    for (const SyncState::Record &record : state.records) {
        const auto reported = changed.constFind(record.href);
        if (removed.contains(record.href) || (whole && reported == changed.cend()))
            continue;
        const bool same = reported == changed.cend() || reported.value() == record.etag;
        if (!same || needsFetch(record)) {
            toFetch.append(record.href);
        } else {
            const auto synced = record.base ? record.base : CalendarObject::read(record.object).synced;
            view.copies.append({record.href, record.etag, record.object, synced});
        }
        changed.remove(record.href);
    }
    toFetch.append(changed.keys());
    if (!toFetch.isEmpty()) {
        const DavCalendar::Bodies bodies = calendar.fetch(toFetch);
        if (!bodies.outcome.ok()) {
            view.outcome = bodies.outcome;
            return view;
        }
        for (const DavCalendar::Object &object : bodies.objects)
            view.copies.append({object.href, object.etag, object.data, CalendarObject::read(object.data).synced});
    }
    view.outcome = {DavOutcome::Ok, {}, {}};
    return view;
}

// One change for the server.
struct Write
{
    QString id;
    QString href;
    QByteArray ifMatch;   // empty: create
    QByteArray object;    // empty: delete
    SyncedEvent synced;   // what the object says, the base once written
    int record = -1;      // its record before the write (in Plan::records), -1 for none
};

struct Plan
{
    QList<SyncedEvent> list; // the merged list, in order
    QList<SyncState::Record> records;
    QList<Write> writes;
    SyncEngine::Summary summary;
};

// Merges the list (with its keys) and the server's objects against the state's bases.
class Merger
{
public:
    Merger(const QList<SyncedEvent> &local, const ServerView &view, const SyncState &state,
           const DavCalendar &calendar, const QDateTime &stamp)
        : m_local(local), m_view(view), m_state(state), m_calendar(calendar), m_stamp(stamp)
    {
    }

    Plan plan()
    {
        for (const ServerCopy &copy : m_view.copies) {
            if (copy.synced && !m_server.contains(copy.synced->event.id))
                m_server.insert(copy.synced->event.id, &copy);
            else
                keepUnreadable(copy);
        }
        for (const SyncedEvent &event : m_local)
            m_localById.insert(event.event.id, &event);

        QStringList ids;
        for (const SyncedEvent &event : m_local)
            ids.append(event.event.id);
        for (const ServerCopy &copy : m_view.copies) {
            if (copy.synced && !ids.contains(copy.synced->event.id))
                ids.append(copy.synced->event.id);
        }
        for (const QString &id : std::as_const(ids))
            mergeOne(id);
        admitFromServer();
        keepOneEvent();
        SortKeys::sort(m_plan.list);
        return m_plan;
    }

private:
    const SyncState::Record *previous(const QString &id) const { return m_state.recordOf(id); }

    // An object that gives no event (or repeats a UID) is never written or deleted; an event
    // of the list whose object it was stays as it is.
    void keepUnreadable(const ServerCopy &copy)
    {
        const auto known = std::find_if(m_state.records.cbegin(), m_state.records.cend(),
                                        [&](const SyncState::Record &r) { return r.href == copy.href; });
        SyncState::Record record{copy.href, {}, copy.etag, copy.object, std::nullopt};
        if (known != m_state.records.cend() && known->base) {
            record.id = known->id;
            record.base = known->base;
            m_unreadableIds.insert(known->id);
        }
        m_plan.records.append(record);
        ++m_plan.summary.unreadable;
    }

    void mergeOne(const QString &id)
    {
        const SyncedEvent *local = m_localById.value(id);
        const ServerCopy *server = m_server.value(id);
        const SyncState::Record *record = previous(id);
        const std::optional<SyncedEvent> base = record ? record->base : std::nullopt;
        if (m_unreadableIds.contains(id)) {
            if (local)
                m_plan.list.append(*local);
            return;
        }
        if (local && server) {
            // Without a base (a first sync, or a write whose answer was lost) the server's copy
            // stands in for it: the list's differences from it are the changes.
            const FieldMerge::Result merged = FieldMerge::merge(base.value_or(*server->synced), *local, *server->synced);
            if (!merged.conflicts.isEmpty())
                m_plan.summary.conflicts.append(merged.merged.event.dateTitle);
            m_plan.list.append(merged.merged);
            m_plan.records.append({server->href, id, server->etag, server->object, *server->synced});
            if (merged.merged != *server->synced)
                writeOver(*server, merged.merged, int(m_plan.records.size()) - 1);
        } else if (local) {
            if (base && !FieldMerge::editedSince(*base, *local)) {
                m_deletedByServer.append(*local); // deleted there, unchanged here
                return;
            }
            m_plan.list.append(*local); // new here, or edited here since it was deleted there
            create(*local, record ? record->href : m_calendar.hrefFor(id));
        } else if (server) {
            if (base && !FieldMerge::editedSince(*base, *server->synced)) {
                // Kept until the deletion is written; the base stays, so that an edit made
                // there before the deletion lands brings the event back next time.
                m_plan.records.append({server->href, id, server->etag, server->object, base});
                m_plan.writes.append({id, server->href, server->etag, {}, *server->synced, int(m_plan.records.size()) - 1});
                return;
            }
            m_fromServer.append(server); // new there, or edited there since it was deleted here
        }
    }

    void writeOver(const ServerCopy &server, const SyncedEvent &merged, int record)
    {
        if (const auto object = CalendarObject::writtenOver(server.object, merged, m_stamp))
            m_plan.writes.append({merged.event.id, server.href, server.etag, *object, merged, record});
    }

    void create(const SyncedEvent &synced, const QString &href)
    {
        if (const auto object = CalendarObject::of(synced, m_stamp))
            m_plan.writes.append({synced.event.id, href, {}, *object, synced, -1});
    }

    // Events of the server the list lacks join it in the server's order while there is room;
    // the others stay on the server, untouched, until there is.
    void admitFromServer()
    {
        std::stable_sort(m_fromServer.begin(), m_fromServer.end(),
                         [](const ServerCopy *a, const ServerCopy *b) { return SortKeys::precedes(*a->synced, *b->synced); });
        for (const ServerCopy *server : std::as_const(m_fromServer)) {
            const bool room = m_plan.list.size() < EventRules::kMaxEvents;
            if (room)
                m_plan.list.append(*server->synced);
            else
                ++m_plan.summary.moreOnServer;
            m_plan.records.append({server->href, server->synced->event.id, server->etag, server->object,
                                   room ? server->synced : std::nullopt});
        }
    }

    // The list is never left empty: an event the server deleted stays, and goes up again.
    void keepOneEvent()
    {
        if (!m_plan.list.isEmpty() || m_deletedByServer.isEmpty())
            return;
        const SyncedEvent &kept = m_deletedByServer.constFirst();
        m_plan.list.append(kept);
        create(kept, m_calendar.hrefFor(kept.event.id));
    }

    const QList<SyncedEvent> &m_local;
    const ServerView &m_view;
    const SyncState &m_state;
    const DavCalendar &m_calendar;
    const QDateTime m_stamp;

    Plan m_plan;
    QHash<QString, const ServerCopy *> m_server;
    QHash<QString, const SyncedEvent *> m_localById;
    QSet<QString> m_unreadableIds;
    QList<SyncedEvent> m_deletedByServer;
    QList<const ServerCopy *> m_fromServer;
};

QList<EDate> eventsOf(const QList<SyncedEvent> &list)
{
    QList<EDate> events;
    events.reserve(list.size());
    for (const SyncedEvent &synced : list)
        events.append(synced.event);
    return events;
}

// Events the merge added to, changed in or deleted from the list.
int changesBetween(const QList<EDate> &before, const QList<EDate> &after)
{
    int changes = 0;
    for (const EDate &event : after) {
        const EDate *old = EventRepository::find(before, event.id);
        changes += !old || *old != event;
    }
    for (const EDate &event : before)
        changes += !EventRepository::find(after, event.id);
    return changes;
}

// A device that still holds only the first-start events takes the server's list instead of
// sending them (as a restore of a backup does).
bool takesServerList(const EventList &list, const SyncState &state, const ServerView &view)
{
    return state.records.isEmpty() && list.events == defaultEvents()
        && std::any_of(view.copies.cbegin(), view.copies.cend(), [](const ServerCopy &c) { return c.synced.has_value(); });
}

struct WriteOutcome
{
    DavOutcome failure; // Ok unless the writes stopped
    bool again = false; // the server changed meanwhile: another round
};

// Writes the plan's changes; the records follow what the server now holds.
WriteOutcome writeAll(DavCalendar &calendar, Plan &plan)
{
    WriteOutcome result{{DavOutcome::Ok, {}, {}}, false};
    QList<bool> dropped(plan.records.size(), false);
    for (const Write &write : std::as_const(plan.writes)) {
        const bool deleting = write.object.isEmpty();
        DavOutcome outcome;
        SyncState::Record written{write.href, write.id, {}, write.object, write.synced};
        if (deleting) {
            outcome = calendar.remove(write.href, write.ifMatch);
        } else {
            const DavCalendar::Write put = calendar.put(write.href, write.object, write.ifMatch);
            outcome = put.outcome;
            written.etag = put.etag;
            if (!put.href.isEmpty())
                written.href = put.href;
        }
        if (outcome.ok()) {
            ++plan.summary.up;
            if (deleting)
                dropped[write.record] = true;
            else if (write.record >= 0)
                plan.records[write.record] = written;
            else
                plan.records.append(written);
            continue;
        }
        if (outcome.kind == DavOutcome::PreconditionFailed || outcome.kind == DavOutcome::UidConflict) {
            // Someone wrote first, or the UID lives elsewhere (a write of ours whose answer was
            // lost): the object is fetched and merged again in the next round.
            const QString href = outcome.conflictHref.isEmpty() ? write.href : outcome.conflictHref;
            SyncState::Record stale{href, write.id, {}, {}, std::nullopt};
            if (write.record >= 0) {
                stale.base = plan.records.at(write.record).base;
                plan.records[write.record] = stale;
            } else {
                plan.records.append(stale);
            }
            result.again = true;
            continue;
        }
        result.failure = outcome;
        break;
    }
    for (qsizetype i = dropped.size() - 1; i >= 0; --i) {
        if (dropped.at(i))
            plan.records.removeAt(i);
    }
    return result;
}

} // namespace

namespace SyncEngine {

QList<SyncedEvent> keyed(const QList<EDate> &events, const SyncState &state)
{
    QList<SyncedEvent> list;
    QList<bool> known;
    for (const EDate &event : events) {
        const SyncState::Record *record = state.recordOf(event.id);
        const bool synced = record && record->base;
        list.append({event, synced ? record->base->sortKey : QString()});
        known.append(synced);
    }
    // Events of other programs (known, keyless) at the end, in the order they sort in, keep
    // having no key: their objects are not rewritten only to carry one.
    qsizetype tail = list.size();
    while (tail > 0 && known.at(tail - 1) && !SortKeys::isValid(list.at(tail - 1).sortKey)
           && (tail == list.size() || SortKeys::precedes(list.at(tail - 1), list.at(tail))))
        --tail;
    // Before them, the longest run of keys still in order keeps its keys (so that a move
    // changes only the moved event's), and the others get keys between their neighbours.
    QList<int> length(tail, 0);
    QList<int> from(tail, -1);
    int best = -1;
    for (int i = 0; i < tail; ++i) {
        if (!SortKeys::isValid(list.at(i).sortKey))
            continue;
        length[i] = 1;
        for (int j = 0; j < i; ++j) {
            if (length.at(j) > 0 && list.at(j).sortKey < list.at(i).sortKey && length.at(j) + 1 > length.at(i)) {
                length[i] = length.at(j) + 1;
                from[i] = j;
            }
        }
        if (best < 0 || length.at(i) > length.at(best))
            best = i;
    }
    QList<bool> keep(tail, false);
    for (int i = best; i >= 0; i = from.at(i))
        keep[i] = true;
    QString before;
    for (int i = 0; i < tail; ++i) {
        if (keep.at(i)) {
            before = list.at(i).sortKey;
            continue;
        }
        QString after;
        for (int j = i + 1; j < tail && after.isEmpty(); ++j) {
            if (keep.at(j))
                after = list.at(j).sortKey;
        }
        list[i].sortKey = SortKeys::between(before, after);
        before = list.at(i).sortKey;
    }
    return list;
}

int waitingChanges(const QList<EDate> &events, const SyncState &state)
{
    int waiting = 0;
    for (const SyncedEvent &synced : keyed(events, state)) {
        const SyncState::Record *record = state.recordOf(synced.event.id);
        waiting += !record || !record->base || *record->base != synced;
    }
    for (const SyncState::Record &record : state.records)
        waiting += record.base && !EventRepository::find(events, record.id);
    return waiting;
}

QString describe(const Summary &summary)
{
    QStringList parts;
    if (summary.up == 0 && summary.down == 0)
        parts.append(QStringLiteral("up to date"));
    else
        parts.append(QStringLiteral("%1 up, %2 down").arg(summary.up).arg(summary.down));
    if (!summary.conflicts.isEmpty())
        parts.append(QStringLiteral("changed on both sides, the server's kept: %1").arg(summary.conflicts.join(QStringLiteral(", "))));
    if (summary.moreOnServer > 0)
        parts.append(QStringLiteral("%1 more on the server (the list is full)").arg(summary.moreOnServer));
    if (summary.unreadable > 0)
        parts.append(QStringLiteral("%1 objects on the server are no events Tallowick can show").arg(summary.unreadable));
    return parts.join(QStringLiteral("; "));
}

Result run(EventRepository &repository, DavCalendar &calendar, SyncState &state, const QDateTime &stamp)
{
    if (state.calendar != calendar.url()) {
        // Another calendar: nothing known of it yet.
        state.calendar = calendar.url();
        state.token.clear();
        state.records.clear();
    }
    Result result;
    for (int round = 0; round < kMaxRounds; ++round) {
        const ServerView view = look(calendar, state);
        if (!view.outcome.ok()) {
            result.outcome = view.outcome;
            result.changesWaiting = true;
            return result;
        }
        const EventList before = repository.read();
        if (before.source == EventList::Source::Unreadable) {
            result.outcome = DavOutcome::failed(QStringLiteral("the saved list cannot be read; nothing was synced"));
            return result;
        }
        const QList<SyncedEvent> local = takesServerList(before, state, view) ? QList<SyncedEvent>() : keyed(before.events, state);
        Plan plan = Merger(local, view, state, calendar, stamp).plan();
        const QList<EDate> merged = eventsOf(plan.list);
        if (merged != before.events) {
            const EventRepository::Result applied = repository.replaceSynced(before, merged);
            if (applied.outcome == StoreOutcome::Outdated)
                continue; // changed meanwhile: merged again, nothing written yet
            if (applied.outcome != StoreOutcome::Done && applied.outcome != StoreOutcome::NotPublished) {
                result.outcome = DavOutcome::failed(applied.reason.isEmpty() ? describeOutcome(applied.outcome) : applied.reason);
                result.changesWaiting = true;
                return result;
            }
        }
        plan.summary.down = changesBetween(before.events, merged);
        const WriteOutcome written = writeAll(calendar, plan);
        state.records = plan.records;
        state.token = view.token;
        result.summary.up += plan.summary.up;
        result.summary.down += plan.summary.down;
        result.summary.conflicts.append(plan.summary.conflicts);
        result.summary.moreOnServer = plan.summary.moreOnServer;
        result.summary.unreadable = plan.summary.unreadable;
        if (!written.failure.ok()) {
            result.outcome = written.failure;
            result.changesWaiting = true;
            return result;
        }
        if (!written.again) {
            result.outcome = {DavOutcome::Ok, {}, {}};
            return result;
        }
    }
    result.outcome = DavOutcome::failed(QStringLiteral("the calendar kept changing while syncing; the rest waits for the next sync"));
    result.changesWaiting = true;
    return result;
}

} // namespace SyncEngine
