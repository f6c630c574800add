#pragma once

#include "widgetsurface.h"

#include <QHash>
#include <QObject>
#include <QString>

class HomeScreen;

// Puts one surface on the desktop for each of the home screen's instances and keeps them in
// step with it: surfaces come and go with the instances and are drawn again when it says so.
class HomeDesktop : public QObject
{
    Q_OBJECT

public:
    // Surfaces made by `factory`; without one, Qt windows (WidgetWindow).
    explicit HomeDesktop(HomeScreen &home, WidgetSurfaceFactory factory = {}, QObject *parent = nullptr);
    ~HomeDesktop() override;

    // The surface of an instance; nothing when it has none.
    WidgetSurface *window(const QString &id) const { return m_windows.value(id); }
    qsizetype windowCount() const { return m_windows.size(); }

private:
    void sync();
    void refreshAll();

    HomeScreen &m_home;
    WidgetSurfaceFactory m_factory;
    QHash<QString, WidgetSurface *> m_windows;
};
