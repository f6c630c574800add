#include "notificationhelper.h"

#include <model/calendarhelper.h>
#include <model/edate.h>

#include "remindertext.h"

Q_LOGGING_CATEGORY(lcReminders, "tallowick.reminders", QtWarningMsg)

namespace {

const QString kDayPattern = QStringLiteral("yyyy-MM-dd");

// One reminder at `time` on `day`; an invalid day leaves the trigger without a date.
NotificationRequest reminderRequest(const QString &body, const QString &title, const QDate &day, QTime time,
                                    const QString &identifier)
{
    NotificationRequest request{identifier, title, body, NotificationTrigger{}, true};
    request.trigger.hour = time.hour();
    request.trigger.minute = time.minute();
    if (day.isValid()) {
        qCInfo(lcReminders).noquote() << QStringLiteral("day: %1, month: %2, year: %3")
                                             .arg(day.day())
                                             .arg(day.month())
                                             .arg(day.year());
        request.trigger.year = day.year();
        request.trigger.month = day.month();
        request.trigger.day = day.day();
    }
    return request;
}

} // namespace

NotificationHelper::NotificationHelper(NotificationCenter center, QObject *parent)
    : QObject(parent)
    , m_center(std::move(center))
    , m_status(m_center.authorizationStatus())
{
}

int NotificationHelper::statusCode() const
{
    return m_status ? static_cast<int>(*m_status) : -1;
}

bool NotificationHelper::addNotification(const EDate &event, NotiDays option)
{
    const QDate eventDay = CalendarHelper::toDayDate(CalendarHelper::countedDate(event)).toLocalTime().date();
    const int count = reminderCount(option);
    qCInfo(lcReminders).noquote() << QStringLiteral("[addNotification] for # of Days --- - ") + QString::number(count);

    if (option == NotiDays::off) {
        return removeNotification(event);
    }

    const QTime time = m_center.reminderTime();
    QList<NotificationRequest> requests;
    for (int k = 0; k < count; ++k) {
        // Calendar days, not 24-hour steps: a day across a clock change is still one day.
        const QDate day = eventDay.addDays(-k);
        if (!day.isValid())
            break;
        const QString identifier = event.id + QLatin1Char(' ') + day.toString(kDayPattern) + QLatin1Char(' ')
            + QString::number(k);
        // What it says when it is shown is worked out anew then; this is for listings.
        const QString body = ReminderText::body(k);
        qCInfo(lcReminders).noquote() << QStringLiteral("[addNotification, [date], [id], [copy]] ")
                + day.toString(kDayPattern) + QLatin1Char(' ') + identifier + QLatin1Char(' ') + body;
        requests.append(reminderRequest(body, event.dateTitle, day, time, identifier));
    }
    // One transaction: the old reminders share the id with the new ones, so removing them
    // separately could take the new ones too.
    return m_center.replaceContaining(event.id, requests);
}

void NotificationHelper::scheduleNotification(const QString &body, const QString &title, const QDateTime &date,
                                              const QString &identifier)
{
    m_center.add(reminderRequest(body, title, date.toLocalTime().date(), m_center.reminderTime(), identifier));
}

bool NotificationHelper::removeNotification(const EDate &event)
{
    return m_center.replaceContaining(event.id, {});
}

QString NotificationHelper::eventIdOf(const QString &identifier)
{
    return identifier.section(QLatin1Char(' '), 0, 0);
}

std::optional<QDate> NotificationHelper::eventDayOf(const QString &identifier)
{
    const auto parts = partsOf(identifier);
    return parts ? std::optional(parts->eventDay) : std::nullopt;
}

std::optional<NotificationHelper::ReminderParts> NotificationHelper::partsOf(const QString &identifier)
{
    const QStringList parts = identifier.split(QLatin1Char(' '));
    if (parts.size() != 3)
        return std::nullopt;
    const QDate day = QDate::fromString(parts.at(1), Qt::ISODate);
    bool number = false;
    const int offset = parts.at(2).toInt(&number);
    if (!day.isValid() || !number || offset < 0)
        return std::nullopt;
    return ReminderParts{parts.at(0), day.addDays(offset), offset};
}

void NotificationHelper::logPendingNotifications(const QList<NotificationRequest> &requests)
{
    qCInfo(lcReminders).noquote() << QStringLiteral("MY pending notifications ------ ") + QString::number(requests.size());
    for (const NotificationRequest &request : requests) {
        qCInfo(lcReminders).noquote() << request.title + QLatin1Char(' ') + request.identifier + QLatin1Char(' ')
                + request.trigger.description();
    }
}

void NotificationHelper::requestAuthorization()
{
    // Asks the centre afresh, as the answer to a request would, but leaves `status` alone.
    if (m_center.authorizationStatus() == AuthorizationStatus::Authorized)
        qCInfo(lcReminders).noquote() << "All set!";
}
