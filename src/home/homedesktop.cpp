#include "homedesktop.h"

#include "homescreen.h"
#include "widgetwindow.h"

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
