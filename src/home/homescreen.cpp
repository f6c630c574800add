#include "homescreen.h"

#include "entrychoice.h"
#include "homelog.h"
#include "linkopener.h"
#include "widgetpainter.h"

#include <model/calendarhelper.h>
#include <platform/clock.h>

#include <QCoreApplication>

namespace {

constexpr qint64 kMinuteMs = 60 * 1000;

} // namespace

HomeScreen::HomeScreen(WidgetExtension &extension, InstanceStore &store, QObject *parent)
    : QObject(parent)
    , m_extension(extension)
    , m_store(store)
    , m_linkHandler([](const QUrl &link) { LinkOpener(QCoreApplication::applicationDirPath()).open(link); })
{
    m_minute.setSingleShot(true);
    // A coarse timer may fire seconds early, and a reminder due on the minute would wait for
    // the next one.
    m_minute.setTimerType(Qt::PreciseTimer);
    connect(&m_minute, &QTimer::timeout, this, &HomeScreen::minuteTick);
    connect(&m_midnight, &MidnightTimer::midnight, this, [this] {
        Q_EMIT dayBegan();
        requestAllTimelines();
        Q_EMIT redrawNeeded();
    });
}

void HomeScreen::start()
{
    m_timeWatch.reset();
    reloadAll();
    m_midnight.start();
    scheduleMinute();
}

void HomeScreen::reloadAll()
{
    const QString kind = m_extension.kind();
    QList<Shown> shown;
    for (const WidgetInstance &instance : m_store.instances()) {
        // Instances of another extension stay in the file for the day it comes back.
        if (instance.kind.isEmpty() || instance.kind == kind)
            shown.append(Shown{instance, {}});
    }
    m_shown = std::move(shown);
    Q_EMIT instancesChanged();
    requestAllTimelines();
    Q_EMIT redrawNeeded();
}

QList<WidgetInstance> HomeScreen::instances() const
{
    QList<WidgetInstance> result;
    result.reserve(m_shown.size());
    for (const Shown &shown : m_shown)
        result.append(shown.instance);
    return result;
}

std::optional<WidgetInstance> HomeScreen::instance(const QString &id) const
{
    const Shown *shown = find(id);
    return shown ? std::optional(shown->instance) : std::nullopt;
}

WidgetTimeline HomeScreen::timeline(const QString &id) const
{
    const Shown *shown = find(id);
    return shown ? shown->timeline : WidgetTimeline();
}

WidgetEntry HomeScreen::shownEntry(const QString &id) const
{
    const Shown *shown = find(id);
    if (!shown)
        return {};
    return EntryChoice::shown(m_extension, shown->timeline, shown->instance.family, Clock::now());
}

QImage HomeScreen::render(const QString &id, qreal scale) const
{
    const Shown *shown = find(id);
    if (!shown)
        return {};
    return WidgetPainter::render(m_extension, shownEntry(id), shown->instance.family, scale);
}

QString HomeScreen::add(WidgetFamily family, const std::optional<WidgetConfigurationOption> &option)
{
    WidgetInstance instance;
    instance.kind = m_extension.kind();
    instance.family = family;
    instance.configuration = option;
    instance.position = InstanceStore::cascadePosition(m_store.instances().size());
    const auto added = m_store.add(instance);
    if (!added) {
        qCWarning(lcHome).noquote() << "Can't add a widget to" << m_store.path();
        return QString();
    }
    reloadAll();
    return added->id;
}

void HomeScreen::choose(const QString &id, const std::optional<WidgetConfigurationOption> &option)
{
    Shown *shown = find(id);
    if (!shown)
        return;
    shown->instance.configuration = option;
    save(*shown);
    requestTimeline(*shown);
    Q_EMIT instanceChanged(id);
}

void HomeScreen::resize(const QString &id, WidgetFamily family)
{
    Shown *shown = find(id);
    if (!shown)
        return;
    shown->instance.family = family;
    save(*shown);
    requestTimeline(*shown);
    Q_EMIT instanceChanged(id);
}

void HomeScreen::move(const QString &id, const QPoint &position)
{
    Shown *shown = find(id);
    if (!shown || shown->instance.position == position)
        return;
    shown->instance.position = position;
    save(*shown);
}

void HomeScreen::remove(const QString &id)
{
    if (!find(id))
        return;
    m_store.remove(id);
    m_shown.removeIf([&](const Shown &shown) { return shown.instance.id == id; });
    Q_EMIT instancesChanged();
}

void HomeScreen::tap(const QString &id)
{
    const Shown *shown = find(id);
    if (!shown)
        return;
    const QUrl link = m_extension.tapLink(shownEntry(id), shown->instance.family);
    if (!link.isEmpty())
        m_linkHandler(link);
}

void HomeScreen::setLinkHandler(LinkHandler handler)
{
    m_linkHandler = std::move(handler);
}

void HomeScreen::minuteTick()
{
    // The extension keeps a clock of its own: one that runs from another time (--now) is
    // handed over again, so that what it works out for the new minute is of that minute.
    if (!Clock::isSystemTime())
        m_extension.setFixedNow(Clock::now());
    if (m_timeWatch.check()) {
        qCInfo(lcHome) << "The time zone or the clock changed";
        CalendarHelper::refreshSystemSettings();
        m_extension.timeSettingsChanged();
    }
    // After a change the day may be another one, and the midnight to wait for certainly is.
    m_midnight.poll();
    Q_EMIT minutePassed();
    Q_EMIT redrawNeeded();
    scheduleMinute();
}

HomeScreen::Shown *HomeScreen::find(const QString &id)
{
    for (Shown &shown : m_shown) {
        if (shown.instance.id == id)
            return &shown;
    }
    return nullptr;
}

const HomeScreen::Shown *HomeScreen::find(const QString &id) const
{
    return const_cast<HomeScreen *>(this)->find(id);
}

void HomeScreen::requestTimeline(Shown &shown)
{
    shown.timeline = m_extension.timeline(shown.instance.configuration, shown.instance.family);
    // The extension knows the configured item by another name now (a renamed event, one
    // chosen before events had ids): kept, so the menu and later timelines agree with it.
    if (shown.timeline.configuration && shown.timeline.configuration != shown.instance.configuration) {
        shown.instance.configuration = shown.timeline.configuration;
        save(shown);
    }
    Q_EMIT timelineRequested(shown.instance.id);
}

void HomeScreen::requestAllTimelines()
{
    for (Shown &shown : m_shown)
        requestTimeline(shown);
}

void HomeScreen::save(const Shown &shown)
{
    // Gone from the file: a script removed it, and the reload that follows takes it away here.
    if (!m_store.update(shown.instance))
        qCInfo(lcHome).noquote() << "Widget" << shown.instance.id << "is no longer in" << m_store.path();
}

void HomeScreen::scheduleMinute()
{
    m_minute.start(int(kMinuteMs - Clock::nowMs() % kMinuteMs));
}
