#include "scenetaps.h"
#include <support/qmlscene.h>
#include <support/testenvironment.h>
#include <support/testevents.h>

#include <model/edate.h>
#include <platform/notificationcenter.h>
#include <platform/settingsstore.h>
#include <store/userdata.h>

#include <QGuiApplication>
#include <QQuickItem>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

// Every screen at every window size, from the smallest phone-sized window to a desktop's whole
// screen, at the display scale this run draws at (QT_SCALE_FACTOR; the tests run again at 150
// and 200 %, where a screen's area holds a smaller window): the page's title, date and count
// inside the window, fitting their boxes, clear of each other and of the picture (counts of
// one to seven digits, a title of twenty wide letters); and every control of every screen in
// reach, wholly in sight once the keyboard's focus is on it.

namespace {

// Where a window stands: a window of this size, or a whole screen of this size, which a
// display scale shrinks (1280 x 800 at 200 % leaves 640 x 400 for the window).
struct Place
{
    QSize size;
    bool wholeScreen;
};

void PrintTo(const Place &place, std::ostream *os)
{
    *os << (place.wholeScreen ? "screen " : "window ") << place.size.width() << "x" << place.size.height();
}

qreal displayScale()
{
    return QGuiApplication::primaryScreen()->devicePixelRatio();
}

QSize windowSize(const Place &place)
{
    return place.wholeScreen ? (QSizeF(place.size) / displayScale()).toSize() : place.size;
}

EDate event(const QString &title, const QDate &date, bool countdown = true)
{
    return TestEvent::numbered(int(title.size()))
        .titled(title)
        .on(date)
        .counting(countdown)
        .theme(1003)
        .colours(QStringLiteral("FEEDEB"), QStringLiteral("FF5A5F"), QStringLiteral("FF5A5F"), QStringLiteral("FFFFFF"),
                 QStringLiteral("FlatBar"), QStringLiteral("FF5A5F"));
}

QRectF sceneBox(QQuickItem *item, qreal width, qreal height)
{
    return item->mapRectToScene(QRectF(0, 0, width, height));
}

// The items named `name` at any depth whose middle lies inside the window: the page on screen,
// not its neighbours made ahead of a swipe.
QList<QQuickItem *> onScreen(QmlScene &scene, const QString &name)
{
    QList<QQuickItem *> found;
    const QRectF window(QPointF(0, 0), scene.window().size());
    const std::function<void(QQuickItem *)> collect = [&](QQuickItem *item) {
        if (item->objectName() == name && item->isVisible() && window.contains(centreOf(item)))
            found.append(item);
        for (QQuickItem *child : item->childItems())
            collect(child);
    };
    collect(scene.item());
    return found;
}

class WindowSizes : public ::testing::TestWithParam<Place>
{
protected:
    TemporaryHome home;
    ScopedLocale locale{QStringLiteral("en_US")};
    FixedClock clock{localTime(2026, 12, 8, 9)};
    std::optional<UserData> store;

    void SetUp() override
    {
        const QDate today(2026, 12, 8);
        // Counts of one to seven digits, a negative one, and the widest title there is.
        const QList<EDate> list{
            event(QStringLiteral("One"), today.addDays(5)),
            event(QStringLiteral("Two digits"), today.addDays(50)),
            event(QStringLiteral("Three digits"), today.addDays(500)),
            event(QStringLiteral("Four digits"), today.addDays(5000)),
            event(QStringLiteral("Five digits"), today.addDays(50000)),
            event(QStringLiteral("Six digits"), today.addDays(500000)),
            event(QStringLiteral("Seven digits"), QDate(9999, 12, 31)),
            event(QStringLiteral("Long ago"), QDate(1950, 7, 1)),
            event(QStringLiteral("WWWWWWWWWWWWWWWWWWWW"), today.addDays(12)),
        };
        ASSERT_TRUE(SettingsStore().setValue(UserData::kEventsKey, encodeEventList(list)));
        store.emplace();
        ASSERT_EQ(store->count(), list.size());
    }

