#include "reminderdelivery.h"

#include "homelog.h"

#include <reminders/notificationhelper.h>
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
    return NotificationHelper::eventIdOf(identifier);
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
        // A yearly event always has a day to come: a reminder left from an occurrence that is
        // over (the home screen was away for it) would tell the next one's count.
        const auto madeFor = NotificationHelper::eventDayOf(request.identifier);
        if (event.repeatsYearly() && madeFor && *madeFor < now.toLocalTime().date()) {
            qCInfo(lcHome).noquote() << "Dropped a reminder: the occurrence of" << event.dateTitle << "on"
                                     << madeFor->toString(Qt::ISODate) << "is over";
            continue;
        }
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
