#include "homedesktop.h"

#include "homescreen.h"
#include "widgetwindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSet>

HomeDesktop::HomeDesktop(HomeScreen &home, WidgetSurfaceFactory factory, QObject *parent)
    : QObject(parent)
    , m_home(home)
    , m_factory(std::move(factory))
{
    if (!m_factory) {
        m_factory = [](HomeScreen &screen, const QString &id) -> WidgetSurface * { return new WidgetWindow(screen, id); };
    }
    connect(&home, &HomeScreen::instancesChanged, this, &HomeDesktop::sync);
    connect(&home, &HomeScreen::redrawNeeded, this, &HomeDesktop::refreshAll);
    connect(&home, &HomeScreen::instanceChanged, this, [this](const QString &id) {
        if (WidgetSurface *shown = window(id))
            shown->refresh();
    });
    // A screen that comes, goes or changes size (a monitor unplugged, a new resolution, a
    // panel added) may leave a widget off the screens: each is put back wholly on its screen.
    const auto watch = [this](QScreen *screen) {
        connect(screen, &QScreen::geometryChanged, this, &HomeDesktop::refreshAll);
        connect(screen, &QScreen::availableGeometryChanged, this, &HomeDesktop::refreshAll);
    };
    for (QScreen *screen : QGuiApplication::screens())
        watch(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this, watch](QScreen *screen) {
        watch(screen);
        refreshAll();
    });
    // Qt moves the windows off a screen that goes; they are placed again once it has.
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &HomeDesktop::refreshAll, Qt::QueuedConnection);
    sync();
}

HomeDesktop::~HomeDesktop()
{
    qDeleteAll(m_windows);
}

void HomeDesktop::sync()
{
    QSet<QString> ids;
    for (const auto &instance : m_home.instances()) {
        ids.insert(instance.id);
        if (WidgetSurface *shown = window(instance.id)) {
            shown->refresh();
            continue;
        }
        WidgetSurface *created = m_factory(m_home, instance.id);
        m_windows.insert(instance.id, created);
        created->showSurface();
    }
    for (auto it = m_windows.begin(); it != m_windows.end();) {
        if (ids.contains(it.key())) {
            ++it;
            continue;
        }
        it.value()->dispose();
        it = m_windows.erase(it);
    }
}

void HomeDesktop::refreshAll()
{
    for (WidgetSurface *shown : std::as_const(m_windows))
        shown->refresh();
}
