// A widget on the home screen shows one event, whatever the command line does to it: renamed,
// moved or given another theme it is still that event; deleted, the widget falls back to the
// first one. Widgets configured before events had ids find theirs by title once.

#include "../reliability/programs.h"

#include <home/extensionloader.h>
#include <home/homescreen.h>
#include <home/instancestore.h>
#include <model/hexcolor.h>
#include <store/eventrepository.h>
#include <support/testenvironment.h>

#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

class WidgetFollow : public ::testing::Test
{
protected:
    TemporaryHome home;
    const QDateTime now = localTime(2026, 12, 8, 9);
    FixedClock clock{now};
    WidgetExtension *extension = nullptr;
    InstanceStore instances;

    void SetUp() override
    {
        ExtensionLoader loader;
        extension = loader.load({QStringLiteral(TALLOWICK_PLUGIN_FILE)});
        ASSERT_TRUE(extension) << loader.errorString().toStdString();
        extension->setFixedNow(now);
        EventRepository().open(); // the packaged events, published as the app's first start does
    }
    void TearDown() override
    {
        if (extension)
            extension->setFixedNow(std::nullopt);
    }

    void cli(const QStringList &arguments)
    {
        const Programs::Run run = Programs::run(Programs::cli(), arguments, now);
        ASSERT_EQ(run.exitCode, 0) << arguments.join(' ').toStdString() << ": " << run.err.toStdString();
    }

    std::optional<WidgetConfigurationOption> optionTitled(const QString &title)
    {
        for (const WidgetConfigurationOption &option : extension->configurationOptions()) {
            if (option.displayString == title)
                return option;
        }
        return std::nullopt;
    }

    // What the widget shows now, as its tap link says it: the page and the event's id.
    QUrlQuery shownLink(HomeScreen &screen, const QString &id)
    {
        QUrl link;
        screen.setLinkHandler([&](const QUrl &url) { link = url; });
        screen.tap(id);
        return QUrlQuery(link);
    }
};

} // namespace

TEST_F(WidgetFollow, AWidgetKeepsItsEventThroughRenameMoveAndThemeChangeAndFallsBackWhenItIsDeleted)
{
    const auto summer = optionTitled(QStringLiteral("Summer trip"));
    ASSERT_TRUE(summer);
    const QString eventId = EventRepository().read().events.at(1).id;
    EXPECT_EQ(summer->identifier, eventId);
    const auto widget = instances.add(WidgetInstance{{}, extension->kind(), WidgetFamily::SystemSmall, summer, QPoint()});
    ASSERT_TRUE(widget);
    HomeScreen screen(*extension, instances);
    screen.start();
    EXPECT_EQ(shownLink(screen, widget->id).queryItemValue(QStringLiteral("eventId")), eventId);

    cli({QStringLiteral("edit"), QStringLiteral("1"), QStringLiteral("--title"), QStringLiteral("Us two")});
    screen.reloadAll();
    EXPECT_EQ(shownLink(screen, widget->id).queryItemValue(QStringLiteral("eventId")), eventId);
    // The saved configuration follows the title, so the menu shows the event by its name.
    EXPECT_EQ(instances.instances().at(0).configuration->displayString, QStringLiteral("Us two"));
    EXPECT_EQ(instances.instances().at(0).configuration->identifier, eventId);

    cli({QStringLiteral("move"), QStringLiteral("1"), QStringLiteral("2")});
    screen.reloadAll();
    QUrlQuery link = shownLink(screen, widget->id);
    EXPECT_EQ(link.queryItemValue(QStringLiteral("eventId")), eventId);
    EXPECT_EQ(link.queryItemValue(QStringLiteral("pageNumber")), QStringLiteral("2"));

    const QImage before = screen.render(widget->id, 1);
    cli({QStringLiteral("edit"), QStringLiteral("2"), QStringLiteral("--theme"), QStringLiteral("1001")});
    screen.reloadAll();
    EXPECT_EQ(shownLink(screen, widget->id).queryItemValue(QStringLiteral("eventId")), eventId);
    EXPECT_TRUE(screen.render(widget->id, 1) != before);

    cli({QStringLiteral("delete"), QStringLiteral("2")});
    screen.reloadAll();
    link = shownLink(screen, widget->id);
    EXPECT_EQ(link.queryItemValue(QStringLiteral("eventId")), EventRepository().read().events.at(0).id);
    EXPECT_EQ(link.queryItemValue(QStringLiteral("pageNumber")), QStringLiteral("0"));
}

TEST_F(WidgetFollow, AWidgetSavedByTitleIsResolvedOnceAndKeptById)
{
    // As widgets were saved before events had ids: a page number and a title.
    const auto widget = instances.add(WidgetInstance{{}, extension->kind(), WidgetFamily::SystemMedium,
                                                     WidgetConfigurationOption{QStringLiteral("1"), QStringLiteral("Summer trip")},
                                                     QPoint()});
    ASSERT_TRUE(widget);
    HomeScreen screen(*extension, instances);
    screen.start();
    const QString eventId = EventRepository().read().events.at(1).id;
    EXPECT_EQ(instances.instances().at(0).configuration->identifier, eventId);

    // From then on a rename does not lose it its event.
    cli({QStringLiteral("edit"), QStringLiteral("1"), QStringLiteral("--title"), QStringLiteral("Beach")});
    screen.reloadAll();
    EXPECT_EQ(shownLink(screen, widget->id).queryItemValue(QStringLiteral("eventId")), eventId);
}

TEST_F(WidgetFollow, TheHostsClockReachesThePlugIn)
{
    // The plug-in carries its own copy of the clock: the host hands its fixed time over.
    const QDateTime later = now.addDays(3);
    extension->setFixedNow(later);
    EXPECT_EQ(extension->placeholder(WidgetFamily::SystemSmall).date, later);
    extension->setFixedNow(std::nullopt);
    EXPECT_NE(extension->placeholder(WidgetFamily::SystemSmall).date, later);
}
