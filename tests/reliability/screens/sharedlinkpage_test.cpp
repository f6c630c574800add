// A shared-event link can come from any web page: the running app shows what it would add and
// adds it only once the person confirms, in one locked step with the limit and the title
// checks; the new event is then shown, wherever the pager was.

#include <model/hexcolor.h>
#include <store/linkdispatch.h>
#include <store/userdata.h>
#include <support/qmlscene.h>
#include <support/testenvironment.h>

#include <QQuickItem>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void tap(QmlScene &scene, QQuickItem *item)
{
    ASSERT_TRUE(item);
    QTest::mouseClick(&scene.window(), Qt::LeftButton, {}, item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint());
}

QString titleTyped(QmlScene &scene)
{
    QQuickItem *editor = scene.find(QStringLiteral("titleEditor"));
    return editor ? editor->property("text").toString() : QString();
}

} // namespace

TEST(SharedLinkPage, TheOfferedEventIsAddedOnConfirmAndShownWhereverThePagerWas)
{
    TemporaryHome home;
    FixedClock clock{localTime(2026, 12, 8, 9)};
    UserData store;
    QmlScene scene(QStringLiteral("ContentView"), QVariantMap{{QStringLiteral("store"), QVariant::fromValue(&store)},
                                                              {QStringLiteral("animateEntrance"), false}});
    ASSERT_TRUE(scene.item());
    store.setCurrentPage(2);
    scene.settle(600);
    ASSERT_TRUE(near(pixel(scene.grab(), 5, 5), hexColor(store.magicDates().at(2).bgColor)));

    // Theme 1's background differs from the third default event's.
    const QString link = QStringLiteral("tallowick://share?ddate=2027-03-01&countdown=true&dateTitle=Shared&colorIndex=1");
    ASSERT_TRUE(dispatchLink(store, link));
    scene.settle(600);
    QQuickItem *sheet = scene.find(QStringLiteral("eventSheet"));
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(sheet->property("open").toBool());
    EXPECT_EQ(titleTyped(scene), QStringLiteral("Shared"));
    scene.grab(QStringLiteral("shared-link-offer"));
    EXPECT_EQ(store.count(), 3);

    tap(scene, scene.find(QStringLiteral("saveButton")));
    scene.settle(600);
    EXPECT_FALSE(sheet->property("open").toBool());
    ASSERT_EQ(store.count(), 4);
    EXPECT_EQ(store.currentPage(), 0);
    EXPECT_EQ(store.magicDates().at(0).dateTitle, QStringLiteral("Shared"));
    EXPECT_EQ(store.magicDates().at(0).ddate, QStringLiteral("2027-03-01"));
    const QImage shown = scene.grab(QStringLiteral("shared-link-page"));
    EXPECT_TRUE(near(pixel(shown, 5, 5), hexColor(store.magicDates().at(0).bgColor)));
    EXPECT_FALSE(near(hexColor(store.magicDates().at(0).bgColor), hexColor(store.magicDates().at(3).bgColor)));

    // The same link again: the form says the title is taken instead of adding it twice.
    ASSERT_TRUE(dispatchLink(store, link));
    scene.settle(600);
    tap(scene, scene.find(QStringLiteral("saveButton")));
    scene.settle(300);
    QQuickItem *taken = scene.find(QStringLiteral("titleTakenAlert"));
    ASSERT_TRUE(taken);
    EXPECT_TRUE(taken->property("open").toBool());
    EXPECT_TRUE(sheet->property("open").toBool());
    EXPECT_EQ(store.count(), 4);
    scene.grab(QStringLiteral("shared-link-title-taken"));
}
