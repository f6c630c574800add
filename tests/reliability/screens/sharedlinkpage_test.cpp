// A shared-event link is added in one locked step with its limit check (so two processes can
// never both take the last place); the running app must still show the new event at once,
// wherever its pager was.

#include <model/hexcolor.h>
#include <store/linkdispatch.h>
#include <store/userdata.h>
#include <support/qmlscene.h>
#include <support/testenvironment.h>

#include <QQuickItem>
#include <gtest/gtest.h>

TEST(SharedLinkPage, TheAddedEventIsShownWhereverThePagerWas)
{
    TemporaryHome home;
    FixedClock clock{localTime(2026, 12, 8, 9)};
    UserData store;
    QmlScene scene(QStringLiteral("ContentView"), QVariantMap{{QStringLiteral("userData"), QVariant::fromValue(&store)},
                                                              {QStringLiteral("animateEntrance"), false}});
    ASSERT_TRUE(scene.item());
    store.setCurrentPage(2);
    scene.settle(600);
    ASSERT_TRUE(near(pixel(scene.grab(), 5, 5), hexColor(store.magicDates().at(2).bgColor)));

    // Theme 1's background differs from the third default event's.
    ASSERT_TRUE(dispatchLink(store, QStringLiteral("tallowick://share?ddate=2027-03-01&countdown=true&dateTitle=Shared&colorIndex=1")));
    scene.settle(600);
    EXPECT_EQ(store.currentPage(), 0);
    EXPECT_EQ(store.magicDates().at(0).dateTitle, QStringLiteral("Shared"));
    const QImage shown = scene.grab(QStringLiteral("shared-link-page"));
    EXPECT_TRUE(near(pixel(shown, 5, 5), hexColor(store.magicDates().at(0).bgColor)));
    EXPECT_FALSE(near(hexColor(store.magicDates().at(0).bgColor), hexColor(store.magicDates().at(3).bgColor)));
}
