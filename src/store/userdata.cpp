#include "userdata.h"

#include "storelog.h"

#include <model/calendarhelper.h>
#include <model/resources.h>
#include <model/widgetcontent.h>
#include <platform/atomicfile.h>
#include <platform/clock.h>
#include <platform/plistcodec.h>
#include <platform/regularfile.h>
#include <platform/sharedcontainer.h>
#include <platform/widgetreload.h>

#include <QFileInfo>
#include <QUuid>

#include <algorithm>

Q_LOGGING_CATEGORY(lcStore, "tallowick.store")

const QString UserData::kEventsKey = QStringLiteral("magicDates");
const QString UserData::kReviewKey = QStringLiteral("appReview");

namespace {

QString newEventId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

// The settings file keeps texts as C strings, so a title would be saved cut short at a NUL
// character (and then no longer match itself when a link brings it again). Nobody types one;
// a link can carry it (%00). It is kept visible as a replacement character.
QString storableTitle(QString title)
{
    title.replace(QChar(u'\0'), QChar(QChar::ReplacementCharacter));
    return title;
}

void applyTheme(EDate &event, const ColorProvider &theme, qint64 themeId)
{
    event.bgColor = theme.bgColor;
    event.colorIndex = themeId;
    event.fontColor = theme.fontColor;
    event.lineColor = theme.lineColor;
    event.circleColor = theme.circleColor;
    event.barType = theme.barType;
    event.barColor = theme.barColor;
}

} // namespace

UserData::UserData(QObject *parent)
    : UserData(SettingsStore(), NotificationCenter(), parent)
{
}

UserData::UserData(SettingsStore settings, NotificationCenter center, QObject *parent)
    : QObject(parent)
    , m_settings(std::move(settings))
    , m_notificationHelper(new NotificationHelper(std::move(center), this))
{
    loadEvents();
}

UserData::~UserData() = default;

void UserData::setCurrentPage(int page)
{
    if (page == m_currentPage)
        return;
    m_currentPage = page;
    Q_EMIT currentPageChanged();
}

void UserData::setAlertMaxEvent(bool on)
{
    if (on == m_alertMaxEvent)
        return;
    m_alertMaxEvent = on;
    Q_EMIT alertChanged();
}

void UserData::raiseEventLimitAlert()
{
    m_alertMaxEvent = true;
    m_alertTitle = QStringLiteral("Can't add a new event");
    m_alertCopy = QStringLiteral("You exceed the max number of events. ");
    Q_EMIT alertChanged();
}

void UserData::setAlertReview(bool on)
{
    if (on == m_alertReview)
        return;
    m_alertReview = on;
    Q_EMIT alertChanged();
}

void UserData::loadEvents()
{
    m_currentPage = 0;
    m_colorIndex = 0;
    m_alertMaxEvent = false;
    m_alertReview = false;
    m_alertTitle = QStringLiteral("Something went wrong");
    m_alertCopy = QStringLiteral("Please restart the app");
    {
        const SettingsStore::Lock lock = m_settings.lock();
        const QVariant stored = m_settings.value(kEventsKey);
        std::optional<QList<EDate>> decoded;
        if (stored.typeId() == QMetaType::QByteArray)
            decoded = decodeEventList(stored.toByteArray());
        if (!decoded && stored.isValid())
            keepUnreadableEvents(stored.typeId() == QMetaType::QByteArray ? stored.toByteArray()
                                                                          : PlistCodec::toBinary(stored));
        m_magicDates = decoded ? *decoded : defaultEvents();
        if (decoded)
            m_lastSeenBytes = stored.toByteArray();
        saveLocked();
        writeWidgetContentsLocked();
    }
    Q_EMIT currentPageChanged();
    Q_EMIT alertChanged();
    Q_EMIT magicDatesChanged();
}

void UserData::refresh()
{
    const SettingsStore::Lock lock = m_settings.lock();
    const QList<EDate> before = m_magicDates;
    refreshLocked();
    if (m_magicDates != before)
        Q_EMIT magicDatesChanged();
}

