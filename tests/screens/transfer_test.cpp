// The app's side of yearly events and of getting events in and out: the forms' yearly switch,
// the next occurrence on the page and in the summary, and the summary's calendar and backup
// actions (their C++ entry given a path, as the file dialog would).
#include "scenetaps.h"

#include <support/testenvironment.h>
#include <support/testevents.h>

#include <screens/viewmodels/daycounter.h>
#include <screens/viewmodels/eventform.h>
#include <screens/viewmodels/eventtransferactions.h>

#include <model/resources.h>
#include <platform/settingsstore.h>
#include <store/userdata.h>

#include <QAccessible>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// A numbered event in the colours of the app's first event.
EDate numbered(int n)
{
    const EDate look = defaultEvents().at(0);
    return TestEvent::numbered(n, QDate(2027, 1, 1))
        .theme(look.colorIndex)
        .colours(look.bgColor, look.fontColor, look.lineColor, look.circleColor, look.barType, look.barColor);
}

EDate mumsBirthday()
{
    return TestEvent::from(numbered(9)).titled(QStringLiteral("Mum")).on(QStringLiteral("2016-05-01")).yearly();
}

QString textOf(QQuickItem *root, const QString &name)
{
    QQuickItem *item = findItem(root, name);
    return item ? item->property("text").toString() : QStringLiteral("<no %1>").arg(name);
}

// The page of the event `row`, and the summary of the list, made and settled.
std::unique_ptr<QmlScene> pageOf(UserData &store, const QVariant &row)
{
    auto page = std::make_unique<QmlScene>(
        QStringLiteral("DateCircle"),
        QVariantMap{{QStringLiteral("store"), storeValue(store)}, {QStringLiteral("event"), row}, {QStringLiteral("pageIndex"), 0}});
    page->settle(100);
    return page;
}

std::unique_ptr<QmlScene> summaryOf(UserData &store, const QVariant &row)
{
    auto summary = std::make_unique<QmlScene>(
        QStringLiteral("EventSummaryView"),
        QVariantMap{{QStringLiteral("store"), storeValue(store)}, {QStringLiteral("event"), row}, {QStringLiteral("events"), rowsOf(store)}});
    summary->settle(100);
    return summary;
}

// What a screen reader hears for the page.
QString spokenPage(QmlScene &page)
{
    QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(findItem(page.item(), QStringLiteral("pageText")));
    return spoken ? spoken->text(QAccessible::Name) : QStringLiteral("<no page text>");
}

class Yearly : public ::testing::Test
{
protected:
    TemporaryHome home;
    ScopedTimeZone zone{"Asia/Seoul"};
    ScopedLocale locale{QStringLiteral("en_US")};
    FixedClock clock{localTime(2026, 12, 9, 10)};
};

} // namespace

