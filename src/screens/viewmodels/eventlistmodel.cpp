#include "eventlistmodel.h"

namespace {

QVariant optionalValue(const auto &value)
{
    return value ? QVariant::fromValue(*value) : QVariant();
}

} // namespace

EventListModel::EventListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void EventListModel::setStore(UserData *store)
{
    if (store == m_store)
        return;
    if (m_store)
        disconnect(m_store, nullptr, this, nullptr);
    m_store = store;
    if (m_store)
        connect(m_store, &UserData::magicDatesChanged, this, &EventListModel::reload);
    reload();
    Q_EMIT storeChanged();
}

void EventListModel::reload()
{
    const QList<EDate> events = m_store ? m_store->magicDates() : QList<EDate>();
    if (events == m_events)
        return;
    const bool sameShape = events.size() == m_events.size();
    if (sameShape) {
        // Rows keep their delegates: only what changed is redrawn.
        m_events = events;
        Q_EMIT dataChanged(index(0), index(int(m_events.size()) - 1));
    } else {
        beginResetModel();
        m_events = events;
        endResetModel();
        Q_EMIT countChanged();
    }
    ++m_revision;
    Q_EMIT revisionChanged();
}

int EventListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_events.size());
}

QVariant EventListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_events.size())
        return {};
    const EDate &event = m_events.at(index.row());
    switch (role) {
    case DdateRole:
        return event.ddate;
    case ColorIndexRole:
        return optionalValue(event.colorIndex);
    case BgColorRole:
        return event.bgColor;
    case FontColorRole:
        return event.fontColor;
    case LineColorRole:
        return event.lineColor;
    case CircleColorRole:
        return event.circleColor;
    case DateTitleRole:
        return event.dateTitle;
    case BarTypeRole:
        return event.barType;
    case BarColorRole:
        return event.barColor;
    case NotificationRole:
        return event.notification;
    case RepeatNotificationRole:
        return optionalValue(event.repeatNotification);
    case CountdownRole:
        return optionalValue(event.countdown);
    case EventIdRole:
        return event.id;
    default:
        return {};
    }
}

QHash<int, QByteArray> EventListModel::roleNames() const
{
    return {
        {DdateRole, "ddate"},
        {ColorIndexRole, "colorIndex"},
        {BgColorRole, "bgColor"},
        {FontColorRole, "fontColor"},
        {LineColorRole, "lineColor"},
        {CircleColorRole, "circleColor"},
        {DateTitleRole, "dateTitle"},
        {BarTypeRole, "barType"},
        {BarColorRole, "barColor"},
        {NotificationRole, "notification"},
        {RepeatNotificationRole, "repeatNotification"},
        {CountdownRole, "countdown"},
        {EventIdRole, "eventId"},
    };
}

QVariantMap EventListModel::get(int row) const
{
    if (row < 0 || row >= m_events.size())
        return {};
    QVariantMap map = m_events.at(row).toKeyed();
    map.insert(QStringLiteral("index"), row);
    return map;
}
