#include "appscene.h"
#include "scenetaps.h"

#include <QWheelEvent>
#include <functional>

// The mouse on the real scene: wheels turn what they are over, clicks outside a sheet close
// it, a click on a summary row shows its event, and the notice's Undo brings a delete back.

namespace {

class Mouse : public AppScene
{
protected:
    // One notch of a mouse wheel, down (negative) or up, over the middle of `item`.
    void wheel(QQuickItem *item, int notches)
    {
        ASSERT_TRUE(item);
        const QPointF at = centreOf(item);
        // The pointer comes to the item before its wheel turns, as a hand moves it.
        QTest::mouseMove(&scene->window(), at.toPoint());
        QWheelEvent event(at, scene->window().mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&scene->window(), &event);
        scene->settle(60);
    }
    // A press on `from`, a move in steps and a release `by` away from it.
    void drag(QQuickItem *from, QPointF by)
    {
        ASSERT_TRUE(from);
        const QPoint start = centreOf(from).toPoint();
        QTest::mousePress(&scene->window(), Qt::LeftButton, {}, start);
        for (int step = 1; step <= 8; ++step)
            QTest::mouseMove(&scene->window(), start + (by * step / 8).toPoint(), 16);
        QTest::mouseRelease(&scene->window(), Qt::LeftButton, {}, start + by.toPoint(), 16);
        scene->settle(300);
    }
    int indexOf(const char *wheelName) { return scene->find(QLatin1String(wheelName))->property("currentIndex").toInt(); }
};

} // namespace

TEST_F(Mouse, TheWheelTurnsTheDateColumnItIsOver)
{
    present("add");
    for (const char *column : {"dayWheel", "monthWheel", "yearWheel"}) {
        const int before = indexOf(column);
        wheel(scene->find(QLatin1String(column)), -1);
        EXPECT_EQ(indexOf(column), (before + 1) % scene->find(QLatin1String(column))->property("count").toInt())
            << column;
        wheel(scene->find(QLatin1String(column)), 1);
        EXPECT_EQ(indexOf(column), before) << column;
    }
    // Only the column under the wheel turned.
    const int month = indexOf("monthWheel");
    wheel(scene->find(QStringLiteral("dayWheel")), -2);
    EXPECT_EQ(indexOf("monthWheel"), month);
}

TEST_F(Mouse, TheThemeStripScrollsWithAVerticalWheelAndADragThatStartsOnAThumb)
{
    present("add");
    QQuickItem *strip = scene->find(QStringLiteral("themeStrip"));
    ASSERT_TRUE(strip);
    // The strip ends the form: scrolled to its end, it is in sight above Save.
    QQuickItem *form = scene->find(QStringLiteral("formFlickable"));
    ASSERT_TRUE(form);
    form->setProperty("contentY", form->property("contentHeight").toReal() - form->height());
    scene->settle(50);
    const qint64 chosen = strip->property("selectedId").toLongLong();
    ASSERT_GT(strip->property("contentWidth").toReal(), strip->width());

    wheel(strip, -2);
    const qreal scrolled = strip->property("contentX").toReal();
    EXPECT_GT(scrolled, 0);
    wheel(strip, 2);
    EXPECT_LT(strip->property("contentX").toReal(), scrolled);

    // A drag from a thumb moves the strip and picks nothing.
    strip->setProperty("contentX", 0);
    scene->settle(50);
    const auto thumbsInSight = [&] {
        QList<QQuickItem *> thumbs;
        const std::function<void(QQuickItem *)> collect = [&](QQuickItem *item) {
            if (item->objectName().startsWith(QLatin1String("theme-"))) {
                const qreal x = centreOf(item).x();
                if (x > 20 && x < scene->window().width() - 20)
                    thumbs.append(item);
            }
            for (QQuickItem *child : item->childItems())
                collect(child);
        };
        collect(strip);
        return thumbs;
    };
    ASSERT_GE(thumbsInSight().size(), 3);
    const int page = store.currentPage();
    drag(thumbsInSight().at(2), QPointF(-150, 0));
    EXPECT_GT(strip->property("contentX").toReal(), 50);
    EXPECT_EQ(strip->property("selectedId").toLongLong(), chosen);
    // The pages under the sheet stayed where they were.
    EXPECT_EQ(store.currentPage(), page);

    // A click without movement picks the thumb it is on, once the strip is still.
    ASSERT_TRUE(waitUntil([&] { return !strip->property("moving").toBool(); }, 3000));
    QQuickItem *other = nullptr;
    for (QQuickItem *thumb : thumbsInSight()) {
        if (thumb->objectName() != QStringLiteral("theme-%1").arg(chosen))
            other = thumb;
    }
    ASSERT_TRUE(other);
    tap(*scene, other);
    EXPECT_EQ(QStringLiteral("theme-%1").arg(strip->property("selectedId").toLongLong()), other->objectName());
}

TEST_F(Mouse, AClickOnTheDimmedAreaOrTheCloseControlClosesTheSheetWithoutSaving)
{
    const QList<EDate> before = saved();
    present("edit");
    QQuickItem *panel = scene->find(QStringLiteral("sheetPanel"));
    ASSERT_TRUE(panel);
    ASSERT_GT(panel->y(), 10);
    // Above the panel lies the dimmed page.
    QTest::mouseClick(&scene->window(), Qt::LeftButton, {}, QPoint(195, int(panel->y() / 2)));
    EXPECT_TRUE(waitForSheetClosed());

    present("noti");
    tap(*scene, scene->find(QStringLiteral("sheetClose")));
    EXPECT_TRUE(waitForSheetClosed());
    EXPECT_EQ(saved(), before);
}

