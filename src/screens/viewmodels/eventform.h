#pragma once

#include <store/userdata.h>

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqml.h>

// The state and the rules of the add and edit forms: the count direction, the title (held
// to the title limit), the date and the theme, filled from the page's event when editing.
// Saving closes the form first and changes the store a moment later, so the pager rebuilds
// after the sheet has started to close.
class EventForm : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(UserData *store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(Mode mode READ mode WRITE setMode NOTIFY modeChanged)
    // The id of the event the edit form changes (the row of the page it was opened from).
    Q_PROPERTY(QString eventId READ eventId WRITE setEventId NOTIFY eventIdChanged)
    Q_PROPERTY(bool countDown READ countDown WRITE setCountDown NOTIFY countDownChanged)
    // The event comes back every year; only a count-down event does (the switch shows then).
    Q_PROPERTY(bool yearly READ yearly WRITE setYearly NOTIFY yearlyChanged)
    // The unit the count is shown in: "days", "weeks", "months" or "years".
    Q_PROPERTY(QString unit READ unit WRITE setUnit NOTIFY unitChanged)
    Q_PROPERTY(QString eventName READ eventName WRITE setEventName NOTIFY eventNameChanged)
    Q_PROPERTY(QDateTime selectedDate READ selectedDate WRITE setSelectedDate NOTIFY selectedDateChanged)
    Q_PROPERTY(qint64 selectedId READ selectedId WRITE setSelectedId NOTIFY selectedIdChanged)
    Q_PROPERTY(bool canSave READ canSave NOTIFY eventNameChanged)
    Q_PROPERTY(QString counterText READ counterText NOTIFY eventNameChanged)
    Q_PROPERTY(bool hasEvent READ hasEvent NOTIFY hasEventChanged)
    Q_PROPERTY(qint64 defaultThemeId READ defaultThemeId CONSTANT)
    // An add refuses a title the list already has (a shared event the person has had before).
    Q_PROPERTY(bool uniqueTitle READ uniqueTitle WRITE setUniqueTitle NOTIFY uniqueTitleChanged)

public:
    enum Mode { Add, Edit };
    Q_ENUM(Mode)

    static constexpr qint64 kDefaultThemeId = EventRules::kDefaultThemeId;
    static constexpr int kStoreDelayMs = 100;   // from the save tap to the store change
    static constexpr int kReviewDelayMs = 3000; // from the save tap to the rating check
    static constexpr int kReviewEventCount = 3; // the rating request follows the third event

    explicit EventForm(QObject *parent = nullptr);

    UserData *store() const { return m_store; }
    void setStore(UserData *store);
    Mode mode() const { return m_mode; }
    void setMode(Mode mode);
    QString eventId() const { return m_eventId; }
    void setEventId(const QString &id);
    bool countDown() const { return m_countDown; }
    void setCountDown(bool countDown);
    bool yearly() const { return m_yearly; }
    void setYearly(bool yearly);
    QString unit() const { return CountUnits::name(m_unit); }
    // A name that is no unit leaves the unit as it is.
    void setUnit(const QString &unit);
    QString eventName() const { return m_eventName; }
    // Longer titles are cut to the title limit.
    void setEventName(const QString &name);
    QDateTime selectedDate() const { return m_selectedDate; }
    void setSelectedDate(const QDateTime &date);
    qint64 selectedId() const { return m_selectedId; }
    void setSelectedId(qint64 id);

    qint64 defaultThemeId() const { return kDefaultThemeId; }
    bool uniqueTitle() const { return m_uniqueTitle; }
    void setUniqueTitle(bool unique);
    // A title of white space alone is no title.
    bool canSave() const;
    QString counterText() const;
    // Whether the store has the event `eventId` names (the edit form has one to change).
    bool hasEvent() const;

    // Fills the form from the event `eventId` names: its title, direction (kept when the
    // event has none), whether it repeats, its count's unit, theme (1003 when it has none) and date. False when
    // there is no such event.
    Q_INVOKABLE bool load();
    // Fills the add form with an event to add (a shared event's, for the person to confirm).
    void fill(const EventDraft &draft);
    Q_INVOKABLE void fillFromOffer(const QVariant &draft);
    // Closes the form and, a moment later, adds or changes the event. Does nothing while the
    // title is empty or after the form was saved once. A full list (30 events) refuses an add:
    // the form stays open and the store raises its limit alert; so does a title the list has,
    // with `uniqueTitle`. An edit changes only the fields the person changed, so that what
    // another program changed meanwhile in the others stays.
    Q_INVOKABLE void save();

Q_SIGNALS:
    void storeChanged();
    void modeChanged();
    void eventIdChanged();
    void countDownChanged();
    void yearlyChanged();
    void unitChanged();
    void eventNameChanged();
    void selectedDateChanged();
    void selectedIdChanged();
    void hasEventChanged();
    // The form is done: the sheet holding it closes.
    void dismissRequested();
    // A save was refused because the list is full; the store's limit alert is raised.
    void limitReached();
    // A save was refused because an event with this title is already in the list.
    void titleTaken();
    void uniqueTitleChanged();

private:
    void updateHasEvent();

    QPointer<UserData> m_store;
    Mode m_mode = Add;
    QString m_eventId;
    QString m_loadedEventId; // set once the form is filled from its event: only then is there a change to make
    bool m_countDown = true;
    bool m_yearly = false;
    CountUnit m_unit = CountUnit::Days;
    QString m_eventName;
    QDateTime m_selectedDate;
    qint64 m_selectedId = kDefaultThemeId;
    EventChange m_loaded;    // its fields as the form was filled with them
    bool m_hasEvent = false;
    bool m_saved = false;
    bool m_uniqueTitle = false;
};
