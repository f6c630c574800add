#include "userdata.h"

#include "storelog.h"

#include <model/calendarhelper.h>
#include <model/resources.h>
#include <model/widgetcontent.h>
#include <platform/atomicfile.h>
#include <platform/clock.h>
#include <platform/plistcodec.h>
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

void UserData::addEvent(const QDateTime &date, const QString &title, bool countdown, qint64 themeId)
{
    setCurrentPage(0);
    const QString dateText = CalendarHelper::formatStoredDate(date);
    const ColorProvider &theme = themeFor(themeId);
    qCInfo(lcStore).noquote() << "datetime ====" << dateText;
    EDate event{dateText, themeId, {}, {}, {}, {}, title, {}, {}, false, std::nullopt, countdown, newEventId()};
    applyTheme(event, theme, themeId);
    mutate(
        [&](QList<EDate> &events) {
            events.prepend(event);
            return true;
        },
        true);
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
    std::optional<EDate> movedDate;
    mutate(
        [&](QList<EDate> &events) {
            // Another process may have moved or removed the event since the caller looked.
            const auto found = std::find_if(events.begin(), events.end(), [&](const EDate &e) { return e.id == id; });
            if (found == events.end()) {
                qCWarning(lcStore) << "The event to update no longer exists";
                return false;
            }
            EDate &event = *found;
            event.dateTitle = title;
            if (event.ddate != dateText) {
                movedDate = event;
                event.repeatNotification.reset();
            }
            event.ddate = dateText;
            event.countdown = countdown;
            applyTheme(event, theme, themeId);
            return true;
        },
        true);
    // Reminders were made for the old date; none of them may fire now.
    if (movedDate)
        m_notificationHelper->removeNotification(*movedDate);
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
    const QString id = m_magicDates.at(index).id;
    // Nothing the widget shows changes, so its contents are not republished.
    mutate(
        [&](QList<EDate> &events) {
            for (EDate &event : events) {
                if (event.id == id) {
                    event.repeatNotification = code;
                    return true;
                }
            }
            return false;
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

    refresh();
    const bool known = std::any_of(m_magicDates.cbegin(), m_magicDates.cend(),
                                   [&](const EDate &e) { return e.dateTitle == title; });
    if (known) {
        qCInfo(lcStore) << "you already have this event";
        return;
    }
    if (m_magicDates.size() > kMaxEvents - 1) {
        raiseEventLimitAlert();
        return;
    }
    addEvent(date, title, countdown, themeId);
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
    if (SharedContainer::ensure().isEmpty() || !AtomicFile::write(widgetContentsPath(), bytes)) {
        qCWarning(lcStore) << "Error: Can't write contents";
        return;
    }
    WidgetReload::reloadAllTimelines();
}
