#pragma once

#include <platform/notificationcenter.h>

#include <QDateTime>
#include <functional>

// Hands the reminders that fell due to whoever shows them, once each. A reminder less than
// a day late is still worth showing (the home screen was not running at its time); one a day
// late or more is dropped unseen. Either way it leaves the pending list.
class ReminderDelivery
{
public:
    using Sender = std::function<void(const NotificationRequest &)>;

    // How late a reminder may be and still be shown.
    static constexpr qint64 kLatestMs = 24 * 60 * 60 * 1000;

    ReminderDelivery(NotificationCenter &center, Sender sender);

    // Sends what is due at `now` and not too late, oldest first, and takes every due request
    // off the pending list. Returns how many were sent.
    int deliverDue(const QDateTime &now);

private:
    NotificationCenter &m_center;
    Sender m_sender;
};