TEST_F(Mouse, AClickOnASummaryRowShowsThatEventAndClosesTheList)
{
    ASSERT_GE(store.count(), 3);
    store.setCurrentPage(0);
    present("overview");
    // Rows are drawn items, not children of the scene's objects: found among the items.
    tap(*scene, findItem(scene->item(), QStringLiteral("summaryRow2")));
    EXPECT_TRUE(waitForSheetClosed());
    EXPECT_EQ(store.currentPage(), 2);
}

TEST_F(Mouse, TheNoticesUndoBringsTheDeletedEventBackInItsPlace)
{
    const QList<EDate> before = saved();
    ASSERT_GE(before.size(), 2);
    store.setCurrentPage(1);
    scene->settle(100);
    QMetaObject::invokeMethod(scene->item(), "deleteShown");
    scene->settle(300);
    ASSERT_EQ(saved().size(), before.size() - 1);
    QQuickItem *undo = scene->find(QStringLiteral("noticeAction"));
    ASSERT_TRUE(undo && undo->isVisible());
    tap(*scene, undo);
    EXPECT_EQ(saved(), before);
}

// At the smallest window the date wheel lies below the fold: a turn of the wheel that scrolls
// the form goes on scrolling it when the wheel comes under the pointer, and turns no column.
// Only a turn that starts over the wheel (after a pause) turns it.
TEST_F(Mouse, AWheelThatScrollsTheFormDoesNotTurnTheDateItMeetsOnTheWay)
{
    scene->window().resize(320, 560);
    scene->item()->setSize(QSizeF(320, 560));
    present("add");
    QQuickItem *flick = scene->find(QStringLiteral("formFlickable"));
    QQuickItem *picker = scene->find(QStringLiteral("datePicker"));
    ASSERT_TRUE(flick && picker);
    const QVariant date = picker->property("selectedDate");
    // Just above the wheel, inside the form (which ends above Save).
    const qreal formBottom = flick->mapToScene(QPointF(0, flick->height())).y();
    const QPointF at(160, std::min(picker->mapToScene(QPointF(0, 0)).y() - 25, formBottom - 10));
    ASSERT_GT(at.y(), flick->mapToScene(QPointF(0, 0)).y());
    QTest::mouseMove(&scene->window(), at.toPoint());
    for (int notch = 0; notch < 8; ++notch) {
        QWheelEvent event(at, scene->window().mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&scene->window(), &event);
        scene->settle(60);
    }
    scene->settle(300);
    EXPECT_GT(flick->property("contentY").toReal(), 25);
    // The wheel came under the pointer and stayed as it was.
    const QRectF wheelBox = picker->mapRectToScene(QRectF(0, 0, picker->width(), picker->height()));
    EXPECT_TRUE(wheelBox.contains(at));
    EXPECT_EQ(picker->property("selectedDate"), date);

    // After a pause, a turn over the wheel turns the column under it.
    scene->settle(600);
    // Where the month column shows in the form (its lower part may be under Save).
    QQuickItem *month = scene->find(QStringLiteral("monthWheel"));
    ASSERT_TRUE(month);
    const QPointF onMonth = month->mapRectToScene(QRectF(0, 0, month->width(), month->height()))
                                .intersected(flick->mapRectToScene(QRectF(0, 0, flick->width(), flick->height())))
                                .center();
    QTest::mouseMove(&scene->window(), onMonth.toPoint());
    QWheelEvent turn(onMonth, scene->window().mapToGlobal(onMonth), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&scene->window(), &turn);
    scene->settle(60);
    EXPECT_NE(picker->property("selectedDate"), date);
}

// The page: a click on a dot of the indicator shows that event, the wheel goes to the next or
// the previous one, and an icon button says what it does under the pointer.
TEST_F(Mouse, DotsAndTheWheelGoToOtherEventsAndIconsSayWhatTheyDo)
{
    ASSERT_GE(store.count(), 3);
    store.setCurrentPage(0);
    scene->settle(100);
    tap(*scene, findItem(scene->item(), QStringLiteral("indicatorDot2")));
    EXPECT_EQ(store.currentPage(), 2);
    tap(*scene, findItem(scene->item(), QStringLiteral("indicatorDot0")));
    EXPECT_EQ(store.currentPage(), 0);

    QQuickItem *pages = scene->find(QStringLiteral("pages"));
    wheel(pages, -1);
    EXPECT_EQ(store.currentPage(), 1);
    wheel(pages, -1);
    EXPECT_EQ(store.currentPage(), 2);
    wheel(pages, 2);
    EXPECT_EQ(store.currentPage(), 0);

    for (const char *name : {"editButton", "deleteButton", "overviewButton", "addButton"}) {
        QQuickItem *button = findItem(scene->item(), QLatin1String(name));
        ASSERT_TRUE(button) << name;
        QTest::mouseMove(&scene->window(), centreOf(button).toPoint());
        QObject *tip = nullptr;
        EXPECT_TRUE(waitUntil([&] {
            QQuickItem *holder = findItem(button, QStringLiteral("toolTipHolder"));
            tip = holder ? holder->property("item").value<QObject *>() : nullptr;
            return tip && tip->property("visible").toBool();
        }, 3000)) << name;
        if (tip) {
            EXPECT_EQ(tip->property("text").toString(), button->property("name").toString()) << name;
        }
        QTest::mouseMove(&scene->window(), QPoint(5, 300));
        scene->settle(50);
    }
}
