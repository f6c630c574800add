#include <model/hexcolor.h>
#include <store/userdata.h>
#include <support/qmlscene.h>
#include <support/testenvironment.h>

#include <QQuickItem>
#include <functional>
#include <gtest/gtest.h>

namespace {

class RootScreen : public ::testing::Test
{
protected:
    TemporaryHome home;
    FixedClock clock{localTime(2026, 12, 8, 9)};
    UserData store;

    std::unique_ptr<QmlScene> show()
    {
        auto scene = std::make_unique<QmlScene>(
            QStringLiteral("ContentView"),
            QVariantMap{{QStringLiteral("store"), QVariant::fromValue(&store)},
                        {QStringLiteral("animateEntrance"), false}});
        scene->settle(200);
        return scene;
    }

    QQuickItem *sheet(QmlScene &scene) { return scene.item()->findChild<QQuickItem *>(QStringLiteral("sheetPanel")); }
};

} // namespace

TEST_F(RootScreen, ShowsTheCurrentPageAndFollowsTheStore)
{
    auto scene = show();
    ASSERT_TRUE(scene->item());
    QImage image = scene->grab(QStringLiteral("root-page0"));
    const EDate &first = store.magicDates().at(0);
    EXPECT_TRUE(near(pixel(image, 5, 5), hexColor(first.bgColor)));

    store.setCurrentPage(2);
    scene->settle(600);
    image = scene->grab(QStringLiteral("root-page2"));
    EXPECT_TRUE(near(pixel(image, 5, 5), hexColor(store.magicDates().at(2).bgColor)));
}

TEST_F(RootScreen, EachMenuActionOpensItsSheetOverEverything)
{
    auto scene = show();
    ASSERT_TRUE(scene->item());
    QObject *pager = scene->item()->findChild<QObject *>(QStringLiteral("pages"));
    ASSERT_TRUE(pager);
    for (const char *mode : {"add", "edit", "noti", "overview"}) {
        QMetaObject::invokeMethod(scene->item()->findChild<QObject *>(QStringLiteral("eventSheet")), "present",
                                  Q_ARG(QVariant, QString::fromLatin1(mode)));
        scene->settle(500);
        const QImage image = scene->grab(QStringLiteral("root-sheet-%1").arg(QLatin1String(mode)));
        QQuickItem *panel = sheet(*scene);
        ASSERT_TRUE(panel);
        EXPECT_LT(panel->y(), 100) << mode;
        // The sheet's content is drawn: the form or list is not the page's own background.
        EXPECT_FALSE(near(pixel(image, 195, 400), hexColor(store.magicDates().at(0).bgColor))) << mode;
        QMetaObject::invokeMethod(scene->item()->findChild<QObject *>(QStringLiteral("eventSheet")), "dismiss");
        scene->settle(500);
        EXPECT_FALSE(scene->item()->findChild<QQuickItem *>(QStringLiteral("eventSheet"))->isVisible()) << mode;
    }
}

TEST_F(RootScreen, MakesPagesAndTilesOnlyNearTheScreen)
{
    while (store.count() < UserData::kMaxEvents)
        store.addEvent(localTime(2027, 1, 1), QStringLiteral("Event %1").arg(store.count()), true, 1003);
    store.setCurrentPage(15);
    auto scene = show();
    ASSERT_TRUE(scene->item());
    scene->settle(300);
    // One page on screen, maybe a neighbour: never all thirty.
    QList<QQuickItem *> titles;
    const std::function<void(QQuickItem *)> collect = [&](QQuickItem *item) {
        if (item->objectName() == QLatin1String("eventTitle"))
            titles.append(item);
        for (QQuickItem *child : item->childItems())
            collect(child);
    };
    collect(scene->item());
    EXPECT_GE(titles.size(), 1);
    EXPECT_LE(titles.size(), 3);
    bool showsPage15 = false;
    for (QQuickItem *title : titles)
        showsPage15 = showsPage15 || title->property("text").toString() == store.magicDates().at(15).dateTitle;
    EXPECT_TRUE(showsPage15);
}