void UserData::refreshLocked()
{
    const QVariant stored = m_settings.value(kEventsKey);
    if (stored.typeId() != QMetaType::QByteArray || stored.toByteArray() == m_lastSeenBytes)
        return;
    const QByteArray bytes = stored.toByteArray();
    if (auto decoded = decodeEventList(bytes)) {
        m_magicDates = std::move(*decoded);
        m_lastSeenBytes = bytes;
        if (m_currentPage >= m_magicDates.size())
            setCurrentPage(std::max(0, int(m_magicDates.size()) - 1));
    } else {
        // Someone saved a list we cannot read; ours is the last good one and replaces it at
        // the next save, whatever that save changes.
        keepUnreadableEvents(bytes);
        m_lastSeenBytes.clear();
    }
}

void UserData::saveLocked()
{
    const QByteArray bytes = encodeEventList(m_magicDates);
    if (bytes.isEmpty()) {
        // The last saved list stays: better an older list than none at the next start.
        qCWarning(lcStore) << "Error: Can't encode events; the saved list is left as it was";
        return;
    }
    // What is on disk already says this (a start, a change that changed nothing): no write.
    if (bytes == m_lastSeenBytes)
        return;
    QVariantMap values = m_settings.load();
    values.insert(kEventsKey, bytes);
    if (m_settings.save(values))
        m_lastSeenBytes = bytes;
}

void UserData::keepUnreadableEvents(const QByteArray &bytes)
{
    const QString path = m_settings.path() + QStringLiteral(".magicDates-unreadable-")
        + Clock::now().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    if (AtomicFile::write(path, bytes))
        qCWarning(lcStore).noquote() << "Saved events could not be read; their bytes are kept in" << path;
    else
        qCWarning(lcStore).noquote() << "Saved events could not be read, nor kept aside in" << path;
}

bool UserData::mutate(const std::function<bool(QList<EDate> &)> &change, bool publish)
{
    bool changed = false;
    {
        const SettingsStore::Lock lock = m_settings.lock();
        refreshLocked();
        changed = change(m_magicDates);
        if (changed) {
            saveLocked();
            if (publish)
                writeWidgetContentsLocked();
        }
    }
    Q_EMIT magicDatesChanged();
    return changed;
}

const ColorProvider &UserData::themeFor(qint64 themeId)
{
    const QList<ColorProvider> &themes = colorSets();
    m_colorIndex = std::clamp(m_colorIndex, 0, int(themes.size()) - 1);
    // The last theme with that id wins; an unknown id keeps the theme used last.
    for (int i = 0; i < themes.size(); ++i) {
        if (themes.at(i).id == themeId)
            m_colorIndex = i;
    }
    return themes.at(m_colorIndex);
}

EDate UserData::newEvent(const QDateTime &date, const QString &title, bool countdown, qint64 themeId)
{
    const QString dateText = CalendarHelper::formatStoredDate(date);
    const ColorProvider &theme = themeFor(themeId);
    qCInfo(lcStore).noquote() << "datetime ====" << dateText;
    EDate event{dateText, themeId, {}, {}, {}, {}, storableTitle(title), {}, {}, false, std::nullopt, countdown, newEventId()};
    applyTheme(event, theme, themeId);
    return event;
}

void UserData::addEvent(const QDateTime &date, const QString &title, bool countdown, qint64 themeId)
{
    setCurrentPage(0);
    const EDate event = newEvent(date, title, countdown, themeId);
    mutate(
        [&](QList<EDate> &events) {
            events.prepend(event);
            return true;
        },
        true);
}

