#pragma once

#include "widgetinstance.h"

#include <QMenu>

// The right-click menu of a widget: which event it shows (the extension's options in its
// order, after the choice of none, which shows the first event), its size, and removal.
class WidgetMenu : public QMenu
{
    Q_OBJECT

public:
    // The sizes a widget on the home screen can take.
    static const QList<WidgetFamily> &families();

    WidgetMenu(const QList<WidgetConfigurationOption> &options, const WidgetInstance &instance,
               QWidget *parent = nullptr);

signals:
    void chosen(const std::optional<WidgetConfigurationOption> &option);
    void resized(WidgetFamily family);
    void removeRequested();
};
