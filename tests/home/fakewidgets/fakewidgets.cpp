// A stand-in widget extension for testing the home screen as a plug-in: it draws each entry
// as one solid colour and serves what the JSON file named by FAKE_WIDGETS_FILE says, read
// afresh on every call:
//
//   {
//     "options": [{"identifier": "1", "displayString": "Trip"}],
//     "timelines": {                      // by the chosen title; "" when nothing is chosen
//       "": [{"date": "2024-05-01T00:00:00", "color": "#3366cc", "link": "https://...", "title": "Trip"}]
//     },
//     "placeholder": "#808080"            // absent: #808080
//   }
//
// With FAKE_WIDGETS_LOG set, each timeline request appends "timeline FAMILY TITLE" to it, and
// the host's clock handed over "clock yyyy-MM-ddTHH:mm:ss" (or "clock system").

#include <platform/widgetextension.h>

#include <QColor>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>
#include <QPainter>
#include <QVariantMap>

namespace {

QJsonObject readSetup()
{
    QFile file(qEnvironmentVariable("FAKE_WIDGETS_FILE"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

const char *familyName(WidgetFamily family)
{
    switch (family) {
    case WidgetFamily::SystemSmall:
        return "small";
    case WidgetFamily::SystemMedium:
        return "medium";
    case WidgetFamily::SystemLarge:
        return "large";
    case WidgetFamily::SystemExtraLarge:
        break;
    }
    return "extraLarge";
}

void log(const QString &line)
{
    const QString path = qEnvironmentVariable("FAKE_WIDGETS_LOG");
    if (path.isEmpty())
        return;
    QFile file(path);
    if (file.open(QIODevice::Append))
        file.write(line.toUtf8() + '\n');
}

} // namespace

class FakeWidgets : public QObject, public WidgetExtension
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TallowickWidgetExtension_iid)
    Q_INTERFACES(WidgetExtension)

public:
    QString kind() const override { return QStringLiteral("FakeWidgets"); }
    QString displayName() const override { return QStringLiteral("Fake"); }
    QString widgetDescription() const override { return QStringLiteral("Solid colours"); }

    QList<WidgetConfigurationOption> configurationOptions() override
    {
        QList<WidgetConfigurationOption> options;
        for (const QJsonValue &value : readSetup().value(QStringLiteral("options")).toArray()) {
            const QJsonObject option = value.toObject();
            options.append({option.value(QStringLiteral("identifier")).toString(),
                            option.value(QStringLiteral("displayString")).toString()});
        }
        return options;
    }

    WidgetEntry placeholder(WidgetFamily) override
    {
        const QString color = readSetup().value(QStringLiteral("placeholder")).toString(QStringLiteral("#808080"));
        return WidgetEntry{QDateTime(), QVariantMap{{QStringLiteral("color"), color}}};
    }

    WidgetEntry snapshot(WidgetFamily family) override { return placeholder(family); }

    WidgetTimeline timeline(const std::optional<WidgetConfigurationOption> &configuration,
                            WidgetFamily family) override
    {
        const QString title = configuration ? configuration->displayString : QString();
        log(QStringLiteral("timeline %1 %2").arg(QLatin1String(familyName(family)), configuration ? title : QStringLiteral("-")));
        WidgetTimeline timeline;
        const QJsonArray entries = readSetup().value(QStringLiteral("timelines")).toObject().value(title).toArray();
        for (const QJsonValue &value : entries) {
            const QJsonObject entry = value.toObject();
            timeline.entries.append(WidgetEntry{
                QDateTime::fromString(entry.value(QStringLiteral("date")).toString(), Qt::ISODate),
                QVariantMap{{QStringLiteral("color"), entry.value(QStringLiteral("color")).toString()},
                            {QStringLiteral("link"), entry.value(QStringLiteral("link")).toString()}},
                entry.value(QStringLiteral("title")).toString()});
        }
        return timeline;
    }

    void render(const WidgetEntry &entry, WidgetFamily, QPainter &painter) override
    {
        // Well past every family's size: the host is the one that keeps to it.
        painter.fillRect(QRectF(0, 0, 2000, 2000), QColor(entry.content.toMap().value(QStringLiteral("color")).toString()));
    }

    QUrl tapLink(const WidgetEntry &entry, WidgetFamily) override
    {
        return QUrl(entry.content.toMap().value(QStringLiteral("link")).toString());
    }

    void setFixedNow(const std::optional<QDateTime> &instant) override
    {
        log(QStringLiteral("clock %1").arg(instant ? instant->toString(Qt::ISODate) : QStringLiteral("system")));
    }

    void timeSettingsChanged() override { log(QStringLiteral("time settings changed")); }
};

#include "fakewidgets.moc"
