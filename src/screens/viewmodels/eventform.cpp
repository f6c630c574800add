#include "eventform.h"

#include "titlelimit.h"

#include <model/calendarhelper.h>
#include <platform/clock.h>

#include <QLoggingCategory>
#include <QTimer>

#include <algorithm>

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

void EventForm::setEventId(const QString &id)
{
    if (id == m_eventId)
        return;
    m_eventId = id;
    Q_EMIT eventIdChanged();
    updateHasEvent();
}

void EventForm::setUniqueTitle(bool unique)
{
    if (unique == m_uniqueTitle)
        return;
    m_uniqueTitle = unique;
    Q_EMIT uniqueTitleChanged();
}

bool EventForm::canSave() const
{
    return EventRules::checkTitle(EventRules::storableTitle(m_eventName)) == EventRules::TitleCheck::Fine;
}

void EventForm::setCountDown(bool countDown)
{
    if (countDown == m_countDown)
        return;
    m_countDown = countDown;
    Q_EMIT countDownChanged();
}

void EventForm::setYearly(bool yearly)
{
    if (yearly == m_yearly)
        return;
    m_yearly = yearly;
    Q_EMIT yearlyChanged();
}

void EventForm::setUnit(const QString &unit)
{
    const auto chosen = CountUnits::fromName(unit);
    if (!chosen || *chosen == m_unit)
        return;
    m_unit = *chosen;
    Q_EMIT unitChanged();
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
    // The form edits its event wherever it moves, until it is deleted.
    const bool has = m_store && !m_eventId.isEmpty() && m_store->indexOfEvent(m_eventId) >= 0;
    if (has == m_hasEvent)
        return;
    m_hasEvent = has;
    Q_EMIT hasEventChanged();
}

bool EventForm::load()
{
    if (!hasEvent())
        return false;
    const EDate event = m_store->magicDates().at(m_store->indexOfEvent(m_eventId));
    m_loadedEventId = event.id;
    setEventName(event.dateTitle);
    if (event.countdown)
        setCountDown(*event.countdown);
    setYearly(event.repeatsYearly());
    setUnit(CountUnits::name(event.unit()));
    setSelectedId(event.colorIndex.value_or(kDefaultThemeId));
    setSelectedDate(CalendarHelper::toDate(event.ddate));
    m_loaded = EventChange{m_eventName, m_selectedDate.toLocalTime().date(), m_countDown, m_selectedId, m_yearly, m_unit};
    return true;
}

void EventForm::fill(const EventDraft &draft)
{
    setEventName(draft.title);
    setCountDown(draft.countdown);
    setYearly(draft.yearly);
    setUnit(CountUnits::name(draft.unit));
    setSelectedId(draft.themeId);
    setSelectedDate(QDateTime(draft.day, QTime(12, 0)));
}

void EventForm::fillFromOffer(const QVariant &draft)
{
    if (draft.canConvert<EventDraft>())
        fill(draft.value<EventDraft>());
}

void EventForm::save()
{
    if (!canSave() || !m_store || m_saved)
        return;
    const QPointer<UserData> store = m_store;
    if (m_mode == Add) {
        store->refresh();
        if (m_uniqueTitle) {
            const QString stored = EventRules::storableTitle(m_eventName);
            const QList<EDate> &events = store->magicDates();
            if (std::any_of(events.cbegin(), events.cend(), [&](const EDate &e) { return e.dateTitle == stored; })) {
                Q_EMIT titleTaken();
                return;
            }
        }
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
    if (m_mode == Add) {
        const EventDraft draft{m_eventName, m_selectedDate.toLocalTime().date(), m_countDown, m_selectedId,
                               m_countDown && m_yearly, m_unit};
        const bool unique = m_uniqueTitle;
        QTimer::singleShot(kStoreDelayMs, store, [store, draft, unique] {
            // Another window or the command line may have filled the list meanwhile: the check
            // and the add are one step in the store.
            const StoreOutcome outcome = store->addEvent(draft, unique);
            if (outcome == StoreOutcome::ListFull)
                store->raiseEventLimitAlert();
            else if (outcome != StoreOutcome::Done)
                qCWarning(lcEventForm).noquote() << "The event was not added:" << describeOutcome(outcome);
        });
        QTimer::singleShot(kReviewDelayMs, store, [store] {
            store->refresh();
            if (store->count() == kReviewEventCount && !store->repository().settings().boolValue(UserData::kReviewKey))
                store->setAlertReview(true);
        });
        return;
    }
    EventChange change;
    if (m_eventName != m_loaded.title)
        change.title = m_eventName;
    if (m_selectedDate.toLocalTime().date() != m_loaded.day)
        change.day = m_selectedDate.toLocalTime().date();
    if (m_countDown != m_loaded.countdown)
        change.countdown = m_countDown;
    if (m_selectedId != m_loaded.themeId)
        change.themeId = m_selectedId;
    // Turning to count up ends the repeating by itself; a count-down event says which it is.
    if (m_countDown && m_yearly != m_loaded.yearly)
        change.yearly = m_yearly;
    if (m_unit != m_loaded.unit)
        change.unit = m_unit;
    const QString eventId = m_loadedEventId;
    if (eventId.isEmpty() || change.isEmpty())
        return;
    QTimer::singleShot(kStoreDelayMs, store, [store, eventId, change] {
        const StoreOutcome outcome = store->changeEvent(eventId, change);
        if (outcome == StoreOutcome::Gone)
            qCWarning(lcEventForm) << "The edited event was deleted meanwhile; nothing is changed";
        else if (outcome != StoreOutcome::Done)
            qCWarning(lcEventForm).noquote() << "The event was not changed:" << describeOutcome(outcome);
    });
}
