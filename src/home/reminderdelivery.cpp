#include "reminderdelivery.h"

#include "homelog.h"

ReminderDelivery::ReminderDelivery(NotificationCenter &center, Sender sender)
    : m_center(center)
    , m_sender(std::move(sender))
{
}

int ReminderDelivery::deliverDue(const QDateTime &now)
{
    const QList<NotificationRequest> due = m_center.due(now);
    if (due.isEmpty())
        return 0;
    int sent = 0;
    QStringList identifiers;
    for (const NotificationRequest &request : due) {
        identifiers.append(request.identifier);
        // due() only returns requests with a fire time.
        const qint64 lateMs = now.toMSecsSinceEpoch() - request.trigger.fireTime()->toMSecsSinceEpoch();
        if (lateMs >= kLatestMs) {
            qCInfo(lcHome).noquote() << "Dropped a reminder a day late or more:" << request.identifier;
            continue;
        }
        m_sender(request);
        ++sent;
    }
    m_center.markDelivered(identifiers);
    return sent;
}
