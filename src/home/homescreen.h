#pragma once

#include "instancestore.h"
#include "midnighttimer.h"
#include "timechangewatch.h"
#include "widgetinstance.h"

#include <platform/widgetextension.h>

#include <QImage>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <functional>

// The home screen's state, without its windows: the person's widget instances of the loaded
// extension, the timeline each was last given, and when to ask for new ones (at start, on
// reload requests, after a change of configuration, at each local midnight). Once a minute
// it notices time changes and asks for a redraw, so a shown count is never stale.
class HomeScreen : public QObject
{
    Q_OBJECT

public:
    using LinkHandler = std::function<void(const QUrl &)>;

    HomeScreen(WidgetExtension &extension, InstanceStore &store, QObject *parent = nullptr);

    WidgetExtension &extension() const { return m_extension; }
    MidnightTimer &midnightTimer() { return m_midnight; }

    // Reads the instances, asks for their timelines and starts the timers.
    void start();
    // Reads the instances again (a script may have added or removed some) and asks every one
    // for a new timeline.
    void reloadAll();

    // The instances shown, in the order they were added.
    QList<WidgetInstance> instances() const;
    std::optional<WidgetInstance> instance(const QString &id) const;
    // The timeline the instance was last given.
    WidgetTimeline timeline(const QString &id) const;
    // What the instance shows at the clock's now: its current entry or the placeholder.
    WidgetEntry shownEntry(const QString &id) const;
    // The picture of the instance now, `scale` pixels per point; null for an unknown id.
    QImage render(const QString &id, qreal scale) const;

    // Puts a new widget on the home screen, below and right of the others; returns its id
    // (empty when the widget file cannot be written).
    QString add(WidgetFamily family, const std::optional<WidgetConfigurationOption> &option);
    // The person's changes; each is saved, and the first two bring a new timeline.
    void choose(const QString &id, const std::optional<WidgetConfigurationOption> &option);
    void resize(const QString &id, WidgetFamily family);
    void move(const QString &id, const QPoint &position);
    void remove(const QString &id);
    // A tap on the instance: opens the link of the entry it shows, if it has one.
    void tap(const QString &id);
    // Replaces what opens tap links (by default a LinkOpener for this program's folder).
    void setLinkHandler(LinkHandler handler);

    // The once-a-minute work; its timer calls it at the start of every minute.
    void minuteTick();

Q_SIGNALS:
    // A new local day began; handled before the widgets are asked for new timelines, so that
    // whatever it changes (the next occurrence of a yearly event) is in them.
    void dayBegan();
    // The instance was just given a new timeline.
    void timelineRequested(const QString &id);
    // Instances came or went.
    void instancesChanged();
    // The instance's size or configuration changed.
    void instanceChanged(const QString &id);
    // Every widget must be drawn again (a new minute, new timelines).
    void redrawNeeded();
    // A minute has passed, for other once-a-minute chores.
    void minutePassed();
    // The person asked to add another widget (from a widget's menu).
    void addWindowRequested();

private:
    struct Shown
    {
        WidgetInstance instance;
        WidgetTimeline timeline;
    };

    Shown *find(const QString &id);
    const Shown *find(const QString &id) const;
    void requestTimeline(Shown &shown);
    void requestAllTimelines();
    void save(const Shown &shown);
    void scheduleMinute();

    WidgetExtension &m_extension;
    InstanceStore &m_store;
    QList<Shown> m_shown;
    MidnightTimer m_midnight;
    TimeChangeWatch m_timeWatch;
    QTimer m_minute;
    LinkHandler m_linkHandler;
};
