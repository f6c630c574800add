#include "ruruextension.h"

#include "ruruextensionentryview.h"

#include <model/calendarhelper.h>
#include <platform/clock.h>

#include <QCoreApplication>

RuruExtension::RuruExtension(QObject *parent)
    : QObject(parent)
{
}

QString RuruExtension::kind() const
{
    return QStringLiteral("RuruExtension");
}

QString RuruExtension::displayName() const
{
    //% "Tallowick"
    return qtTrId("Tallowick");
}

QString RuruExtension::widgetDescription() const
{
    //% "Keep track of your upcoming events."
    return qtTrId("Keep track of your upcoming events.");
}

QList<WidgetConfigurationOption> RuruExtension::configurationOptions()
{
    QList<WidgetConfigurationOption> options;
    const SelectEventIntent intent;
    m_intentHandler.handlerForIntent(intent)->provideEventTitleOptionsCollectionForSelectEvent(
        intent, [&options](const QList<Event> &collection, const QString &) {
            for (const Event &event : collection)
                options.append(WidgetConfigurationOption{event.identifier(), event.displayString()});
        });
    return options;
}

WidgetEntry RuruExtension::placeholder(WidgetFamily)
{
    return entryFor(m_provider.placeholder());
}

WidgetEntry RuruExtension::snapshot(WidgetFamily)
{
    return entryFor(m_provider.getSnapshot());
}

WidgetTimeline RuruExtension::timeline(const std::optional<WidgetConfigurationOption> &configuration,
                                       WidgetFamily)
{
    SelectEventIntent intent;
    if (configuration)
        intent.eventTitle = Event(configuration->identifier, configuration->displayString);
    const Provider::Timeline made = m_provider.getTimeline(intent);
    WidgetTimeline timeline;
    timeline.policy = made.policy;
    if (made.configuration && made.configuration->eventTitle) {
        const Event &event = *made.configuration->eventTitle;
        timeline.configuration = WidgetConfigurationOption{event.identifier(), event.displayString()};
    }
    for (const WidgetContent &content : made.entries)
        timeline.entries.append(entryFor(content));
    return timeline;
}

void RuruExtension::render(const WidgetEntry &entry, WidgetFamily family, QPainter &painter)
{
    RuruExtensionEntryView(family, contentOf(entry)).paint(painter);
}

QUrl RuruExtension::tapLink(const WidgetEntry &entry, WidgetFamily family)
{
    return RuruExtensionEntryView(family, contentOf(entry)).tapLink();
}

void RuruExtension::setFixedNow(const std::optional<QDateTime> &instant)
{
    if (instant)
        Clock::setFixed(*instant);
    else
        Clock::useSystemTime();
}

void RuruExtension::timeSettingsChanged()
{
    CalendarHelper::refreshSystemSettings();
}

WidgetContent RuruExtension::contentOf(const WidgetEntry &entry)
{
    if (entry.content.metaType() == QMetaType::fromType<WidgetContent>())
        return entry.content.value<WidgetContent>();
    return Provider::defaultEntry();
}

WidgetEntry RuruExtension::entryFor(const WidgetContent &content)
{
    return WidgetEntry{content.date, QVariant::fromValue(content), content.dateTitle};
}
