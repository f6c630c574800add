#include "homedesktop.h"

#include "homescreen.h"
#include "widgetwindow.h"

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