    std::unique_ptr<QmlScene> makeScene(QSize size)
    {
        return std::make_unique<QmlScene>(QStringLiteral("ContentView"),
                                          QVariantMap{{QStringLiteral("store"), QVariant::fromValue(&*store)},
                                                      {QStringLiteral("animateEntrance"), false}},
                                          size);
    }
};

} // namespace

TEST_P(WindowSizes, TitleDateAndCountLieInsideTheWindowAndClearOfThePicture)
{
    const QSize size = windowSize(GetParam());
    const auto shown = makeScene(size);
    QmlScene &scene = *shown;
    ASSERT_TRUE(scene.item());
    const QRectF window(0, 0, size.width(), size.height());
    for (int page = 0; page < store->count(); ++page) {
        store->setCurrentPage(page);
        scene.settle(350);
        const QString title = store->magicDates().at(page).dateTitle;
        SCOPED_TRACE(QStringLiteral("%1x%2 \"%3\"").arg(size.width()).arg(size.height()).arg(title).toStdString());
        const QList<QQuickItem *> titles = onScreen(scene, QStringLiteral("eventTitle"));
        const QList<QQuickItem *> dates = onScreen(scene, QStringLiteral("eventDate"));
        const QList<QQuickItem *> counts = onScreen(scene, QStringLiteral("dayCount"));
        const QList<QQuickItem *> circles = onScreen(scene, QStringLiteral("circle"));
        ASSERT_EQ(titles.size(), 1);
        ASSERT_EQ(dates.size(), 1);
        ASSERT_EQ(counts.size(), 1);
        ASSERT_EQ(circles.size(), 1);
        EXPECT_EQ(titles.first()->property("text").toString(), title);

        // Each text fits its box: nothing cut, no line beyond the title's two.
        for (QQuickItem *text : {titles.first(), dates.first(), counts.first()}) {
            EXPECT_FALSE(text->property("truncated").toBool()) << text->objectName().toStdString();
            EXPECT_LE(text->property("contentWidth").toReal(), text->width() + 0.5)
                << text->objectName().toStdString() << " " << text->property("text").toString().toStdString();
        }
        EXPECT_LE(titles.first()->property("lineCount").toInt(), 2);

        // What is drawn of each text is inside the window and clear of the circle's square.
        const QRectF circle = sceneBox(circles.first(), circles.first()->width(), circles.first()->height());
        for (QQuickItem *text : {titles.first(), dates.first(), counts.first()}) {
            const QRectF box = sceneBox(text, text->property("contentWidth").toReal(),
                                        text->property("contentHeight").toReal());
            const auto describe = [&](const QRectF &r) {
                return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
            };
            EXPECT_TRUE(window.contains(box)) << text->objectName().toStdString() << " at " << describe(box);
            EXPECT_FALSE(box.intersects(circle))
                << text->objectName().toStdString() << " at " << describe(box) << " under the picture at "
                << describe(circle);
        }
        // The count and its label stay below the date.
        const QList<QQuickItem *> labels = onScreen(scene, QStringLiteral("countLabel"));
        ASSERT_EQ(labels.size(), 1);
        const QRectF date = sceneBox(dates.first(), dates.first()->width(), dates.first()->height());
        const QRectF label = sceneBox(labels.first(), labels.first()->width(), labels.first()->height());
        EXPECT_LE(date.bottom(), label.top() + labels.first()->property("topPadding").toReal())
            << "the date runs into the count's label";
    }
    scene.grab(QStringLiteral("window-%1x%2").arg(size.width()).arg(size.height()));
}


TEST_P(WindowSizes, EveryFormKeepsItsSaveButtonInSight)
{
    const QSize size = windowSize(GetParam());
    const auto shown = makeScene(size);
    QmlScene &scene = *shown;
    ASSERT_TRUE(scene.item());
    QObject *sheet = scene.find(QStringLiteral("eventSheet"));
    const QRectF window(0, 0, size.width(), size.height());
    for (const char *mode : {"add", "edit"}) {
        QMetaObject::invokeMethod(sheet, "present", Q_ARG(QVariant, QString::fromLatin1(mode)));
        scene.settle(450);
        QQuickItem *save = findItem(scene.item(), QStringLiteral("saveButton"));
        ASSERT_TRUE(save) << mode;
        const QRectF box = sceneBox(save, save->width(), save->height());
        EXPECT_TRUE(window.contains(box)) << mode << " save button at " << box.y() << " in a window "
                                          << size.height() << " high";
        QMetaObject::invokeMethod(sheet, "dismiss");
        scene.settle(400);
    }
}

