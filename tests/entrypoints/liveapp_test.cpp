// The app's window open while the command line changes the list: the window follows within a
// moment, by itself, and stays with the event it was showing.

#include "../reliability/programs.h"

#include <model/hexcolor.h>
#include <platform/settingsstore.h>
#include <screens/viewmodels/eventform.h>
#include <store/userdata.h>
#include <support/qmlscene.h>
#include <support/testenvironment.h>

#include <QElapsedTimer>
#include <QQuickItem>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Waits for what a change elsewhere must bring; the bound only ends a failing test.
constexpr int kFollowMs = 5000;

class LiveApp : public ::testing::Test
{
protected:
    TemporaryHome home;
    const QDateTime now = localTime(2026, 12, 8, 9);
    FixedClock clock{now};
    std::unique_ptr<UserData> store;
    std::unique_ptr<QmlScene> scene;

    void SetUp() override { open(false); }

    // The window as the app shows it; `animated`: with its slides and springs.
    void open(bool animated)
    {
        scene.reset();
        store = std::make_unique<UserData>();
        scene = std::make_unique<QmlScene>(QStringLiteral("ContentView"),
                                           QVariantMap{{QStringLiteral("store"), QVariant::fromValue(store.get())},
                                                       {QStringLiteral("animateEntrance"), animated}});
        ASSERT_TRUE(scene->item());
        store->watchForChanges();
        scene->settle(300);
    }

    void cli(const QStringList &arguments)
    {
        const Programs::Run run = Programs::run(Programs::cli(), arguments, now);
        ASSERT_EQ(run.exitCode, 0) << arguments.join(' ').toStdString() << ": " << run.err.toStdString();
    }

    bool follows(const std::function<bool()> &done)
    {
        QElapsedTimer timer;
        timer.start();
        const bool held = waitUntil(done, kFollowMs);
        // A measure to read, not a bound: how long the window took to follow.
        std::printf("followed in %lld ms\n", static_cast<long long>(timer.elapsed()));
        scene->settle(400);
        return held;
    }

    QColor pageColour() { return pixel(scene->grab(), 5, 5); }
    QColor bgOf(int index) { return hexColor(store->magicDates().at(index).bgColor); }

    // The texts the pages show, whichever are made.
    QStringList shownTexts(const QString &objectName)
    {
        QStringList texts;
        const std::function<void(QQuickItem *)> visit = [&](QQuickItem *item) {
            if (item->objectName() == objectName && item->isVisible())
                texts.append(item->property("text").toString());
            for (QQuickItem *child : item->childItems())
                visit(child);
        };
        visit(scene->window().contentItem());
        return texts;
    }

    // Any item drawn in the window (list rows included) by its objectName.
    QQuickItem *drawn(const QString &objectName)
    {
        QQuickItem *found = nullptr;
        const std::function<void(QQuickItem *)> visit = [&](QQuickItem *item) {
            if (!found && item->objectName() == objectName)
                found = item;
            for (QQuickItem *child : item->childItems())
                visit(child);
        };
        visit(scene->window().contentItem());
        return found;
    }

    QObject *sheet() { return scene->item()->findChild<QObject *>(QStringLiteral("eventSheet")); }
};

} // namespace

TEST_F(LiveApp, FollowsAddsRenamesMovesAndDeletesAndKeepsTheShownEvent)
{
    store->setCurrentPage(1); // "Summer trip"
    scene->settle(300);
    const QString shown = store->currentEventId();
    const QColor shownColour = bgOf(1);
    ASSERT_TRUE(near(pageColour(), shownColour));

    cli({QStringLiteral("add"), QStringLiteral("Exam"), QStringLiteral("2027-02-01")});
    ASSERT_TRUE(follows([&] { return store->count() == 4; }));
    EXPECT_EQ(store->currentEventId(), shown);
    EXPECT_EQ(store->currentPage(), 2);
    EXPECT_TRUE(near(pageColour(), shownColour));
    QQuickItem *dots = scene->find(QStringLiteral("indicatorDots"));
    ASSERT_TRUE(dots);
    EXPECT_EQ(dots->childItems().size() - 1, 4); // the dots and their repeater

    cli({QStringLiteral("edit"), QStringLiteral("2"), QStringLiteral("--title"), QStringLiteral("Us two")});
    ASSERT_TRUE(follows([&] { return shownTexts(QStringLiteral("eventTitle")).contains(QStringLiteral("Us two")); }));

    cli({QStringLiteral("move"), QStringLiteral("2"), QStringLiteral("0")});
    ASSERT_TRUE(follows([&] { return store->currentPage() == 0; }));
    EXPECT_EQ(store->currentEventId(), shown);
    EXPECT_TRUE(near(pageColour(), shownColour));

    // The shown event deleted elsewhere: its neighbour is shown, in its own colours.
    cli({QStringLiteral("delete"), QStringLiteral("0")});
    ASSERT_TRUE(follows([&] { return store->count() == 3; }));
    EXPECT_EQ(store->currentPage(), 0);
    EXPECT_NE(store->currentEventId(), shown);
    EXPECT_TRUE(near(pageColour(), bgOf(0)));
    scene->grab(QStringLiteral("live-after-delete"));
}

