#include "homedesktop.h"

#include "homescreen.h"
#include "widgetwindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSet>

HomeDesktop::HomeDesktop(HomeScreen &home, QObject *parent)
    : QObject(parent)
    , m_home(home)
{
    connect(&home, &HomeScreen::instancesChanged, this, &HomeDesktop::sync);
    connect(&home, &HomeScreen::redrawNeeded, this, &HomeDesktop::refreshAll);
    connect(&home, &HomeScreen::instanceChanged, this, [this](const QString &id) {
        if (WidgetWindow *shown = window(id))
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
        if (WidgetWindow *shown = window(instance.id)) {
            shown->refresh();
            continue;
        }
        auto *created = new WidgetWindow(m_home, instance.id);
        m_windows.insert(instance.id, created);
        created->show();
    }
    for (auto it = m_windows.begin(); it != m_windows.end();) {
        if (ids.contains(it.key())) {
            ++it;
            continue;
        }
        // Its own event handler may be what removed it.
        it.value()->hide();
        it.value()->deleteLater();
        it = m_windows.erase(it);
    }
}

void HomeDesktop::refreshAll()
{
    for (WidgetWindow *shown : std::as_const(m_windows))
        shown->refresh();
}
