#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class HomeScreen;
class WidgetWindow;

// Puts one window on the desktop for each of the home screen's instances and keeps them in
// step with it: windows come and go with the instances and are drawn again when it says so.
class HomeDesktop : public QObject
{
    Q_OBJECT

public:
    explicit HomeDesktop(HomeScreen &home, QObject *parent = nullptr);
    ~HomeDesktop() override;

    // The window of an instance; nothing when it has none.
    WidgetWindow *window(const QString &id) const { return m_windows.value(id); }
    qsizetype windowCount() const { return m_windows.size(); }

private:
    void sync();
    void refreshAll();

    HomeScreen &m_home;
    QHash<QString, WidgetWindow *> m_windows;
};
