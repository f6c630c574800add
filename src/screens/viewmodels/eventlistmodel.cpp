#include "eventlistmodel.h"

#include <store/eventrepository.h>

#include <QQmlEngine>

namespace {

// Rows of deleted events are kept this long (in deletions) for whoever still shows one.
constexpr qsizetype kGoneRowsKept = 32;

} // namespace

EventListModel::EventListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

EventListModel::~EventListModel() = default;

void EventListModel::setStore(UserData *store)
{
    if (store == m_store)
        return;
    if (m_store)
        disconnect(m_store, nullptr, this, nullptr);
    m_store = store;
    if (m_store)
        connect(m_store, &UserData::magicDatesChanged, this, &EventListModel::sync);
    sync();
    Q_EMIT storeChanged();
}

void EventListModel::sync()
{
    const QList<EDate> events = m_store ? m_store->magicDates() : QList<EDate>();
    const qsizetype countBefore = m_rows.size();

    // Rows of events that are gone, from the end so the positions before stay right.
    for (qsizetype i = m_rows.size() - 1; i >= 0; --i) {
        if (EventRepository::indexOf(events, m_rows.at(i)->eventId()) >= 0)
            continue;
        beginRemoveRows({}, int(i), int(i));
        EventRow *row = m_rows.takeAt(i);
        endRemoveRows();
        row->markGone();
        m_gone.append(row);
    }
    while (m_gone.size() > kGoneRowsKept)
        delete m_gone.takeFirst();

    // Then, place by place: the row that belongs there is moved up from further down, or made.
    for (qsizetype i = 0; i < events.size(); ++i) {
        const EDate &event = events.at(i);
        qsizetype at = -1;
        for (qsizetype j = i; j < m_rows.size(); ++j) {
            if (m_rows.at(j)->eventId() == event.id) {
                at = j;
                break;
            }
        }
        if (at < 0) {
            beginInsertRows({}, int(i), int(i));
            auto *row = new EventRow(event, int(i), this);
            // The model keeps its rows, whatever a script does with one it was handed.
            QQmlEngine::setObjectOwnership(row, QQmlEngine::CppOwnership);
            m_rows.insert(i, row);
            endInsertRows();
            continue;
        }
        if (at != i) {
            beginMoveRows({}, int(at), int(at), {}, int(i));
            m_rows.move(at, i);
            endMoveRows();
        }
        m_rows.at(i)->setEvent(event);
    }
    const bool moved = renumber();
    if (m_rows.size() != countBefore)
        Q_EMIT countChanged();
    if (moved || m_rows.size() != countBefore)
        bumpRevision();
}

bool EventListModel::renumber()
{
    bool moved = false;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        moved = moved || m_rows.at(i)->index() != i;
        m_rows.at(i)->setIndex(int(i));
    }
    return moved;
}

void EventListModel::bumpRevision()
{
    ++m_revision;
    Q_EMIT revisionChanged();
}

int EventListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant EventListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || role != EventRole)
        return {};
    return QVariant::fromValue(m_rows.at(index.row()));
}

QHash<int, QByteArray> EventListModel::roleNames() const
{
    return {{EventRole, "event"}};
}

EventRow *EventListModel::at(int index) const
{
    return index >= 0 && index < m_rows.size() ? m_rows.at(index) : nullptr;
}

EventRow *EventListModel::find(const QString &eventId) const
{
    for (EventRow *row : m_rows) {
        if (row->eventId() == eventId)
            return row;
    }
    return nullptr;
}

void EventListModel::moveRow(int from, int to)
{
    if (from < 0 || from >= m_rows.size() || to < 0 || to >= m_rows.size() || from == to)
        return;
    // beginMoveRows names the place before which the row lands, counted before the move.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    m_rows.move(from, to);
    endMoveRows();
    renumber();
    bumpRevision();
}
