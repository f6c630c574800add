#pragma once

#include "provider.h"

#include <intent/intenthandler.h>
#include <platform/widgetextension.h>

#include <QObject>

// The Tallowick widget as the home screen sees it: one event of the app, in the small, medium
// and large sizes.
class RuruExtension : public QObject, public WidgetExtension
{
    Q_OBJECT
    Q_INTERFACES(WidgetExtension)

public:
    explicit RuruExtension(QObject *parent = nullptr);

    QString kind() const override;
    QString displayName() const override;
    QString widgetDescription() const override;
    QList<WidgetConfigurationOption> configurationOptions() override;
    WidgetEntry placeholder(WidgetFamily family) override;
    WidgetEntry snapshot(WidgetFamily family) override;
    WidgetTimeline timeline(const std::optional<WidgetConfigurationOption> &configuration,
                            WidgetFamily family) override;
    void render(const WidgetEntry &entry, WidgetFamily family, QPainter &painter) override;
    QUrl tapLink(const WidgetEntry &entry, WidgetFamily family) override;
    void setFixedNow(const std::optional<QDateTime> &instant) override;
    void timeSettingsChanged() override;

    // The record an entry of this extension carries; the sample entry for anything else.
    static WidgetContent contentOf(const WidgetEntry &entry);
    static WidgetEntry entryFor(const WidgetContent &content);

private:
    Provider m_provider;
    IntentHandler m_intentHandler;
};