TEST_F(Yearly, TheFormsSwitchMakesAnEventRepeatAndTakesItBack)
{
    seedEvents({numbered(0), numbered(1)});
    UserData store;
    QmlScene scene(QStringLiteral("AddEvent"),
                   {{QStringLiteral("store"), storeValue(store)}, {QStringLiteral("event"), rowOf(store.magicDates().at(0), store)}});
    ASSERT_TRUE(scene.item());
    scene.settle(300);
    auto *form = scene.item()->property("form").value<EventForm *>();
    QQuickItem *yearly = scene.find(QStringLiteral("yearlySwitch"));
    ASSERT_TRUE(form && yearly);
    EXPECT_EQ(yearly->property("name").toString(), QStringLiteral("Repeats every year"));
    EXPECT_TRUE(yearly->property("checkable").toBool());
    EXPECT_FALSE(yearly->property("checked").toBool());

    // Only while counting down.
    tap(scene, scene.find(QStringLiteral("countUpChoice")));
    EXPECT_FALSE(yearly->isVisible());
    tap(scene, scene.find(QStringLiteral("countDownChoice")));
    EXPECT_TRUE(yearly->isVisible());

    // From the keyboard: Tab reaches it after the direction, Space turns it on (with a ring).
    scene.find(QStringLiteral("countDownToggle"))->forceActiveFocus();
    QTest::keyClick(&scene.window(), Qt::Key_Tab);
    ASSERT_TRUE(yearly->hasActiveFocus());
    QTest::keyClick(&scene.window(), Qt::Key_Space);
    EXPECT_TRUE(form->yearly());
    EXPECT_TRUE(yearly->property("checked").toBool());
    scene.settle(300);
    scene.grab(QStringLiteral("form-yearly-switch"));

    form->setEventName(QStringLiteral("Mum"));
    form->setSelectedDate(QDateTime(QDate(2016, 5, 1), QTime(12, 0)));
    form->save();
    scene.settle(250);
    ASSERT_EQ(store.count(), 3);
    EXPECT_TRUE(store.magicDates().at(0).repeatsYearly());
    EXPECT_EQ(store.magicDates().at(0).ddate, QStringLiteral("2016-05-01"));

    // The edit form shows it on, and turning it off saves an event that happens once.
    store.setCurrentPage(0);
    QmlScene edit(QStringLiteral("EditEvent"),
                  {{QStringLiteral("store"), storeValue(store)}, {QStringLiteral("event"), rowOf(store.magicDates().at(0), store)}});
    ASSERT_TRUE(edit.item());
    edit.settle(900);
    QQuickItem *editSwitch = edit.find(QStringLiteral("yearlySwitch"));
    ASSERT_TRUE(editSwitch);
    EXPECT_TRUE(editSwitch->property("checked").toBool());
    tap(edit, editSwitch);
    EXPECT_FALSE(editSwitch->property("checked").toBool());
    tap(edit, edit.find(QStringLiteral("saveButton")));
    edit.settle(250);
    EXPECT_FALSE(store.magicDates().at(0).repeat.has_value());
    EXPECT_EQ(store.magicDates().at(0).dateTitle, QStringLiteral("Mum"));
}

// Counted in weeks, the page and its row show the weeks in big type with the rest beneath,
// and a screen reader hears them; the edit form shows the unit chosen and changes it.
TEST_F(Yearly, InALargerUnitThePageTheRowAndTheSpokenPageShowTheCountInIt)
{
    seedEvents({TestEvent::from(mumsBirthday()).countedIn(QStringLiteral("weeks")), numbered(1)});
    UserData store;
    const QVariant row = rowOf(store.magicDates().at(0), store);
    const auto page = pageOf(store, row);
    ASSERT_TRUE(page->item());
    EXPECT_EQ(textOf(page->item(), QStringLiteral("dayCount")), QStringLiteral("20"));
    EXPECT_EQ(textOf(page->item(), QStringLiteral("countBeneath")), QString::fromUtf8("weeks · 3 days"));
    EXPECT_EQ(spokenPage(*page), QStringLiteral("Mum, May 1, 2027, 20 weeks, 3 days left, 11th year"));
    page->grab(QStringLiteral("page-in-weeks"));

    const auto summary = summaryOf(store, row);
    ASSERT_TRUE(summary->item());
    QQuickItem *first = findItem(summary->item(), QStringLiteral("summaryRow0"));
    EXPECT_EQ(textOf(first, QStringLiteral("cellCount")), QStringLiteral("20"));
    EXPECT_EQ(textOf(first, QStringLiteral("cellCountBeneath")), QString::fromUtf8("weeks · 3 days"));
    // A row in days has nothing beneath its count.
    EXPECT_FALSE(findItem(findItem(summary->item(), QStringLiteral("summaryRow1")), QStringLiteral("cellCountBeneath"))->isVisible());

    QmlScene edit(QStringLiteral("EditEvent"), {{QStringLiteral("store"), storeValue(store)}, {QStringLiteral("event"), row}});
    ASSERT_TRUE(edit.item());
    edit.settle(900);
    EXPECT_EQ(edit.find(QStringLiteral("unitChoice"))->property("currentIndex").toInt(), 1);
    tap(edit, edit.find(QStringLiteral("unitYears")));
    tap(edit, edit.find(QStringLiteral("saveButton")));
    edit.settle(250);
    EXPECT_EQ(store.magicDates().at(0).countUnit, QStringLiteral("years"));
    // Less than a year away: its months and days.
    const QVariantMap inYears = DayCounter().shownCount(QStringLiteral("2016-05-01"), true, true, QStringLiteral("years"));
    EXPECT_EQ(inYears.value(QStringLiteral("number")), QStringLiteral("4"));
    EXPECT_EQ(inYears.value(QStringLiteral("beneath")), QString::fromUtf8("months · 22 days"));
}

