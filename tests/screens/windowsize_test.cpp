#include "scenetaps.h"
#include <support/qmlscene.h>
#include <support/testenvironment.h>

#include <model/edate.h>
#include <platform/settingsstore.h>
#include <store/userdata.h>

#include <QQuickItem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

// The page at every window size from the smallest the app allows to a desktop's full screen:
// the title, the date and the count lie inside the window, fit their boxes, and the picture
// never covers them; counts of one to seven digits and a title of twenty wide letters.

// Sizes as a person says them, in the test names and messages.
void PrintTo(const QSize &size, std::ostream *os)
{
    *os << size.width() << "x" << size.height();
}

namespace {

EDate event(const QString &title, const QDate &date, bool countdown = true)
{
    return EDate{date.toString(Qt::ISODate), 1003, QStringLiteral("FEEDEB"), QStringLiteral("FF5A5F"),
                 QStringLiteral("FF5A5F"), QStringLiteral("FFFFFF"), title, QStringLiteral("FlatBar"),
                 QStringLiteral("FF5A5F"), false, std::nullopt, countdown,
                 QStringLiteral("00000000-0000-4000-8000-0000000000%1").arg(title.size(), 2, 10, QLatin1Char('0'))};
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

class WindowSizes : public ::testing::TestWithParam<QSize>
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
                                          QVariantMap{{QStringLiteral("userData"), QVariant::fromValue(&*store)},
                                                      {QStringLiteral("animateEntrance"), false}},
                                          size);
    }
};

} // namespace

TEST_P(WindowSizes, TitleDateAndCountLieInsideTheWindowAndClearOfThePicture)
{
    const QSize size = GetParam();
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
    }
    scene.grab(QStringLiteral("window-%1x%2").arg(size.width()).arg(size.height()));
}

INSTANTIATE_TEST_SUITE_P(FromSmallestToFullScreen, WindowSizes,
                         ::testing::Values(QSize(320, 560), QSize(390, 844), QSize(800, 600), QSize(1280, 800)),
                         [](const ::testing::TestParamInfo<QSize> &info) {
                             return QStringLiteral("W%1xH%2").arg(info.param.width()).arg(info.param.height()).toStdString();
                         });

TEST_P(WindowSizes, EveryFormKeepsItsSaveButtonInSight)
{
    const QSize size = GetParam();
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