UserData::AddOutcome UserData::addEventWithinLimit(const QDateTime &date, const QString &title, bool countdown,
                                                   qint64 themeId, bool uniqueTitle)
{
    const QString stored = storableTitle(title);
    const int pageBefore = m_currentPage;
    AddOutcome outcome = AddOutcome::Added;
    mutate(
        [&](QList<EDate> &events) {
            if (uniqueTitle && std::any_of(events.cbegin(), events.cend(),
                                           [&](const EDate &e) { return e.dateTitle == stored; })) {
                outcome = AddOutcome::TitleTaken;
                return false;
            }
            if (events.size() >= kMaxEvents) {
                outcome = AddOutcome::ListFull;
                return false;
            }
            // The new event is shown at once; observers hear of the page after the list.
            m_currentPage = 0;
            events.prepend(newEvent(date, stored, countdown, themeId));
            return true;
        },
        true);
    if (m_currentPage != pageBefore)
        Q_EMIT currentPageChanged();
    return outcome;
}

void UserData::updateEvent(int index, const QDateTime &date, const QString &title, bool countdown, qint64 themeId)
{
    updateEventWithDateText(index, CalendarHelper::formatStoredDate(date), title, countdown, themeId);
}

void UserData::updateEventWithDateText(int index, const QString &dateText, const QString &title, bool countdown, qint64 themeId)
{
    if (index < 0 || index >= m_magicDates.size())
        return;
    const QString id = m_magicDates.at(index).id;
    const ColorProvider &theme = themeFor(themeId);
    // Another process may have moved the event since the caller looked: it is found by its id.
    const bool found = changeEvent(
        id,
        [&](EDate &event) {
            event.dateTitle = storableTitle(title);
            if (event.ddate != dateText) {
                // Reminders were made for the old date; none of them may fire now. Cleared under
                // the lock, so a reminder chosen meanwhile for the new date is not taken too.
                m_notificationHelper->removeNotification(event);
                event.repeatNotification.reset();
            }
            event.ddate = dateText;
            event.countdown = countdown;
            applyTheme(event, theme, themeId);
            return true;
        },
        true);
    if (!found)
        qCWarning(lcStore) << "The event to update no longer exists";
}

bool UserData::changeEvent(const QString &id, const std::function<bool(EDate &)> &change, bool publish)
{
    // A copy: callers pass the id of an event of this very list, which the refresh inside
    // mutate() replaces (and frees) when another process saved since.
    const QString wanted = id;
    bool found = false;
    mutate(
        [&](QList<EDate> &events) {
            const auto event = std::find_if(events.begin(), events.end(), [&](const EDate &e) { return e.id == wanted; });
            found = event != events.end();
            return found && change(*event);
        },
        publish);
    return found;
}

UserData::DeleteResult UserData::deleteEventWithId(const QString &id,
                                                   const std::function<void(const EDate &)> &beforeDelete)
{
    // A copy, as in changeEvent(): the id may belong to an event of the list being replaced.
    const QString wanted = id;
    DeleteResult result = DeleteResult::Gone;
    mutate(
        [&](QList<EDate> &events) {
            const auto event = std::find_if(events.cbegin(), events.cend(), [&](const EDate &e) { return e.id == wanted; });
            if (events.size() < 2) {
                result = DeleteResult::LastEvent;
                return false;
            }
            if (event == events.cend())
                return false;
            if (beforeDelete)
                beforeDelete(*event);
            events.erase(event);
            result = DeleteResult::Deleted;
            return true;
        },
        true);
    return result;
}

void UserData::deleteEvent(int index)
{
    if (index < 0 || index >= m_magicDates.size())
        return;
    const QString id = m_magicDates.at(index).id;
    mutate(
        [&](QList<EDate> &events) {
            return events.removeIf([&](const EDate &e) { return e.id == id; }) > 0;
        },
        true);
}

void UserData::moveEvent(int from, int to)
{
    if (from < 0 || from >= m_magicDates.size() || to < 0 || to >= m_magicDates.size() || from == to)
        return;
    const QString id = m_magicDates.at(from).id;
    // The widget numbers its links by position, so a reorder republishes its contents.
    mutate(
        [&](QList<EDate> &events) {
            const qsizetype at = std::find_if(events.cbegin(), events.cend(), [&](const EDate &e) { return e.id == id; })
                - events.cbegin();
            if (at == events.size())
                return false;
            events.move(at, std::clamp<qsizetype>(to, 0, events.size() - 1));
            return true;
        },
        true);
}

