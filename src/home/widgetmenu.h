#pragma once

#include "widgetinstance.h"

#include <QMenu>

class HomeScreen;

// The right-click menu of a widget: which event it shows (the extension's options in its
// order, after the choice of none, which shows the first event), its size, removal, adding
// another widget and quitting the home screen.
class WidgetMenu : public QMenu
{
    Q_OBJECT

public:
    // The sizes a widget on the home screen can take, and their names.
    static const QList<WidgetFamily> &families();
    static QString familyText(WidgetFamily family);
    // The choice of no event in particular: the widget shows the first one.
    static QString firstEventText();

    WidgetMenu(const QList<WidgetConfigurationOption> &options, const WidgetInstance &instance,
               QWidget *parent = nullptr);
    // The menu of one of the home screen's instances, its choices applied to it by id (which
    // outlives any window of it); nothing for an unknown id. It belongs to the caller.
    static WidgetMenu *create(HomeScreen &home, const QString &id);

Q_SIGNALS:
    void chosen(const std::optional<WidgetConfigurationOption> &option);
    void resized(WidgetFamily family);
    void removeRequested();
    void addRequested();
    void quitRequested();
};
