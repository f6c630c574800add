#include "recordingextension.h"

#include <QPainter>
#include <QVariantMap>

WidgetEntry RecordingExtension::entry(const QDateTime &date, const QColor &color, const QString &link)
{
    return WidgetEntry{date, QVariantMap{{QStringLiteral("color"), color}, {QStringLiteral("link"), link}}};
}

QColor RecordingExtension::colorOf(const WidgetEntry &entry)
{
    return entry.content.toMap().value(QStringLiteral("color")).value<QColor>();
}

WidgetEntry RecordingExtension::placeholder(WidgetFamily family)
{
    return WidgetEntry{QDateTime(), QVariantMap{{QStringLiteral("color"), kPlaceholderColor},
                                                {QStringLiteral("family"), widgetFamilyName(family)}}};
}

WidgetTimeline RecordingExtension::timeline(const std::optional<WidgetConfigurationOption> &configuration,
                                            WidgetFamily family)
{
    requests.append({configuration, family});
    return timelines.value(configuration ? configuration->displayString : QString());
}

void RecordingExtension::render(const WidgetEntry &entry, WidgetFamily, QPainter &painter)
{
    painter.fillRect(QRectF(0, 0, 2000, 2000), colorOf(entry));
}

QUrl RecordingExtension::tapLink(const WidgetEntry &entry, WidgetFamily)
{
    return QUrl(entry.content.toMap().value(QStringLiteral("link")).toString());
}
