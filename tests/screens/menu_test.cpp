#include "scenetaps.h"
#include <support/qmlscene.h>
#include <support/testenvironment.h>
#include <support/testevents.h>

#include <model/edate.h>
#include <model/widgetcontent.h>
#include <platform/notificationcenter.h>
#include <platform/settingsstore.h>
#include <screens/viewmodels/aboutapps.h>
#include <screens/viewmodels/bottommenu.h>
#include <screens/viewmodels/storelinks.h>
#include <store/userdata.h>

#include <QFile>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <map>

namespace {

// An event with the colours of one of the app's themes (pink text on a pale rose page).
EDate event(int i)
{
    return TestEvent::numbered(i).theme(1003).colours(QStringLiteral("FFE3E3"), QStringLiteral("8C1C3A"),
                                                      QStringLiteral("E5566F"), QStringLiteral("FF9AA2"),
                                                      QStringLiteral("Love"), QStringLiteral("FFDE74"));
}

QList<EDate> events(int count)
{
    QList<EDate> list;
    for (int i = 0; i < count; ++i)
        list.append(event(i));
    return list;
}

QStringList titles(const QList<EDate> &list)
{
    QStringList out;
    for (const EDate &e : list)
        out.append(e.dateTitle);
    return out;
}

QStringList publishedTitles()
{
    QFile file(widgetContentsPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList out;
    for (const WidgetContent &record : decodeWidgetContents(file.readAll()).value_or(QList<WidgetContent>()))
        out.append(record.dateTitle);
    return out;
}

int pendingFor(const EDate &e)
{
    int n = 0;
    for (const NotificationRequest &request : NotificationCenter().pendingRequests())
        n += request.identifier.contains(e.id) ? 1 : 0;
    return n;
}

// The share of an item's area drawn in (about) this colour.
double shareOf(const QImage &image, QQuickItem *item, const QColor &colour)
{
    const QRectF box = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    int hits = 0, all = 0;
    for (int y = int(box.top()); y < int(box.bottom()); ++y) {
        for (int x = int(box.left()); x < int(box.right()); ++x) {
            ++all;
            hits += near(pixel(image, x, y), colour, 10) ? 1 : 0;
        }
    }
    return all ? double(hits) / all : 0;
}

// The title of the event a summary row shows.
QString rowTitle(QQuickItem *row)
{
    auto *event = row ? row->property("event").value<EventRow *>() : nullptr;
    return event ? event->record().dateTitle : QString();
}

// Records the addresses the app would open in the browser.
struct OpenedLinks
{
    QList<QUrl> urls;
    OpenedLinks()
    {
        StoreLinks::setOpener([this](const QUrl &url) {
            urls.append(url);
            return true;
        });
    }
    ~OpenedLinks() { StoreLinks::setOpener({}); }
};

class Menu : public ::testing::Test
{
protected:
    TemporaryHome home;
    ScopedLocale locale{QStringLiteral("en_US")};
};

} // namespace

TEST_F(Menu, DeletingTheOnlyEventIsRefusedAndTheAlertComesBackAfterEachDismissal)
{
    seedEvents(events(1));
    UserData store;
    store.notificationHelper()->addNotification(event(0), NotiDays::three);
    const QByteArray before = SettingsStore().value(UserData::kEventsKey).toByteArray();

    QmlScene scene(QStringLiteral("BottomMenuView"),
                   {{QStringLiteral("store"), storeValue(store)}, {QStringLiteral("event"), rowOf(event(0), store)}});
    ASSERT_TRUE(scene.item());
    auto *alert = scene.find(QStringLiteral("deleteAlert"));
    ASSERT_TRUE(alert);

    for (int round = 0; round < 2; ++round) {
        tap(scene, scene.find(QStringLiteral("deleteButton")));
        EXPECT_TRUE(alert->property("open").toBool()) << round;
        EXPECT_EQ(alert->property("title").toString(), qtTrId("You can't delete the last one"));
        EXPECT_EQ(alert->property("message").toString(), qtTrId("Please create a new one first"));
        EXPECT_EQ(alert->property("primaryText").toString(), qtTrId("OK"));
        tap(scene, alert->findChild<QQuickItem *>(QStringLiteral("alertPrimary")));
        EXPECT_FALSE(alert->property("open").toBool()) << round;
        EXPECT_FALSE(scene.item()->property("showAlertDelete").toBool()) << round;
    }
    EXPECT_EQ(store.count(), 1);
    EXPECT_EQ(SettingsStore().value(UserData::kEventsKey).toByteArray(), before);
    EXPECT_EQ(pendingFor(event(0)), 4);
}

TEST_F(Menu, DeleteRemovesTheEventOnScreenWithItsRemindersAndShowsThePageBefore)
{
    seedEvents(events(3));
    UserData store;
    for (int i = 0; i < 3; ++i)
        store.notificationHelper()->addNotification(event(i), NotiDays::one);
    store.setCurrentPage(2);

    BottomMenu menu;
    menu.setStore(&store);
    menu.deleteEventWithId(event(2).id);

    EXPECT_FALSE(menu.showAlertDelete());
    EXPECT_EQ(titles(store.magicDates()), (QStringList{"E0", "E1"}));
    EXPECT_EQ(titles(savedEvents()), (QStringList{"E0", "E1"}));
    EXPECT_EQ(store.currentPage(), 1);
    EXPECT_EQ(pendingFor(event(2)), 0);
    EXPECT_EQ(pendingFor(event(1)), 1);
    EXPECT_EQ(publishedTitles(), (QStringList{"E0", "E1"}));
}

TEST_F(Menu, DeletingTheFirstPageStaysOnTheFirstPage)
{
    seedEvents(events(3));
    UserData store;
    store.notificationHelper()->addNotification(event(0), NotiDays::seven);
    store.setCurrentPage(0);

    BottomMenu menu;
    menu.setStore(&store);
    menu.deleteEventWithId(event(0).id);

    EXPECT_EQ(titles(savedEvents()), (QStringList{"E1", "E2"}));
    EXPECT_EQ(store.currentPage(), 0);
    EXPECT_EQ(pendingFor(event(0)), 0);
}

TEST_F(Menu, AddEditAndRemindersChooseAndPresentThePageSheet)
{
    seedEvents(events(2));
    UserData store;
    const std::pair<const char *, const char *> buttons[] = {
        {"addButton", "add"}, {"editButton", "edit"}, {"reminderButton", "noti"}};
    for (const auto &[button, mode] : buttons) {
        QmlScene scene(QStringLiteral("BottomMenuView"),
                       {{QStringLiteral("store"), storeValue(store)}, {QStringLiteral("event"), rowOf(event(0), store)}});
        ASSERT_TRUE(scene.item());
        QSignalSpy requests(scene.item(), SIGNAL(requestSheet(QString)));
        tap(scene, scene.find(QString::fromLatin1(button)));
        EXPECT_EQ(scene.item()->property("mode").toString(), QLatin1String(mode));
        EXPECT_TRUE(scene.item()->property("dismissModal").toBool()) << button;
        ASSERT_EQ(requests.size(), 1) << button;
        EXPECT_EQ(requests.at(0).at(0).toString(), QLatin1String(mode));
        EXPECT_EQ(store.count(), 2);
    }
}

TEST_F(Menu, TheBottomMenuDrawsTheAddCircleInTheLineColourAndTheIconsInTheTextColour)
{
    seedEvents(events(2));
    UserData store;
    const EDate shown = event(0);
    QmlScene scene(QStringLiteral("BottomMenuView"),
                   {{QStringLiteral("store"), storeValue(store)}, {QStringLiteral("event"), rowOf(shown, store)}});
    ASSERT_TRUE(scene.item());
    // Where the event page puts it: padded 30 leading, 14 trailing and 25 at the bottom.
    scene.window().setColor(QColor(QStringLiteral("#") + shown.bgColor));
    scene.item()->setPosition(QPointF(30, 844 - 25 - 68));
    scene.item()->setWidth(390 - 30 - 14);
    scene.settle(100);
    const QImage image = scene.grab(QStringLiteral("bottom-menu"));

    const QColor line(QStringLiteral("#") + shown.lineColor);
    const QColor font(QStringLiteral("#") + shown.fontColor);
    QQuickItem *circle = scene.find(QStringLiteral("addCircle"));
    ASSERT_TRUE(circle);
    const QPointF centre = centreOf(circle);
    EXPECT_TRUE(near(pixel(image, int(centre.x() + 20), int(centre.y() + 20)), line));
    EXPECT_TRUE(near(pixel(image, int(centre.x() - 22), int(centre.y() - 14)), line));
    // The white plus in the middle.
    EXPECT_TRUE(near(pixel(image, int(centre.x()), int(centre.y())), Qt::white));
    // Moved 8 to the left of its place in the row.
    EXPECT_DOUBLE_EQ(circle->mapToScene(QPointF(0, 0)).x(), 30 - 8);

    for (const char *name : {"editButtonIcon", "reminderButtonIcon", "deleteButtonIcon"}) {
        QQuickItem *icon = scene.find(QString::fromLatin1(name));
        ASSERT_TRUE(icon) << name;
        EXPECT_GT(shareOf(image, icon, font), 0.08) << name;
        EXPECT_EQ(shareOf(image, icon, Qt::black), 0) << name;
    }
    // The delete icon keeps 20 from the row's end.
    QQuickItem *deleteIcon = scene.find(QStringLiteral("deleteButtonIcon"));
    EXPECT_NEAR(deleteIcon->mapToScene(QPointF(deleteIcon->width(), 0)).x(), 390 - 14 - 20, 0.5);
}

TEST_F(Menu, DraggingTheLastRowOfTheSummaryToTheTopSavesAndRepublishesTheNewOrder)
{
    seedEvents(events(3));
    UserData store;
    ASSERT_EQ(publishedTitles(), (QStringList{"E0", "E1", "E2"}));
    QmlScene scene(QStringLiteral("EventSummaryView"),
                   {{QStringLiteral("store"), storeValue(store)}, {QStringLiteral("event"), rowOf(event(1), store)}, {QStringLiteral("events"), rowsOf(store)}});
    ASSERT_TRUE(scene.item());
    scene.settle(100);

    QQuickItem *handle = findItem(scene.item(), QStringLiteral("reorderHandle2"));
    QQuickItem *top = findItem(scene.item(), QStringLiteral("summaryRow0"));
    ASSERT_TRUE(handle);
    ASSERT_TRUE(top);
    const QPoint from = centreOf(handle).toPoint();
    const QPoint to(from.x(), int(top->mapToScene(QPointF(0, 10)).y()));
    QTest::mousePress(&scene.window(), Qt::LeftButton, {}, from);
    for (int step = 1; step <= 10; ++step) {
        QTest::mouseMove(&scene.window(), QPoint(from.x(), from.y() + (to.y() - from.y()) * step / 10));
        scene.settle(10);
    }
    // Rows follow the finger before it lets go; the store does not yet.
    EXPECT_EQ(rowTitle(findItem(scene.item(), QStringLiteral("summaryRow0"))), QStringLiteral("E2"));
    EXPECT_EQ(titles(store.magicDates()), (QStringList{"E0", "E1", "E2"}));
    QTest::mouseRelease(&scene.window(), Qt::LeftButton, {}, to);
    scene.settle(50);

    EXPECT_EQ(titles(store.magicDates()), (QStringList{"E2", "E0", "E1"}));
    EXPECT_EQ(titles(savedEvents()), (QStringList{"E2", "E0", "E1"}));
    EXPECT_EQ(publishedTitles(), (QStringList{"E2", "E0", "E1"}));
    EXPECT_EQ(rowTitle(findItem(scene.item(), QStringLiteral("summaryRow0"))), QStringLiteral("E2"));
    EXPECT_EQ(rowTitle(findItem(scene.item(), QStringLiteral("summaryRow2"))), QStringLiteral("E1"));
}

TEST_F(Menu, HoldingADraggedRowAtTheSummarysEdgeScrollsTheListOn)
{
    seedEvents(events(20));
    UserData store;
    QmlScene scene(QStringLiteral("EventSummaryView"),
                   {{QStringLiteral("store"), storeValue(store)}, {QStringLiteral("event"), rowOf(event(0), store)}, {QStringLiteral("events"), rowsOf(store)}});
    ASSERT_TRUE(scene.item());
    scene.settle(100);
    QQuickItem *list = scene.find(QStringLiteral("summaryList"));
    ASSERT_TRUE(list);
    ASSERT_GT(list->property("contentHeight").toReal(), 2 * list->height());

    const QPoint from = centreOf(findItem(scene.item(), QStringLiteral("reorderHandle0"))).toPoint();
    const QPoint bottom(from.x(), int(list->mapToScene(QPointF(0, list->height() - 10)).y()));
    QTest::mousePress(&scene.window(), Qt::LeftButton, {}, from);
    for (int step = 1; step <= 10; ++step) {
        QTest::mouseMove(&scene.window(), QPoint(from.x(), from.y() + (bottom.y() - from.y()) * step / 10));
        scene.settle(10);
    }
    // Held at the edge until the list has reached its end.
    for (int i = 0; i < 100 && titles(store.magicDates()).constFirst() == QLatin1String("E0"); ++i) {
        scene.settle(40);
        if (rowTitle(findItem(scene.item(), QStringLiteral("summaryRow19"))) == QLatin1String("E0"))
            break;
    }
    QTest::mouseRelease(&scene.window(), Qt::LeftButton, {}, bottom);
    scene.settle(50);

    const QStringList order = titles(savedEvents());
    ASSERT_EQ(order.size(), 20);
    EXPECT_EQ(order.constLast(), QStringLiteral("E0"));
    EXPECT_EQ(order.constFirst(), QStringLiteral("E1"));
}

TEST_F(Menu, TheSummaryDrawsEveryRowInTheOpeningEventsTextColourOnWhite)
{
    QList<EDate> list = events(3);
    list[1].dateTitle = QStringLiteral("<b>Trip</b> to the sea");
    seedEvents(list);
    UserData store;
    QmlScene scene(QStringLiteral("EventSummaryView"),
                   {{QStringLiteral("store"), storeValue(store)}, {QStringLiteral("event"), rowOf(event(0), store)}, {QStringLiteral("events"), rowsOf(store)}});
    ASSERT_TRUE(scene.item());
    scene.settle(100);
    const QImage image = scene.grab(QStringLiteral("summary"));

    EXPECT_TRUE(near(pixel(image, 5, 400), Qt::white));
    for (int row = 0; row < 3; ++row) {
        QQuickItem *rowItem = findItem(scene.item(), QStringLiteral("summaryRow%1").arg(row));
        ASSERT_TRUE(rowItem);
        EXPECT_GT(shareOf(image, rowItem, QColor(0x8C, 0x1C, 0x3A)), 0.004) << row;
        EXPECT_EQ(rowTitle(rowItem), list[row].dateTitle);
    }
    // Titles are text, never markup.
    auto *title = findItem(findItem(scene.item(), QStringLiteral("summaryRow1")), QStringLiteral("cellTitle"));
    ASSERT_TRUE(title);
    EXPECT_EQ(title->property("textFormat").toInt(), 0 /* Text.PlainText */);
    EXPECT_EQ(title->property("text").toString(), list[1].dateTitle);
}

TEST_F(Menu, TheSummaryOfALightTextThemeStaysReadableOnWhite)
{
    EDate light = event(0);
    light.bgColor = QStringLiteral("014E7E");
    light.fontColor = QStringLiteral("FFF480");
    seedEvents({light, event(1)});
    UserData store;
    QmlScene scene(QStringLiteral("EventSummaryView"),
                   {{QStringLiteral("store"), storeValue(store)}, {QStringLiteral("event"), rowOf(light, store)}, {QStringLiteral("events"), rowsOf(store)}});
    ASSERT_TRUE(scene.item());
    scene.settle(100);
    const QImage image = scene.grab(QStringLiteral("summary-light-theme"));
    QQuickItem *row = findItem(scene.item(), QStringLiteral("summaryRow0"));
    ASSERT_TRUE(row);
    EXPECT_EQ(shareOf(image, row, QColor(0xFF, 0xF4, 0x80)), 0);
    EXPECT_GT(shareOf(image, row, QColor(0x01, 0x4E, 0x7E)), 0.004);
}

TEST(AboutApps, EachShowingDrawsANewOrderOfTheNineApps)
{
    AboutApps about;
    QStringList expected = StoreLinks::appNames();
    ASSERT_EQ(expected.size(), 9);
    expected.sort();

    bool changed = false;
    QStringList previous = about.apps();
    for (int i = 0; i < 20 && !changed; ++i) {
        about.shuffle();
        changed = about.apps() != previous;
        QStringList sorted = about.apps();
        sorted.sort();
        EXPECT_EQ(sorted, expected);
        previous = about.apps();
    }
    EXPECT_TRUE(changed);
}

TEST(AboutApps, EveryAppIsEquallyLikelyToComeFirst)
{
    AboutApps about;
    std::map<QString, int> first;
    const int draws = 9000;
    for (int i = 0; i < draws; ++i) {
        about.shuffle();
        ++first[about.apps().constFirst()];
    }
    ASSERT_EQ(first.size(), 9u);
    // 1000 expected each; the bounds lie more than six standard deviations out.
    for (const auto &[name, count] : first) {
        EXPECT_GT(count, 800) << name.toStdString();
        EXPECT_LT(count, 1200) << name.toStdString();
    }
}

TEST(AboutApps, TheBlockReshufflesWhenShownAgainAndATapOpensThatAppsStorePage)
{
    OpenedLinks opened;
    ScopedLocale locale(QStringLiteral("en_US"));
    QmlScene scene(QStringLiteral("IntroduceOstraView"), {{QStringLiteral("width"), 340}}, QSize(390, 844));
    ASSERT_TRUE(scene.item());
    scene.window().setColor(QColor(0xE5, 0x56, 0x6F));
    scene.item()->setX(25);
    scene.settle(100);
    scene.grab(QStringLiteral("about"));

    bool changed = false;
    QStringList previous = scene.item()->property("apps").toStringList();
    for (int i = 0; i < 20 && !changed; ++i) {
        scene.item()->setVisible(false);
        scene.item()->setVisible(true);
        changed = scene.item()->property("apps").toStringList() != previous;
    }
    EXPECT_TRUE(changed);
    scene.settle(50);

    const QStringList apps = scene.item()->property("apps").toStringList();
    QQuickItem *row = findItem(scene.item(), QStringLiteral("appRow3"));
    ASSERT_TRUE(row);
    ASSERT_TRUE(findItem(scene.item(), QStringLiteral("appIcon3")));
    EXPECT_EQ(findItem(scene.item(), QStringLiteral("appIcon3"))->property("status").toInt(), 1 /* Image.Ready */);
    tap(scene, row);
    ASSERT_EQ(opened.urls.size(), 1);
    EXPECT_EQ(opened.urls.at(0).toString(), StoreLinks::appLink(apps.at(3)));
    EXPECT_FALSE(StoreLinks::appLink(apps.at(3)).isEmpty());
    // A name outside the table opens nothing.
    AboutApps about;
    EXPECT_FALSE(about.open(QStringLiteral("Tallowick")));
    EXPECT_EQ(opened.urls.size(), 1);
}

TEST(RateUs, TheStarsOpenTheReviewFormOfTheAppsStorePage)
{
    OpenedLinks opened;
    ScopedLocale locale(QStringLiteral("en_US"));
    QmlScene scene(QStringLiteral("RateUs"), {{QStringLiteral("width"), 340}}, QSize(390, 300));
    ASSERT_TRUE(scene.item());
    scene.window().setColor(QColor(0xE5, 0x56, 0x6F));
    scene.item()->setPosition(QPointF(25, 20));
    scene.settle(50);
    const QImage image = scene.grab(QStringLiteral("rate-us"));
    QQuickItem *stars = scene.find(QStringLiteral("rateButton"));
    ASSERT_TRUE(stars);
    EXPECT_GT(shareOf(image, stars, Qt::white), 0.1);

    tap(scene, stars);
    ASSERT_EQ(opened.urls.size(), 1);
    // The app's page in the desktop's software centre, where it is reviewed.
    EXPECT_EQ(opened.urls.at(0).toString(), QStringLiteral("appstream:org.tallowick.Tallowick"));
}

TEST(StoreLinks, TextThatIsNotAWebAddressOpensNothing)
{
    OpenedLinks opened;
    EXPECT_FALSE(StoreLinks::openLink(QString()));
    EXPECT_FALSE(StoreLinks::openLink(QStringLiteral("not a link")));
    EXPECT_FALSE(StoreLinks::openLink(QStringLiteral("file:///etc/passwd")));
    EXPECT_FALSE(StoreLinks::openLink(QStringLiteral("appstream:org.example.Other")));
    EXPECT_TRUE(opened.urls.isEmpty());
    EXPECT_TRUE(StoreLinks::openLink(StoreLinks::reviewLink()));
    EXPECT_EQ(opened.urls.size(), 1);
}

TEST(TintedIcon, DrawsTheShapeInTheGivenColourAndKeepsItsAspect)
{
    QmlScene plus(QStringLiteral("TintedIcon"),
                  {{QStringLiteral("source"), QStringLiteral("qrc:/tallowick/images/Add.svg")},
                   {QStringLiteral("color"), QColor(0xFF, 0x75, 0x80)},
                   {QStringLiteral("width"), 48},
                   {QStringLiteral("height"), 48}},
                  QSize(48, 48));
    ASSERT_TRUE(plus.item());
    const QImage drawn = plus.grab(QStringLiteral("tinted-icon"));
    EXPECT_TRUE(near(pixel(drawn, 24, 24), QColor(0xFF, 0x75, 0x80)));
    EXPECT_TRUE(near(pixel(drawn, 24, 12), QColor(0xFF, 0x75, 0x80)));
    EXPECT_TRUE(near(pixel(drawn, 4, 4), Qt::black));
    EXPECT_EQ(plus.item()->implicitWidth(), 24);

    // A wide picture in a square keeps its shape: nothing above or below its band.
    QmlScene stars(QStringLiteral("TintedIcon"),
                   {{QStringLiteral("source"), QStringLiteral("qrc:/tallowick/images/rateus.svg")},
                    {QStringLiteral("color"), QColor(Qt::white)},
                    {QStringLiteral("width"), 100},
                    {QStringLiteral("height"), 100}},
                   QSize(100, 100));
    ASSERT_TRUE(stars.item());
    const QImage wide = stars.grab();
    int whiteRows = 0;
    for (int y = 0; y < 100; ++y) {
        bool any = false;
        for (int x = 0; x < 100 && !any; ++x)
            any = near(pixel(wide, x, y), Qt::white, 40);
        whiteRows += any ? 1 : 0;
        if (y < 35 || y > 65) {
            EXPECT_FALSE(any) << y;
        }
    }
    EXPECT_GT(whiteRows, 18);
}