namespace {

// What a person sees of `item`: its box, cut by the window and by everything around it that
// clips (a sheet, a scrolled view).
QRectF seenPart(QQuickItem *item)
{
    QRectF seen = sceneBox(item, item->width(), item->height());
    for (QQuickItem *around = item->parentItem(); around; around = around->parentItem()) {
        if (around->clip())
            seen &= sceneBox(around, around->width(), around->height());
    }
    return seen & QRectF(QPointF(0, 0), item->window()->size());
}

// The whole of `item` is in sight (half a point of rounding aside).
::testing::AssertionResult inSight(QQuickItem *item)
{
    const QRectF box = sceneBox(item, item->width(), item->height());
    const QRectF seen = seenPart(item);
    if (seen.width() >= box.width() - 0.5 && seen.height() >= box.height() - 0.5)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
        << item->objectName().toStdString() << " (" << item->metaObject()->className() << ") at "
        << box.x() << "," << box.y() << " " << box.width() << "x" << box.height() << ": only "
        << seen.width() << "x" << seen.height() << " in sight";
}

} // namespace

TEST_P(WindowSizes, EveryScreenKeepsItsControlsInReach)
{
    const QSize size = windowSize(GetParam());
    NotificationCenter().setAuthorizationStatus(AuthorizationStatus::NotDetermined);
    SettingsStore().setValue(UserData::kReviewKey, true);
    const auto shown = makeScene(size);
    QmlScene &scene = *shown;
    ASSERT_TRUE(scene.item());
    scene.window().requestActivate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&scene.window()));
    scene.item()->forceActiveFocus();
    QObject *sheet = scene.find(QStringLiteral("eventSheet"));

    // Every stop of the Tab key, once round (or, over the whole window, until the focus leaves
    // `within`): each in sight when it has the focus.
    const auto everyStop = [&](const char *screen, QQuickItem *within = nullptr) {
        QSet<QQuickItem *> seen;
        for (int step = 0; step < 60; ++step) {
            QTest::keyClick(&scene.window(), Qt::Key_Tab);
            scene.settle(20);
            QQuickItem *focused = scene.window().activeFocusItem();
            ASSERT_TRUE(focused) << screen;
            if (seen.contains(focused) || (within && !within->isAncestorOf(focused)))
                return;
            seen.insert(focused);
            EXPECT_TRUE(inSight(focused)) << screen;
        }
        ADD_FAILURE() << screen << ": the Tab key never came round";
    };
    const auto present = [&](const char *mode) {
        QMetaObject::invokeMethod(sheet, "present", Q_ARG(QVariant, QString::fromLatin1(mode)));
        scene.settle(450);
    };
    const auto dismiss = [&] {
        QMetaObject::invokeMethod(sheet, "dismiss");
        scene.settle(400);
        scene.item()->forceActiveFocus();
    };

    // Pictures to look at: reach-WxH-screen.png.
    const auto picture = [&](const char *screen) {
        scene.grab(QStringLiteral("reach-%1x%2-%3").arg(size.width()).arg(size.height()).arg(QLatin1String(screen)));
    };
    everyStop("page");
    for (const char *mode : {"add", "edit", "overview"}) {
        present(mode);
        picture(mode);
        everyStop(mode);
        dismiss();
    }

    // The reminders: each option's words whole, the permission's alert and the settings page.
    present("noti");
    picture("noti");
    everyStop("noti");
    QQuickItem *scroll = findItem(scene.item(), QStringLiteral("reminderScroll"));
    ASSERT_TRUE(scroll);
    scroll->setProperty("contentY", 0);
    scene.settle(20);
    for (int number = 1; number <= 4; ++number) {
        QQuickItem *option = findItem(scene.item(), QStringLiteral("option%1").arg(number));
        ASSERT_TRUE(option);
        EXPECT_TRUE(inSight(option)) << "reminder option " << number;
    }
    QQuickItem *prompt = scene.find(QStringLiteral("permissionPrompt"));
    ASSERT_TRUE(prompt);
    prompt->setProperty("open", true);
    scene.settle(100);
    picture("prompt");
    everyStop("permission prompt", prompt);
    QQuickItem *card = findItem(prompt, QStringLiteral("alertCard"));
    QQuickItem *message = findItem(card, QStringLiteral("alertMessage"));
    QQuickItem *allow = findItem(card, QStringLiteral("alertPrimary"));
    ASSERT_TRUE(card && message && allow);
    EXPECT_TRUE(inSight(card));
    // The message's last line, descenders and all, clear of the line above the buttons.
    const qreal messageBottom = message->mapToItem(card, QPointF(0, message->height())).y();
    EXPECT_GE(allow->mapToItem(card, QPointF(0, 0)).y() - messageBottom, 8) << "the message runs into the buttons";
    prompt->setProperty("open", false);
    scene.settle(50);
    QQuickItem *settings = scene.find(QStringLiteral("notificationSettingsPage"));
    ASSERT_TRUE(settings);
    QMetaObject::invokeMethod(settings, "show");
    scene.settle(100);
    everyStop("notification settings", settings);
    QMetaObject::invokeMethod(settings, "close");
    scene.settle(50);
    dismiss();
    picture("page");
}

