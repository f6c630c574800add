#include "eventrow.h"

EventRow::EventRow(const EDate &event, int index, QObject *parent)
    : QObject(parent)
    , m_event(event)
    , m_index(index)
{
}

QVariantMap EventRow::recordView() const
{
    QVariantMap view = m_event.toKeyed();
    view.insert(QStringLiteral("countdown"), m_event.countsDown());
    view.insert(QStringLiteral("yearly"), m_event.repeatsYearly());
    view.insert(QStringLiteral("unit"), CountUnits::name(m_event.unit()));
    return view;
}

void EventRow::setEvent(const EDate &event)
{
    if (event == m_event)
        return;
    m_event = event;
    Q_EMIT changed();
}

void EventRow::setIndex(int index)
{
    if (index == m_index)
        return;
    m_index = index;
    Q_EMIT indexChanged();
}

void EventRow::markGone()
{
    if (m_gone)
        return;
    m_gone = true;
    Q_EMIT goneChanged();
}