void UserData::setRepeatNotification(int index, std::optional<qint64> code)
{
    if (index < 0 || index >= m_magicDates.size())
        return;
    // Nothing the widget shows changes, so its contents are not republished.
    changeEvent(
        m_magicDates.at(index).id,
        [&](EDate &event) {
            event.repeatNotification = code;
            return true;
        },
        false);
}

void UserData::openPageFromLink(const QList<QueryItem> &items)
{
    const auto item = std::find_if(items.cbegin(), items.cend(),
                                   [](const QueryItem &i) { return i.name == QLatin1String("pageNumber"); });
    if (item == items.cend() || !item->value)
        return;
    const qint64 requested = parseLinkInteger(*item->value).value_or(0);
    // A link may be stale (an event was deleted since the widget drew it): stay on the list.
    const int page = int(std::clamp<qint64>(requested, 0, std::max(0, count() - 1)));
    m_currentPage = page;
    Q_EMIT currentPageChanged();
    qCInfo(lcStore) << "self.currentPage" << page;
}

void UserData::addEventFromLink(const QUrl &url, const QList<QueryItem> &items)
{
    const QHash<QString, QString> params = queryParameters(url);
    if (!url.hasQuery())
        return;
    const auto dateItem = std::find_if(items.cbegin(), items.cend(),
                                       [](const QueryItem &i) { return i.name == QLatin1String("ddate"); });
    if (dateItem == items.cend() || !dateItem->value)
        return;
    const QDateTime date = CalendarHelper::toDate(*dateItem->value);
    if (params.isEmpty() || !params.contains(QStringLiteral("countdown")))
        return;
    const bool countdown = params.value(QStringLiteral("countdown")) == QLatin1String("true");
    if (!params.contains(QStringLiteral("dateTitle")))
        return;
    const QString title = params.value(QStringLiteral("dateTitle"));
    const qint64 themeId = parseLinkInteger(params.value(QStringLiteral("colorIndex"))).value_or(1);
    qCInfo(lcStore) << "colorIndex====" << themeId;

    // The same title is looked for before the limit: a known event raises no alert.
    switch (addEventWithinLimit(date, title, countdown, themeId, true)) {
    case AddOutcome::Added:
        break;
    case AddOutcome::TitleTaken:
        qCInfo(lcStore) << "you already have this event";
        break;
    case AddOutcome::ListFull:
        raiseEventLimitAlert();
        break;
    }
}

void UserData::writeWidgetContents()
{
    const SettingsStore::Lock lock = m_settings.lock();
    refreshLocked();
    writeWidgetContentsLocked();
}

void UserData::writeWidgetContentsLocked()
{
    const QDateTime now = Clock::now();
    QList<WidgetContent> records;
    records.reserve(m_magicDates.size());
    for (qsizetype page = 0; page < m_magicDates.size(); ++page)
        records.append(WidgetContent::fromEvent(m_magicDates.at(page), now, page));
    const QByteArray bytes = encodeWidgetContents(records);
    if (SharedContainer::ensure().isEmpty()) {
        qCWarning(lcStore) << "Error: Can't write contents";
        return;
    }
    // Every start and every return to the screen publishes. The records carry the time of
    // publication, so the file says the same again only when the clock stands still (a fixed
    // clock: screenshots, tests) or nothing happened within the millisecond; then rewriting it
    // would only cost two waits for the disk.
    const RegularFile::Result current = RegularFile::read(widgetContentsPath());
    if (current.read() && current.bytes == bytes) {
        WidgetReload::reloadAllTimelines();
        return;
    }
    if (!AtomicFile::write(widgetContentsPath(), bytes)) {
        qCWarning(lcStore) << "Error: Can't write contents";
        return;
    }
    WidgetReload::reloadAllTimelines();
}
