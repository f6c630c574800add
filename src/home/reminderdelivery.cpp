#include "reminderdelivery.h"

#include "homelog.h"

#include <reminders/remindertext.h>
#include <store/eventrepository.h>

ReminderDelivery::ReminderDelivery(NotificationCenter &center, EventRepository &events, Sender sender)
    : m_center(center)
    , m_events(events)
    , m_sender(std::move(sender))
{
}

QString ReminderDelivery::eventIdOf(const QString &identifier)
{
    return identifier.section(QLatin1Char(' '), 0, 0);
}

int ReminderDelivery::deliverDue(const QDateTime &now)
{
    const QList<NotificationRequest> due = m_center.due(now);
    if (due.isEmpty())
        return 0;
    const QList<EDate> events = m_events.read().events;
    QStringList identifiers;
    QStringList handled; // event ids, in the order their reminders fell due
    int sent = 0;
    for (const NotificationRequest &request : due) {
        identifiers.append(request.identifier);
        const QString eventId = eventIdOf(request.identifier);
        if (handled.contains(eventId))
            continue;
        handled.append(eventId);
        const qsizetype at = EventRepository::indexOf(events, eventId);
        if (at < 0) {
            qCInfo(lcHome).noquote() << "Dropped a reminder of an event that is gone:" << request.identifier;
            continue;
        }
        const EDate &event = events.at(at);
        const auto days = ReminderText::daysLeft(event);
        if (!days) {
            qCInfo(lcHome).noquote() << "Dropped a reminder: the day of" << event.dateTitle << "is over";
            continue;
        }
        m_sender(DueReminder{event.id, event.dateTitle, ReminderText::body(*days), int(at)});
        ++sent;
    }
    m_center.markDelivered(identifiers);
    return sent;
}