TEST_F(Yearly, ThePageAndTheSummaryShowTheNextOccurrenceAndWhichOneItIs)
{
    seedEvents({mumsBirthday(), numbered(1)});
    UserData store;
    const QVariant row = rowOf(store.magicDates().at(0), store);
    const auto page = pageOf(store, row);
    ASSERT_TRUE(page->item());
    EXPECT_EQ(textOf(page->item(), QStringLiteral("eventDate")), QString::fromUtf8("1.May.27 · 11th year"));
    EXPECT_EQ(textOf(page->item(), QStringLiteral("dayCount")), QStringLiteral("143"));
    EXPECT_EQ(spokenPage(*page), QStringLiteral("Mum, May 1, 2027, 143 days left, 11th year"));
    DayCounter counter;
    page->grab(QStringLiteral("page-yearly"));

    const auto summary = summaryOf(store, row);
    ASSERT_TRUE(summary->item());
    QQuickItem *first = findItem(summary->item(), QStringLiteral("summaryRow0"));
    EXPECT_EQ(textOf(first, QStringLiteral("cellDate")), QString::fromUtf8("1.May.27 · 11th year"));
    EXPECT_EQ(textOf(first, QStringLiteral("cellCount")), QStringLiteral("143"));
    // An event that happens once shows its own date, as before.
    EXPECT_EQ(textOf(findItem(summary->item(), QStringLiteral("summaryRow1")), QStringLiteral("cellDate")), QStringLiteral("2.Jan.27"));
    summary->grab(QStringLiteral("summary-yearly-and-actions"));

    // On the day, and the day after: the next year's.
    EXPECT_EQ(counter.eventDate(QStringLiteral("2016-05-01"), true), QString::fromUtf8("1.May.27 · 11th year"));
    clock.set(localTime(2027, 5, 1, 9));
    EXPECT_EQ(counter.getDayCount(counter.countedDate(QStringLiteral("2016-05-01"), true), true), QStringLiteral("YAY!"));
    clock.set(localTime(2027, 5, 2, 9));
    EXPECT_EQ(counter.eventDate(QStringLiteral("2016-05-01"), true), QString::fromUtf8("1.May.28 · 12th year"));
    EXPECT_EQ(counter.getDayCount(counter.countedDate(QStringLiteral("2016-05-01"), true), true), QStringLiteral("365"));
    // Before its first anniversary it is no "year" yet.
    EXPECT_EQ(counter.eventDate(QStringLiteral("2027-06-01"), true), QStringLiteral("1.Jun.27"));
}

