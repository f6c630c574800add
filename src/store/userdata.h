#pragma once

#include "eventrepository.h"
#include "eventtransfer.h"
#include "linkquery.h"

#include <model/edate.h>
#include <reminders/notificationhelper.h>

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QUrl>

#include <memory>

class QFileSystemWatcher;
class QTimer;

// The event store of the app's scene: the list of events as the screens observe it, the page
// on screen, the store's alerts and the reminder scheduler. Every change goes through the
// shared EventRepository (one locked step with the list's rules); the store keeps the list as
// that step left it and tells the screens.
//
// Other processes change the list too (the command line, the home screen, a link handed over
// by a second start). Once watching, the store follows their changes within a moment: it
// stays on the event it showed, wherever that moved, or shows its neighbour when it is gone.
class UserData : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int currentPage READ currentPage WRITE setCurrentPage NOTIFY currentPageChanged)
    Q_PROPERTY(int count READ count NOTIFY magicDatesChanged)
    Q_PROPERTY(bool alertMaxEvent READ alertMaxEvent WRITE setAlertMaxEvent NOTIFY alertChanged)
    Q_PROPERTY(bool alertReview READ alertReview WRITE setAlertReview NOTIFY alertChanged)
    // The alert's texts, translated where they are made (screens show them as they are).
    Q_PROPERTY(QString alertTitle READ alertTitle NOTIFY alertChanged)
    Q_PROPERTY(QString alertCopy READ alertCopy NOTIFY alertChanged)
    // An event this store deleted can be put back where it was.
    Q_PROPERTY(bool canUndoDelete READ canUndoDelete NOTIFY undoChanged)

public:
    static constexpr int kMaxEvents = EventRules::kMaxEvents;
    static inline const QString &kEventsKey = EventRepository::kEventsKey;
    static inline const QString &kReviewKey = EventRepository::kReviewKey;
    // How long a burst of changes by other processes may last before the store looks.
    static constexpr int kSettleMs = 60;

    // Opens the saved events (or the packaged defaults on a first start, saved at once) and
    // publishes the widget contents.
    explicit UserData(QObject *parent = nullptr);
    explicit UserData(EventRepository repository, QObject *parent = nullptr);
    ~UserData() override;

    EventRepository &repository() { return m_repository; }
    const QList<EDate> &magicDates() const { return m_magicDates; }
    int count() const { return int(m_magicDates.size()); }
    int currentPage() const { return m_currentPage; }
    void setCurrentPage(int page);
    // The id of the event on screen; empty while the list is empty.
    QString currentEventId() const;
    // Where the event with this id is in the list; -1 when it is not.
    Q_INVOKABLE int indexOfEvent(const QString &id) const;
    NotificationHelper *notificationHelper() const { return m_notificationHelper; }

    bool alertMaxEvent() const { return m_alertMaxEvent; }
    void setAlertMaxEvent(bool on);
    bool alertReview() const { return m_alertReview; }
    void setAlertReview(bool on);
    QString alertTitle() const { return m_alertTitle; }
    QString alertCopy() const { return m_alertCopy; }
    // Raises the store's alert for a full list (the event limit), with its title and copy.
    Q_INVOKABLE void raiseEventLimitAlert();
    // Raises the same alert saying that a change could not be written (no lock, a full disk),
    // when `outcome` says so; nothing otherwise.
    void raiseNotWrittenAlert(StoreOutcome outcome, const QString &reason = QString());

    // Starts following the changes other processes make (a watch of the settings folder,
    // which atomic replacements and bursts of writes do not escape), and takes in any made
    // since the store opened.
    void watchForChanges();
    // Takes in what is saved now, if it differs from what the store shows.
    void refresh();

    // The operations of the screens, by event id; each reports how it went. A refused one
    // changes nothing. An add shows the new event (page 0).
    StoreOutcome addEvent(const EventDraft &draft, bool uniqueTitle = false);
    StoreOutcome changeEvent(const QString &id, const EventChange &change);
    // Deletes the event with its reminders; when it was on screen, the page before is shown.
    StoreOutcome deleteEvent(const QString &id);
    StoreOutcome moveEvent(const QString &id, int to);
    ReminderOutcome chooseReminder(const QString &id, NotiDays option);

    bool canUndoDelete() const { return m_deleted.has_value(); }
    // Puts the event deleted last back where it was, with its reminders, and shows it.
    Q_INVOKABLE bool undoDelete();
    // The undo is no longer offered.
    Q_INVOKABLE void forgetDeleted();

    // The same by position, for screens that know an event by its page: a new event at the
    // front; the event at `index` rewritten (all four fields), deleted, or moved to `to`.
    Q_INVOKABLE void addEvent(const QDateTime &date, const QString &title, bool countdown, qint64 themeId);
    Q_INVOKABLE void updateEvent(int index, const QDateTime &date, const QString &title, bool countdown,
                                 qint64 themeId);
    Q_INVOKABLE void deleteEvent(int index);
    Q_INVOKABLE void moveEvent(int from, int to);

    // A widget's link: selects the page of the event it names (by id, else by page number,
    // kept within the list).
    void openPageFromLink(const QList<QueryItem> &items);
    // A shared event's link: offers the event it describes (sharedEventOffered) for the
    // person to confirm; a link that lacks a part, or whose date is no date, offers nothing.
    void addEventFromLink(const QUrl &url, const QList<QueryItem> &items);

    // The calendar actions of the screens, on the file a save or open dialog chose: the list
    // written as iCalendar, and another calendar's events added (the store then shows the
    // list as the import left it, on the event it showed). See EventTransfer.
    EventTransfer::ExportResult exportCalendar(const QString &path) const;
    TransferSummary importCalendar(const QString &path, bool update = false);
    // The summary screen's backup and restore: every event with everything it holds, written
    // to `path`; a backup's missing events brought back (EventMerge::restoreBackup), with
    // their reminders scheduled when reminders are allowed.
    EventTransfer::ExportResult backUp(const QString &path) const;
    TransferSummary restore(const QString &path);

    // Republishes "contents.json" when it no longer shows the list, and asks the widget to
    // reload.
    Q_INVOKABLE void writeWidgetContents();

Q_SIGNALS:
    void currentPageChanged();
    void magicDatesChanged();
    void alertChanged();
    // A shared-event link brought this event; it is added only once the person confirms.
    void sharedEventOffered(const EventDraft &draft);
    // This store deleted the event (and can undo it).
    void eventDeleted(const QString &title);
    void undoChanged();

private:
    // Makes the list the one `list` holds and shows the event `showId`; without one, keeps the
    // event on screen (by id) or, when it is gone, its neighbour. Then tells the screens.
    void adopt(const EventList &list, const QString &showId = QString());
    void setAlertTexts(const QString &title, const QString &copy);

    EventRepository m_repository;
    NotificationHelper *m_notificationHelper = nullptr;
    QList<EDate> m_magicDates;
    QByteArray m_shownBytes; // the saved list as the store last took it in
    int m_currentPage = 0;
    bool m_alertMaxEvent = false;
    bool m_alertReview = false;
    QString m_alertTitle;
    QString m_alertCopy;
    struct Deleted
    {
        EDate event;
        int index = 0;
    };
    std::optional<Deleted> m_deleted;
    std::unique_ptr<QFileSystemWatcher> m_watcher;
    std::unique_ptr<QTimer> m_settle;
};

Q_DECLARE_METATYPE(EventDraft)
