#include "eventform.h"

#include "titlelimit.h"

#include <model/calendarhelper.h>
#include <platform/clock.h>

#include <QLoggingCategory>
#include <QTimer>

Q_LOGGING_CATEGORY(lcEventForm, "tallowick.forms", QtWarningMsg)

EventForm::EventForm(QObject *parent)
    : QObject(parent)
    , m_selectedDate(Clock::now())
{
}

void EventForm::setStore(UserData *store)
{
    if (store == m_store)
        return;
    if (m_store)
        disconnect(m_store, nullptr, this, nullptr);
    m_store = store;
    if (m_store)
        connect(m_store, &UserData::magicDatesChanged, this, &EventForm::updateHasEvent);
    Q_EMIT storeChanged();
    updateHasEvent();
}

void EventForm::setMode(Mode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    Q_EMIT modeChanged();
}

void EventForm::setCurrentPage(int page)
{
    if (page == m_currentPage)
        return;
    m_currentPage = page;
    Q_EMIT currentPageChanged();
    updateHasEvent();
}

void EventForm::setCountDown(bool countDown)
{
    if (countDown == m_countDown)
        return;
    m_countDown = countDown;
    Q_EMIT countDownChanged();
}

void EventForm::setEventName(const QString &name)
{
    const QString clamped = TitleLimit::clamp(name);
    if (clamped == m_eventName) {
        // A cut text still tells the binding that wrote the long one to take the short one.
        if (clamped != name)
            Q_EMIT eventNameChanged();
        return;
    }
    m_eventName = clamped;
    Q_EMIT eventNameChanged();
}

void EventForm::setSelectedDate(const QDateTime &date)
{
    if (date == m_selectedDate || !date.isValid())
        return;
    m_selectedDate = date;
    Q_EMIT selectedDateChanged();
}

void EventForm::setSelectedId(qint64 id)
{
    if (id == m_selectedId)
        return;
    m_selectedId = id;
    Q_EMIT selectedIdChanged();
}

QString EventForm::counterText() const
{
    return TitleLimit::counter(m_eventName);
}

bool EventForm::hasEvent() const
{
    return m_hasEvent;
}

void EventForm::updateHasEvent()
{
    const bool has = m_store && m_currentPage >= 0 && m_currentPage < m_store->count();
    if (has == m_hasEvent)
        return;
    m_hasEvent = has;
    Q_EMIT hasEventChanged();
}

bool EventForm::load()
{
    if (!hasEvent())
        return false;
    const EDate event = m_store->magicDates().at(m_currentPage);
    m_loadedEventId = event.id;
    setEventName(event.dateTitle);
    if (event.countdown)
        setCountDown(*event.countdown);
    setSelectedId(event.colorIndex.value_or(kDefaultThemeId));
    setSelectedDate(CalendarHelper::toDate(event.ddate));
    return true;
}

void EventForm::save()
{
    if (!canSave() || !m_store || m_saved)
        return;
    const QPointer<UserData> store = m_store;
    if (m_mode == Add) {
        store->refresh();
        if (store->count() >= UserData::kMaxEvents) {
            // Closing the form would lose what the user typed without telling why.
            store->raiseEventLimitAlert();
            Q_EMIT limitReached();
            return;
        }
    }
    m_saved = true;
    Q_EMIT dismissRequested();

    // The form may be gone by the time these run: they hold copies of what was chosen and
    // live as long as the store.
    const QDateTime date = m_selectedDate;
    const QString title = m_eventName;
    const bool countDown = m_countDown;
    const qint64 themeId = m_selectedId;
    if (m_mode == Add) {
        QTimer::singleShot(kStoreDelayMs, store, [store, date, title, countDown, themeId] {
            // Another window or the command line may have filled the list meanwhile: the check
            // and the add are one step in the store.
            if (store->addEventWithinLimit(date, title, countDown, themeId, false) == UserData::AddOutcome::ListFull)
                store->raiseEventLimitAlert();
        });
        QTimer::singleShot(kReviewDelayMs, store, [store] {
            store->refresh();
            if (store->count() == kReviewEventCount && !store->settings().boolValue(UserData::kReviewKey))
                store->setAlertReview(true);
        });
        return;
    }
    const QString eventId = m_loadedEventId;
    const int page = m_currentPage;
    QTimer::singleShot(kStoreDelayMs, store, [store, eventId, page, date, title, countDown, themeId] {
        store->refresh();
        int index = page;
        if (!eventId.isEmpty()) {
            // The list may have been reordered since the form was filled: change that event.
            const QList<EDate> &events = store->magicDates();
            index = -1;
            for (int i = 0; i < events.size(); ++i) {
                if (events.at(i).id == eventId)
                    index = i;
            }
            if (index < 0) {
                qCWarning(lcEventForm) << "The edited event was deleted meanwhile; nothing is changed";
                return;
            }
        }
        store->updateEvent(index, date, title, countDown, themeId);
    });
}
