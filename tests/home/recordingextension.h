#pragma once

#include <platform/widgetextension.h>

#include <QColor>
#include <QHash>

// An extension linked into the tests: serves the timelines it is given, by chosen title
// ("" when nothing is chosen), and remembers every timeline request. Entries are solid
// colours with a link; the placeholder is grey.
class RecordingExtension : public WidgetExtension
{
public:
    struct Request
    {
        std::optional<WidgetConfigurationOption> configuration;
        WidgetFamily family;
    };

    static inline const QColor kPlaceholderColor{0x80, 0x80, 0x80};

    // An entry due from `date`, drawn in `color`, tapping to `link`.
    static WidgetEntry entry(const QDateTime &date, const QColor &color, const QString &link = {});
    // The colour an entry is drawn in.
    static QColor colorOf(const WidgetEntry &entry);

    QString kind() const override { return QStringLiteral("Recording"); }
    QString displayName() const override { return QStringLiteral("Recording"); }
    QString widgetDescription() const override { return {}; }
    QList<WidgetConfigurationOption> configurationOptions() override { return options; }
    WidgetEntry placeholder(WidgetFamily family) override;
    WidgetEntry snapshot(WidgetFamily family) override { return placeholder(family); }
    WidgetTimeline timeline(const std::optional<WidgetConfigurationOption> &configuration,
                            WidgetFamily family) override;
    void render(const WidgetEntry &entry, WidgetFamily family, QPainter &painter) override;
    QUrl tapLink(const WidgetEntry &entry, WidgetFamily family) override;
    void setFixedNow(const std::optional<QDateTime> &instant) override { fixedNow = instant; }
    void timeSettingsChanged() override { ++timeSettingsChanges; }

    QList<WidgetConfigurationOption> options;
    QHash<QString, WidgetTimeline> timelines;
    QList<Request> requests;
    std::optional<QDateTime> fixedNow;
    int timeSettingsChanges = 0;
};
