#pragma once

#include "widgetinstance.h"

#include <QMenu>

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

signals:
    void chosen(const std::optional<WidgetConfigurationOption> &option);
    void resized(WidgetFamily family);
    void removeRequested();
    void addRequested();
    void quitRequested();
};