// With its slides running, the page behind the tiles stays the one the tiles show.
TEST_F(LiveApp, ThePageBehindTheTilesFollowsChangesElsewhereWithoutASlide)
{
    open(true);
    store->setCurrentPage(1); // "Summer trip"
    scene->settle(1500);
    const QString shown = store->currentEventId();
    const QColor shownColour = bgOf(1);
    cli({QStringLiteral("add"), QStringLiteral("Exam"), QStringLiteral("2027-02-01")});
    cli({QStringLiteral("add"), QStringLiteral("Dentist"), QStringLiteral("2026-12-20")});
    ASSERT_TRUE(follows([&] { return store->count() == 5; }));
    scene->settle(1500);
    EXPECT_TRUE(near(pageColour(), shownColour)) << store->currentPage();
    cli({QStringLiteral("move"), QStringLiteral("3"), QStringLiteral("0")});
    ASSERT_TRUE(follows([&] { return store->currentPage() == 0; }));
    scene->settle(1500);
    EXPECT_EQ(store->currentEventId(), shown);
    EXPECT_TRUE(near(pageColour(), shownColour));
    scene->grab(QStringLiteral("live-animated-after-move"));
}

TEST_F(LiveApp, ASheetOfAnEventDeletedElsewhereClosesWithANotice)
{
    for (const char *mode : {"edit", "noti"}) {
        store->setCurrentPage(0);
        QMetaObject::invokeMethod(sheet(), "present", Q_ARG(QVariant, QString::fromLatin1(mode)));
        scene->settle(500);
        ASSERT_TRUE(sheet()->property("open").toBool()) << mode;

        cli({QStringLiteral("delete"), QStringLiteral("0")});
        ASSERT_TRUE(follows([&] { return !sheet()->property("open").toBool(); })) << mode;
        QQuickItem *notice = scene->find(QStringLiteral("notice"));
        ASSERT_TRUE(notice);
        EXPECT_TRUE(notice->isVisible()) << mode;
        EXPECT_FALSE(scene->find(QStringLiteral("noticeText"))->property("text").toString().isEmpty());
        scene->grab(QStringLiteral("live-sheet-closed-%1").arg(QLatin1String(mode)));
    }
}

TEST_F(LiveApp, AnEditInProgressKeepsWhatAnotherProgramChangedMeanwhile)
{
    store->setCurrentPage(1);
    QMetaObject::invokeMethod(sheet(), "present", Q_ARG(QVariant, QStringLiteral("edit")));
    scene->settle(500);
    QQuickItem *form = nullptr;
    for (QObject *object : scene->item()->findChildren<QObject *>()) {
        if (auto *item = qobject_cast<QQuickItem *>(object); item && item->property("form").value<EventForm *>())
            form = item;
    }
    ASSERT_TRUE(form);
    auto *eventForm = form->property("form").value<EventForm *>();

    // Another program renames the event while the person picks a new date.
    cli({QStringLiteral("edit"), QStringLiteral("1"), QStringLiteral("--title"), QStringLiteral("Renamed elsewhere")});
    ASSERT_TRUE(follows([&] { return store->magicDates().at(1).dateTitle == QStringLiteral("Renamed elsewhere"); }));
    eventForm->setSelectedDate(localTime(2028, 8, 1, 12));
    eventForm->save();
    ASSERT_TRUE(waitUntil([&] { return store->magicDates().at(1).ddate == QStringLiteral("2028-08-01"); }));
    EXPECT_EQ(store->magicDates().at(1).dateTitle, QStringLiteral("Renamed elsewhere"));
}

TEST_F(LiveApp, TheSummaryListShowsWhatTheCommandLineAdds)
{
    QMetaObject::invokeMethod(sheet(), "present", Q_ARG(QVariant, QStringLiteral("overview")));
    scene->settle(500);
    ASSERT_TRUE(drawn(QStringLiteral("summaryRow2")));
    cli({QStringLiteral("add"), QStringLiteral("Exam"), QStringLiteral("2027-02-01")});
    ASSERT_TRUE(follows([&] { return drawn(QStringLiteral("summaryRow3")) != nullptr; }));
    scene->grab(QStringLiteral("live-summary"));
}
