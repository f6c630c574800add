#include "userdata.h"

#include "linkrequest.h"
#include "storelog.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

#include <algorithm>

UserData::UserData(QObject *parent)
    : UserData(EventRepository(), parent)
{
}

UserData::UserData(EventRepository repository, QObject *parent)
    : QObject(parent)
    , m_repository(std::move(repository))
    , m_notificationHelper(new NotificationHelper(m_repository.center(), this))
    //% "Something went wrong"
    , m_alertTitle(qtTrId("Something went wrong"))
    //% "Please restart the app"
    , m_alertCopy(qtTrId("Please restart the app"))
{
    const EventList list = m_repository.open();
    m_magicDates = list.events;
    m_shownBytes = list.savedBytes;
}

UserData::~UserData() = default;

void UserData::setCurrentPage(int page)
{
    if (page == m_currentPage)
        return;
    m_currentPage = page;
    Q_EMIT currentPageChanged();
}

QString UserData::currentEventId() const
{
    if (m_currentPage < 0 || m_currentPage >= m_magicDates.size())
        return {};
    return m_magicDates.at(m_currentPage).id;
}

int UserData::indexOfEvent(const QString &id) const
{
    return int(EventRepository::indexOf(m_magicDates, id));
}

void UserData::setAlertMaxEvent(bool on)
{
    if (on == m_alertMaxEvent)
        return;
    m_alertMaxEvent = on;
    Q_EMIT alertChanged();
}

void UserData::setAlertTexts(const QString &title, const QString &copy)
{
    m_alertTitle = title;
    m_alertCopy = copy;
}

void UserData::raiseEventLimitAlert()
{
    m_alertMaxEvent = true;
    //% "Can't add a new event"
    setAlertTexts(qtTrId("Can't add a new event"),
                  //% "You exceed the max number of events. "
                  qtTrId("You exceed the max number of events. "));
    Q_EMIT alertChanged();
}

void UserData::raiseNotWrittenAlert(StoreOutcome outcome, const QString &reason)
{
    if (outcome != StoreOutcome::NotSaved && outcome != StoreOutcome::NotLocked && outcome != StoreOutcome::NotPublished)
        return;
    m_alertMaxEvent = true;
    // The reason is the store's own wording, the same the command line prints.
    //% "The change was not saved"
    setAlertTexts(qtTrId("The change was not saved"), reason.isEmpty() ? describeOutcome(outcome) : reason);
    Q_EMIT alertChanged();
}

void UserData::setAlertReview(bool on)
{
    if (on == m_alertReview)
        return;
    m_alertReview = on;
    Q_EMIT alertChanged();
}

void UserData::watchForChanges()
{
    if (m_watcher)
        return;
    m_settle = std::make_unique<QTimer>();
    m_settle->setSingleShot(true);
    m_settle->setInterval(kSettleMs);
    connect(m_settle.get(), &QTimer::timeout, this, &UserData::refresh);
    // The folder, not the file: every writer replaces the file by renaming a new one over it,
    // which a watch of the file itself would lose track of after the first change.
    m_watcher = std::make_unique<QFileSystemWatcher>();
    const QString folder = QFileInfo(m_repository.settings().path()).absolutePath();
    if (!m_watcher->addPath(folder))
        qCWarning(lcStore).noquote() << "Can't watch" << folder << "for changes by other programs";
    connect(m_watcher.get(), &QFileSystemWatcher::directoryChanged, m_settle.get(), qOverload<>(&QTimer::start));
    // Whatever another process saved between the opening and the watch.
    refresh();
}

void UserData::refresh()
{
    const EventList list = m_repository.read();
    // Someone saved what cannot be read: the list shown stays, and replaces that at the next
    // change (which first keeps it aside).
    if (list.source == EventList::Source::Unreadable)
        return;
    if (list.source == EventList::Source::Saved && list.savedBytes == m_shownBytes)
        return;
    adopt(list);
}

void UserData::adopt(const EventList &list, const QString &showId)
{
    const QString shownId = showId.isEmpty() ? currentEventId() : showId;
    const int shownPage = m_currentPage;
    const bool changed = list.events != m_magicDates;
    m_magicDates = list.events;
    m_shownBytes = list.savedBytes;

    int page = int(EventRepository::indexOf(m_magicDates, shownId));
    if (page < 0) // gone: the one before it, as a delete shows
        page = shownPage - 1;
    page = std::clamp(page, 0, std::max(0, count() - 1));
    // Observers hear of the list first, then of the page within it.
    if (changed)
        Q_EMIT magicDatesChanged();
    setCurrentPage(page);
}