// Where the form is longer than the room above Save, it says so (a scroll bar, and an edge
// over Save while more lies below); where the window is wide and tall enough, it shows every
// control at once, nothing under Save.
TEST_P(WindowSizes, TheFormShowsItAllOrShowsThatItScrolls)
{
    const QSize size = windowSize(GetParam());
    const auto shown = makeScene(size);
    QmlScene &scene = *shown;
    ASSERT_TRUE(scene.item());
    QMetaObject::invokeMethod(scene.find(QStringLiteral("eventSheet")), "present", Q_ARG(QVariant, QStringLiteral("add")));
    scene.settle(450);
    QQuickItem *flick = findItem(scene.item(), QStringLiteral("formFlickable"));
    QQuickItem *bar = findItem(scene.item(), QStringLiteral("formScrollBar"));
    QQuickItem *edge = findItem(scene.item(), QStringLiteral("moreBelow"));
    ASSERT_TRUE(flick);
    ASSERT_TRUE(bar && edge) << "no scroll bar or edge over Save";
    const bool scrolls = flick->property("contentHeight").toReal() > flick->height() + 0.5;
    if (size.width() >= 600 && size.height() >= 600) {
        EXPECT_FALSE(scrolls) << "in a window " << size.width() << "x" << size.height();
    }
    EXPECT_EQ(bar->isVisible(), scrolls);
    EXPECT_EQ(edge->isVisible(), scrolls);
    if (scrolls) {
        flick->setProperty("contentY", flick->property("contentHeight").toReal() - flick->height());
        scene.settle(50);
        EXPECT_FALSE(edge->isVisible());
    }
    for (const char *name : {"countDownToggle", "titleField", "datePicker", "themeStrip"}) {
        QQuickItem *control = findItem(scene.item(), QString::fromLatin1(name));
        ASSERT_TRUE(control) << name;
        if (!scrolls) {
            EXPECT_TRUE(inSight(control)) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FromSmallestToFullScreen, WindowSizes,
                         ::testing::Values(Place{QSize(320, 560), false}, Place{QSize(390, 844), false},
                                           Place{QSize(800, 600), false}, Place{QSize(1280, 800), true},
                                           // what a 1280x800 laptop's screen leaves a window on
                                           // Wayland, less a panel and the window's title bar
                                           Place{QSize(1264, 616), true},
                                           Place{QSize(1920, 1080), true}),
                         [](const ::testing::TestParamInfo<Place> &info) {
                             return QStringLiteral("%1%2x%3")
                                 .arg(info.param.wholeScreen ? QStringLiteral("Screen") : QStringLiteral("Window"))
                                 .arg(info.param.size.width())
                                 .arg(info.param.size.height())
                                 .toStdString();
                         });
