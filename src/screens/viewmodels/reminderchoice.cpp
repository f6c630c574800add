#include "reminderchoice.h"

#include <reminders/notificationhelper.h>

#include <QLocale>

ReminderChoice::ReminderChoice(QObject *parent)
    : ReminderChoice(NotificationCenter(), parent)
{
}

ReminderChoice::ReminderChoice(NotificationCenter center, QObject *parent)
    : QObject(parent)
    , m_center(std::move(center))
    , m_helper(std::make_unique<NotificationHelper>(m_center))
    , m_reminderTime(m_center.reminderTime())
{
    // A count-up event waits for nothing.
    connect(this, &ReminderChoice::eventChanged, this, &ReminderChoice::waitingForPermissionChanged);
}

ReminderChoice::~ReminderChoice() = default;

void ReminderChoice::setStore(UserData *store)
{
    if (store == m_store)
        return;
    if (m_store)
        disconnect(m_store, nullptr, this, nullptr);
    m_store = store;
    if (m_store)
        connect(m_store, &UserData::magicDatesChanged, this, &ReminderChoice::eventChanged);
    Q_EMIT storeChanged();
    Q_EMIT eventChanged();
}

void ReminderChoice::setEventId(const QString &id)
{
    if (id == m_eventId)
        return;
    m_eventId = id;
    Q_EMIT eventChanged();
}

std::optional<EDate> ReminderChoice::shownEvent() const
{
    const int index = m_store && !m_eventId.isEmpty() ? m_store->indexOfEvent(m_eventId) : -1;
    if (index < 0)
        return std::nullopt;
    return m_store->magicDates().at(index);
}

bool ReminderChoice::countUp() const
{
    const std::optional<EDate> shown = shownEvent();
    return shown && !shown->countsDown();
}

void ReminderChoice::setShowAlertPermissions(bool on)
{
    if (on == m_showAlertPermissions)
        return;
    m_showAlertPermissions = on;
    Q_EMIT showAlertPermissionsChanged();
}

void ReminderChoice::setShowAuthorizationPrompt(bool on)
{
    if (on == m_showAuthorizationPrompt)
        return;
    m_showAuthorizationPrompt = on;
    Q_EMIT showAuthorizationPromptChanged();
}

int ReminderChoice::authorizationStatus() const
{
    return m_helper->statusCode();
}

bool ReminderChoice::waitingForPermission() const
{
    return m_selected != NotiDays::off && !countUp() && m_helper->status() != AuthorizationStatus::Authorized;
}

void ReminderChoice::askForPermission()
{
    if (m_helper->status() == AuthorizationStatus::Denied)
        setShowAlertPermissions(true);
    else if (m_helper->status() != AuthorizationStatus::Authorized)
        setShowAuthorizationPrompt(true);
}

void ReminderChoice::setSelection(NotiDays option)
{
    if (option == m_selected)
        return;
    m_selected = option;
    Q_EMIT selectedOptionChanged();
    Q_EMIT waitingForPermissionChanged();
}

void ReminderChoice::renewHelper()
{
    const int before = m_helper->statusCode();
    m_helper = std::make_unique<NotificationHelper>(m_center);
    if (m_helper->statusCode() != before) {
        Q_EMIT authorizationStatusChanged();
        Q_EMIT waitingForPermissionChanged();
    }
}

void ReminderChoice::appear()
{
    // Another program may have chosen another time since.
    reloadReminderTime();
    const std::optional<EDate> shown = shownEvent();
    if (!shown || !shown->repeatNotification)
        return;
    setSelection(notiDaysFromCode(*shown->repeatNotification));
    NotificationHelper::logPendingNotifications(m_center.pendingRequests());
}

void ReminderChoice::choose(int option)
{
    if (!m_store || option < 1 || option > 4)
        return;
    const NotiDays choice = static_cast<NotiDays>(option - 1);
    const ReminderOutcome outcome = m_store->chooseReminder(eventId(), choice);
    if (outcome == ReminderOutcome::IgnoredForCountUp || outcome == ReminderOutcome::EventGone)
        return;
    setSelection(choice);
    if (outcome == ReminderOutcome::PermissionDenied)
        setShowAlertPermissions(true);
    else if (outcome == ReminderOutcome::PermissionNotDetermined)
        setShowAuthorizationPrompt(true);
}

void ReminderChoice::setAllowed(bool allowed)
{
    // Allowing schedules the stored choice of every event, this one's among them: the option
    // already shows as on, so its reminders must exist now, not after a later tap.
    EventRepository(m_store ? m_store->repository().settings() : SettingsStore(), m_center)
        .setNotificationsAllowed(allowed);
    renewHelper();
}

void ReminderChoice::allowNotifications()
{
    setShowAuthorizationPrompt(false);
    setAllowed(true);
}

void ReminderChoice::denyNotifications()
{
    setShowAuthorizationPrompt(false);
    setAllowed(false);
    if (m_selected != NotiDays::off)
        setShowAlertPermissions(true);
}

QString ReminderChoice::reminderTimeText() const
{
    return QLocale().toString(m_reminderTime, QLocale::ShortFormat);
}

bool ReminderChoice::chooseReminderTime(int hour, int minute)
{
    const QTime time(hour, minute);
    if (!time.isValid())
        return false;
    const bool written = EventRepository(m_store ? m_store->repository().settings() : SettingsStore(), m_center)
                             .setReminderTime(time);
    reloadReminderTime();
    return written;
}

void ReminderChoice::reloadReminderTime()
{
    const QTime stored = m_center.reminderTime();
    if (stored == m_reminderTime)
        return;
    m_reminderTime = stored;
    Q_EMIT reminderTimeChanged();
}

void ReminderChoice::refreshAuthorization()
{
    // The settings page scheduled what was waiting when it allowed reminders.
    renewHelper();
}
