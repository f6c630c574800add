#pragma once

#include <platform/notificationcenter.h>

#include <QDateTime>
#include <QString>
#include <functional>

class EventRepository;

// One reminder to show: its event as it is now, and what to say of it.
struct DueReminder
{
    QString eventId;
    QString title;    // the event's title now
    QString body;     // its count now: "Today is the day!", "3 days left"
    int pageNumber = 0;

    friend bool operator==(const DueReminder &, const DueReminder &) = default;
};

// Hands the reminders that fell due to whoever shows them. What a reminder says is made when
// it is shown, from its event's count at that moment: a reminder that waited (the home screen
// was not running at its time) never tells a stale count. However many fell due for one event
// meanwhile, it is shown once; the reminders of an event whose day is over, or that is gone,
// are dropped (and logged), as are those of a yearly event's occurrence that is over. Either
// way they leave the pending list.
class ReminderDelivery
{
public:
    using Sender = std::function<void(const DueReminder &)>;

    ReminderDelivery(NotificationCenter &center, EventRepository &events, Sender sender);

    // Sends what is due at `now`, one reminder per event in the order their first reminder
    // fell due, and takes every due request off the pending list. Returns how many were sent.
    int deliverDue(const QDateTime &now);

    // The event a reminder's identifier belongs to ("<event id> <day> <offset>").
    static QString eventIdOf(const QString &identifier);

private:
    NotificationCenter &m_center;
    EventRepository &m_events;
    Sender m_sender;
};