StoreOutcome UserData::addEvent(const EventDraft &draft, bool uniqueTitle)
{
    const EventRepository::Result result = m_repository.add(draft, uniqueTitle);
    adopt(result.list, result.outcome == StoreOutcome::Done ? result.id : QString());
    raiseNotWrittenAlert(result.outcome, result.reason);
    return result.outcome;
}

StoreOutcome UserData::changeEvent(const QString &id, const EventChange &change)
{
    const EventRepository::Result result = m_repository.change(id, change);
    adopt(result.list);
    raiseNotWrittenAlert(result.outcome, result.reason);
    return result.outcome;
}

StoreOutcome UserData::deleteEvent(const QString &id)
{
    const EventRepository::Result result = m_repository.remove(id);
    adopt(result.list);
    raiseNotWrittenAlert(result.outcome, result.reason);
    if (result.removed) {
        // What is put back is the event as it was saved when it went, not as this store saw it.
        m_deleted = Deleted{*result.removed, result.removedAt};
        Q_EMIT undoChanged();
        Q_EMIT eventDeleted(result.removed->dateTitle);
    }
    return result.outcome;
}

bool UserData::undoDelete()
{
    if (!m_deleted)
        return false;
    const Deleted deleted = *m_deleted;
    forgetDeleted();
    const EventRepository::Result result = m_repository.restore(deleted.event, deleted.index);
    adopt(result.list, result.outcome == StoreOutcome::Done ? deleted.event.id : QString());
    if (result.outcome == StoreOutcome::ListFull)
        raiseEventLimitAlert();
    return result.outcome == StoreOutcome::Done;
}

void UserData::forgetDeleted()
{
    if (!m_deleted)
        return;
    m_deleted.reset();
    Q_EMIT undoChanged();
}

StoreOutcome UserData::moveEvent(const QString &id, int to)
{
    const EventRepository::Result result = m_repository.move(id, to);
    adopt(result.list);
    raiseNotWrittenAlert(result.outcome, result.reason);
    return result.outcome;
}

ReminderOutcome UserData::chooseReminder(const QString &id, NotiDays option)
{
    const EventRepository::ReminderResult result = m_repository.chooseReminder(id, option);
    adopt(result.list);
    if (result.outcome == ReminderOutcome::NotWritten)
        raiseNotWrittenAlert(StoreOutcome::NotSaved, result.reason);
    return result.outcome;
}

void UserData::addEvent(const QDateTime &date, const QString &title, bool countdown, qint64 themeId)
{
    addEvent(EventDraft{title, date.toLocalTime().date(), countdown, themeId});
}

void UserData::updateEvent(int index, const QDateTime &date, const QString &title, bool countdown, qint64 themeId)
{
    if (index < 0 || index >= count())
        return;
    changeEvent(m_magicDates.at(index).id, EventChange{title, date.toLocalTime().date(), countdown, themeId});
}

void UserData::deleteEvent(int index)
{
    if (index >= 0 && index < count())
        deleteEvent(m_magicDates.at(index).id);
}

void UserData::moveEvent(int from, int to)
{
    if (from >= 0 && from < count() && to >= 0 && to < count())
        moveEvent(m_magicDates.at(from).id, to);
}

void UserData::openPageFromLink(const QList<QueryItem> &items)
{
    const auto request = pageRequest(items);
    if (!request)
        return;
    // The widget drew its link from the list as published: look at the list as saved now.
    refresh();
    const int page = request->pageIn(m_magicDates);
    setCurrentPage(page);
    qCDebug(lcStore) << "self.currentPage" << page;
}

void UserData::addEventFromLink(const QUrl &url, const QList<QueryItem> &items)
{
    const auto draft = sharedEventDraft(url, items);
    if (!draft) {
        qCDebug(lcStore) << "A shared-event link without a date, a direction or a title: nothing to add";
        return;
    }
    qCDebug(lcStore) << "colorIndex====" << draft->themeId;
    qCDebug(lcStore).noquote() << "Offering the shared event" << draft->title;
    Q_EMIT sharedEventOffered(*draft);
}

EventTransfer::ExportResult UserData::exportCalendar(const QString &path) const
{
    return EventTransfer::exportCalendar(m_repository, path);
}

TransferSummary UserData::importCalendar(const QString &path, bool update)
{
    const TransferSummary summary = EventTransfer::importCalendar(m_repository, path, update);
    refresh();
    return summary;
}

EventTransfer::ExportResult UserData::backUp(const QString &path) const
{
    return EventTransfer::exportBackup(m_repository, path);
}

TransferSummary UserData::restore(const QString &path)
{
    const TransferSummary summary = EventTransfer::importBackup(m_repository, path);
    refresh();
    return summary;
}

void UserData::writeWidgetContents()
{
    m_repository.publish();
}
