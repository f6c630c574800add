#pragma once

#include "notidays.h"

#include <platform/notificationcenter.h>

#include <QDateTime>
#include <QList>
#include <QLoggingCategory>
#include <QObject>
#include <optional>

struct EDate;

Q_DECLARE_LOGGING_CATEGORY(lcReminders)

// Turns an event's reminder option into pending notifications (at the chosen time of day,
// 10:00 unless another was chosen, on the event's day and on the days before it) and clears
// them again. It keeps nothing of its own: the pending requests live in the notification
// centre.
class NotificationHelper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int status READ statusCode NOTIFY statusChanged)

public:
    explicit NotificationHelper(NotificationCenter center = NotificationCenter(), QObject *parent = nullptr);

    // The authorization status as read at creation; it is not refreshed later.
    std::optional<AuthorizationStatus> status() const { return m_status; }
    // The status as its code, -1 when absent.
    int statusCode() const;

    NotificationCenter &center() { return m_center; }

    // Replaces the event's pending reminders with those of `option`; `off` leaves none. A
    // yearly event's reminders are for its next occurrence.
    // False when the reminders could not be written.
    bool addNotification(const EDate &event, NotiDays option);
    // Adds one reminder at the chosen time on the local day of `date`.
    void scheduleNotification(const QString &body, const QString &title, const QDateTime &date,
                              const QString &identifier);
    // Removes every pending reminder whose identifier contains the event's id.
    bool removeNotification(const EDate &event);

    // The event a reminder's identifier ("<event id> <day> <offset>") belongs to, and the day of
    // the event it was made for (its day plus its offset); nothing for another form.
    static QString eventIdOf(const QString &identifier);
    static std::optional<QDate> eventDayOf(const QString &identifier);
    // All three parts of such an identifier: the event, its day and how many days before it
    // the reminder comes; nothing for another form.
    struct ReminderParts
    {
        QString eventId;
        QDate eventDay;
        int daysBefore = 0;
    };
    static std::optional<ReminderParts> partsOf(const QString &identifier);

    // Lists pending requests on the diagnostic log: a count line, then one line per request.
    static void logPendingNotifications(const QList<NotificationRequest> &requests);

    // Reports "All set!" when notifications are allowed. It cannot prompt: the app asks the
    // person with its own dialog.
    void requestAuthorization();

Q_SIGNALS:
    void statusChanged();

private:
    NotificationCenter m_center;
    std::optional<AuthorizationStatus> m_status;
};
