#include "hometesting.h"
#include "recordingextension.h"

#include <home/homedesktop.h>
#include <home/homescreen.h>
#include <home/reloadlistener.h>
#include <home/widgetwindow.h>

#include <platform/widgetreload.h>

#include <support/testenvironment.h>

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

const WidgetConfigurationOption kTrip{QStringLiteral("1"), QStringLiteral("Trip")};
const WidgetConfigurationOption kExam{QStringLiteral("2"), QStringLiteral("Exam")};

class HomeScreenTest : public ::testing::Test
{
protected:
    HomeScreenTest()
    {
        extension.options = {kTrip, kExam};
        first = *store.add(WidgetInstance{{}, extension.kind(), WidgetFamily::SystemSmall, std::nullopt, QPoint(10, 20)});
        second = *store.add(WidgetInstance{{}, extension.kind(), WidgetFamily::SystemMedium, kTrip, QPoint(300, 20)});
    }

    // The timeline requests made so far, as "family title" ("-" when nothing is chosen).
    QStringList requests() const
    {
        QStringList result;
        for (const auto &request : extension.requests) {
            result.append(widgetFamilyName(request.family) + QLatin1Char(' ')
                          + (request.configuration ? request.configuration->displayString : QStringLiteral("-")));
        }
        return result;
    }

    TemporaryHome home;
    ScopedTimeZone zone{"Asia/Seoul"};
    FixedClock clock{localTime(2024, 5, 1, 9)};
    RecordingExtension extension;
    InstanceStore store;
    WidgetInstance first;
    WidgetInstance second;
};

} // namespace

TEST_F(HomeScreenTest, AsksEveryInstanceOfItsKindForATimelineAtStart)
{
    store.add(WidgetInstance{{}, QStringLiteral("SomeoneElse"), WidgetFamily::SystemLarge, std::nullopt, {}});
    HomeScreen screen(extension, store);
    QSignalSpy asked(&screen, &HomeScreen::timelineRequested);
    screen.start();

    EXPECT_EQ(requests(), (QStringList{QStringLiteral("small -"), QStringLiteral("medium Trip")}));
    EXPECT_EQ(asked.count(), 2);
    EXPECT_EQ(screen.instances(), (QList<WidgetInstance>{first, second}));
    // Another extension's instance is not ours to show, nor to drop.
    EXPECT_EQ(InstanceStore().instances().size(), 3);
}

TEST_F(HomeScreenTest, AReloadRequestBringsNewTimelinesAndTheInstancesScriptsAdded)
{
    ReloadListener listener;
    ASSERT_EQ(listener.listen(), ReloadListener::Status::Listening);
    HomeScreen screen(extension, store);
    QObject::connect(&listener, &ReloadListener::reloadRequested, &screen, &HomeScreen::reloadAll);
    screen.start();
    extension.requests.clear();

    // What tallowick-home --add does from another process.
    InstanceStore().add(WidgetInstance{{}, extension.kind(), WidgetFamily::SystemLarge, kExam, {}});
    QSignalSpy changed(&screen, &HomeScreen::instancesChanged);
    WidgetReload::reloadAllTimelines();
    ASSERT_TRUE(changed.wait(5000));

    EXPECT_EQ(requests(), (QStringList{QStringLiteral("small -"), QStringLiteral("medium Trip"), QStringLiteral("large Exam")}));
    EXPECT_EQ(screen.instances().size(), 3);
}

TEST_F(HomeScreenTest, AChangedConfigurationIsSavedAndBringsANewTimeline)
{
    HomeScreen screen(extension, store);
    screen.start();
    extension.requests.clear();
    QSignalSpy changed(&screen, &HomeScreen::instanceChanged);

    screen.choose(first.id, kExam);
    screen.resize(second.id, WidgetFamily::SystemLarge);
    screen.choose(second.id, std::nullopt);
    EXPECT_EQ(requests(), (QStringList{QStringLiteral("small Exam"), QStringLiteral("large Trip"), QStringLiteral("large -")}));
    EXPECT_EQ(changed.count(), 3);

    const QList<WidgetInstance> saved = InstanceStore().instances();
    ASSERT_EQ(saved.size(), 2);
    EXPECT_EQ(saved.at(0).configuration, kExam);
    EXPECT_EQ(saved.at(1).family, WidgetFamily::SystemLarge);
    EXPECT_EQ(saved.at(1).configuration, std::nullopt);

    // Moving is saved too, but needs no timeline.
    screen.move(first.id, QPoint(500, 600));
    EXPECT_EQ(InstanceStore().instances().at(0).position, QPoint(500, 600));
    EXPECT_EQ(extension.requests.size(), 3);
}

