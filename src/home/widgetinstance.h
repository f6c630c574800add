#pragma once

#include <platform/widgetextension.h>

#include <QPoint>
#include <QString>
#include <optional>

// One widget a person placed on the home screen.
struct WidgetInstance
{
    QString id;
    QString kind; // the extension's kind() the instance belongs to
    WidgetFamily family = WidgetFamily::SystemSmall;
    std::optional<WidgetConfigurationOption> configuration; // nothing: show the first event
    QPoint position;

    friend bool operator==(const WidgetInstance &, const WidgetInstance &) = default;
};