TEST_F(Yearly, TheSummarysActionsWriteAndReadFilesAndSayWhatHappened)
{
    seedEvents({mumsBirthday(), numbered(1), numbered(2)});
    UserData store;
    QmlScene summary(QStringLiteral("EventSummaryView"),
                     {{QStringLiteral("store"), storeValue(store)}, {QStringLiteral("events"), rowsOf(store)}});
    ASSERT_TRUE(summary.item());
    summary.settle(100);
    for (const auto &[name, label] : {std::pair{"exportCalendarAction", "Export to a calendar file"},
                                      {"importCalendarAction", "Import from a calendar file"},
                                      {"backUpAction", "Back up events"},
                                      {"restoreAction", "Restore events"}}) {
        QQuickItem *action = findItem(summary.item(), QLatin1String(name));
        ASSERT_TRUE(action) << name;
        EXPECT_EQ(action->property("name").toString(), QLatin1String(label));
        EXPECT_TRUE(action->isVisible() && action->activeFocusOnTab()) << name;
    }

    EventTransferActions actions;
    actions.setStore(&store);
    // A name typed without an extension gets the format's.
    const QString calendar = home.root() + QStringLiteral("/events");
    QVariantMap report = actions.exportCalendar(QUrl::fromLocalFile(calendar));
    EXPECT_FALSE(report.value(QStringLiteral("failed")).toBool());
    EXPECT_EQ(report.value(QStringLiteral("title")).toString(), QStringLiteral("Events written: 3"));
    EXPECT_EQ(readFile(calendar + QStringLiteral(".ics")).count("BEGIN:VEVENT"), 3);
    const QString backup = home.root() + QStringLiteral("/backup.json");
    EXPECT_EQ(actions.backUp(QUrl::fromLocalFile(backup)).value(QStringLiteral("title")).toString(),
              QStringLiteral("Events written: 3"));

    // A lost event comes back from the backup; the summary says what became of the others.
    ASSERT_EQ(store.deleteEvent(store.magicDates().at(0).id), StoreOutcome::Done);
    report = actions.restore(QUrl::fromLocalFile(backup));
    EXPECT_EQ(report.value(QStringLiteral("title")).toString(), QStringLiteral("1 added, 2 skipped, 0 refused"));
    EXPECT_EQ(report.value(QStringLiteral("message")).toString(),
              QStringLiteral("E1: already in the list\nE2: already in the list"));
    ASSERT_EQ(store.count(), 3);
    EXPECT_EQ(store.magicDates().at(0), mumsBirthday());

    // Importing the export adds nothing; a file that is no calendar is refused, nothing changed.
    report = actions.importCalendar(QUrl::fromLocalFile(calendar + QStringLiteral(".ics")));
    EXPECT_EQ(report.value(QStringLiteral("title")).toString(), QStringLiteral("0 added, 3 skipped, 0 refused"));
    EXPECT_EQ(report.value(QStringLiteral("changed")).toInt(), 0);
    // Changed here since the export: the import names what differs and offers the file's version.
    const QString e1 = store.magicDates().at(1).id;
    EventChange rename;
    rename.title = QStringLiteral("E1 moved");
    ASSERT_EQ(store.repository().change(e1, rename).outcome, StoreOutcome::Done);
    report = actions.importCalendar(QUrl::fromLocalFile(calendar + QStringLiteral(".ics")));
    EXPECT_EQ(report.value(QStringLiteral("changed")).toInt(), 1);
    EXPECT_EQ(report.value(QStringLiteral("updateText")).toString(), QStringLiteral("Update 1 changed event"));
    EXPECT_TRUE(report.value(QStringLiteral("message")).toString().contains(
        QStringLiteral("E1: in the list, but the file has another version (title)")));
    report = actions.updateChanged();
    EXPECT_EQ(report.value(QStringLiteral("title")).toString(), QStringLiteral("0 added, 2 skipped, 0 refused, 1 updated"));
    EXPECT_EQ(report.value(QStringLiteral("changed")).toInt(), 0);
    EXPECT_EQ(store.magicDates().at(1).dateTitle, QStringLiteral("E1"));
    report = actions.importCalendar(QUrl::fromLocalFile(backup));
    EXPECT_TRUE(report.value(QStringLiteral("failed")).toBool());
    EXPECT_EQ(report.value(QStringLiteral("title")).toString(), QStringLiteral("The file is no calendar, or it is damaged"));
    EXPECT_EQ(store.count(), 3);

    // The window's own import and restore run on a worker thread: the call returns at once,
    // one at a time, and the report comes with `finished`.
    QVariantMap finished;
    QObject::connect(&actions, &EventTransferActions::finished, [&](const QVariantMap &sent) { finished = sent; });
    ASSERT_TRUE(actions.importCalendarInBackground(QUrl::fromLocalFile(calendar + QStringLiteral(".ics"))));
    EXPECT_TRUE(actions.busy());
    EXPECT_FALSE(actions.restoreInBackground(QUrl::fromLocalFile(backup)));
    ASSERT_TRUE(waitUntil([&] { return !finished.isEmpty(); }));
    EXPECT_EQ(finished.value(QStringLiteral("title")).toString(), QStringLiteral("0 added, 3 skipped, 0 refused"));
    EXPECT_FALSE(actions.busy());
}