TEST_F(HomeScreenTest, MidnightBringsNewTimelinesAndEveryMinuteARedraw)
{
    clock.set(localTime(2024, 5, 1, 23, 59, 30));
    HomeScreen screen(extension, store);
    screen.start();
    EXPECT_EQ(screen.midnightTimer().nextFire(), localTime(2024, 5, 2));
    QSignalSpy redraws(&screen, &HomeScreen::redrawNeeded);
    QSignalSpy minutes(&screen, &HomeScreen::minutePassed);
    extension.requests.clear();

    screen.minuteTick();
    EXPECT_TRUE(extension.requests.isEmpty());
    EXPECT_EQ(redraws.count(), 1);
    EXPECT_EQ(minutes.count(), 1);

    // The new day is handled (a yearly event moves on to its next occurrence) before the
    // widgets are asked for what they show in it.
    QList<qsizetype> requestsWhenTheDayBegan;
    QObject::connect(&screen, &HomeScreen::dayBegan, &screen, [&] { requestsWhenTheDayBegan.append(extension.requests.size()); });
    clock.set(localTime(2024, 5, 2, 0, 0, 2));
    screen.midnightTimer().poll();
    EXPECT_EQ(requestsWhenTheDayBegan, QList<qsizetype>{0});
    EXPECT_EQ(requests(), (QStringList{QStringLiteral("small -"), QStringLiteral("medium Trip")}));
    EXPECT_EQ(screen.midnightTimer().nextFire(), localTime(2024, 5, 3));

    // A minute after a missed midnight (the machine slept through it) catches up with it.
    extension.requests.clear();
    clock.set(localTime(2024, 5, 3, 7));
    screen.minuteTick();
    EXPECT_EQ(extension.requests.size(), 2);
}

TEST_F(HomeScreenTest, ShowsTheLatestDueEntryAtTheClocksNowOrThePlaceholder)
{
    extension.timelines.insert(QString(), WidgetTimeline{{RecordingExtension::entry(localTime(2024, 5, 1, 8), Qt::red),
                                                          RecordingExtension::entry(localTime(2024, 5, 1, 12), Qt::green)}});
    HomeScreen screen(extension, store);
    screen.start();

    EXPECT_EQ(RecordingExtension::colorOf(screen.shownEntry(first.id)), QColor(Qt::red));
    clock.set(localTime(2024, 5, 1, 12, 30));
    EXPECT_EQ(RecordingExtension::colorOf(screen.shownEntry(first.id)), QColor(Qt::green));
    // Trip's timeline is empty.
    EXPECT_EQ(RecordingExtension::colorOf(screen.shownEntry(second.id)), RecordingExtension::kPlaceholderColor);

    const QImage picture = screen.render(second.id, 2);
    EXPECT_EQ(picture.size(), QSize(728, 340));
    EXPECT_EQ(picture.pixelColor(364, 170), RecordingExtension::kPlaceholderColor);
}

TEST_F(HomeScreenTest, ATapOpensTheShownEntrysLinkIfItHasOne)
{
    extension.timelines.insert(QString(), WidgetTimeline{{RecordingExtension::entry(localTime(2024, 5, 1, 8), Qt::red,
                                                                                     QStringLiteral("https://tallowick.example/?pageNumber=0"))}});
    extension.timelines.insert(kTrip.displayString,
                               WidgetTimeline{{RecordingExtension::entry(localTime(2024, 5, 1, 8), Qt::red)}});
    HomeScreen screen(extension, store);
    QList<QUrl> opened;
    screen.setLinkHandler([&](const QUrl &link) { opened.append(link); });
    screen.start();

    screen.tap(first.id);
    screen.tap(second.id);
    EXPECT_EQ(opened, QList<QUrl>{QUrl(QStringLiteral("https://tallowick.example/?pageNumber=0"))});
}

TEST_F(HomeScreenTest, TheDesktopKeepsOneWindowPerInstance)
{
    HomeScreen screen(extension, store);
    HomeDesktop desktop(screen);
    screen.start();
    ASSERT_EQ(desktop.windowCount(), 2);
    auto *medium = dynamic_cast<WidgetWindow *>(desktop.window(second.id));
    ASSERT_NE(medium, nullptr);
    EXPECT_EQ(medium->size(), QSize(364, 170));
    EXPECT_EQ(medium->pos(), QPoint(300, 20));
    EXPECT_TRUE(medium->isVisible());

    screen.resize(second.id, WidgetFamily::SystemLarge);
    EXPECT_EQ(medium->size(), QSize(364, 382));

    screen.remove(first.id);
    EXPECT_EQ(desktop.windowCount(), 1);
    EXPECT_EQ(desktop.window(first.id), nullptr);
    EXPECT_EQ(InstanceStore().instances(), screen.instances());
}
