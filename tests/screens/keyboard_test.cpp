#include "appscene.h"

#include <support/logcapture.h>

#include <QKeyEvent>

// A person who never touches the mouse: every step goes in as key presses on the real scene,
// and what counts is the list saved on disk afterwards.

namespace {

class Keyboard : public AppScene
{
protected:
    // Qt's own warnings: a key path that moves the focus in the wrong order is said there.
    LogCapture log;
    void TearDown() override
    {
        for (const QString &line : log.lines())
            EXPECT_TRUE(line.startsWith(QLatin1String("tallowick."))) << line.toStdString();
    }
};

} // namespace

TEST_F(Keyboard, AddEditChooseAReminderDeleteAndUndoWithKeysAlone)
{
    const int before = store.count();
    ASSERT_GE(before, 2);

    // Ctrl+N: the add form, with the keys in its title. Tab leaves the title and types nothing.
    key(Qt::Key_N, Qt::ControlModifier);
    waitForSheet();
    ASSERT_TRUE(focused());
    EXPECT_EQ(focused()->objectName(), QStringLiteral("titleEditor"));
    type(QStringLiteral("Keyboard trip"));
    key(Qt::Key_Tab);
    EXPECT_NE(focused()->objectName(), QStringLiteral("titleEditor"));
    key(Qt::Key_Backtab);
    EXPECT_EQ(focused()->objectName(), QStringLiteral("titleEditor"));
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    // Return saves: the new event is stored (a moment after the sheet closes) and shown.
    key(Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return !sheetOpen() && saved().size() == before + 1; }, 3000));
    QList<EDate> list = saved();
    ASSERT_EQ(list.size(), before + 1);
    const auto added = std::find_if(list.begin(), list.end(),
                                    [](const EDate &e) { return e.dateTitle.startsWith(QLatin1String("Keyboard")); });
    ASSERT_NE(added, list.end());
    EXPECT_EQ(added->dateTitle, QStringLiteral("Keyboard trip"));
    const QString addedId = added->id;
    EXPECT_EQ(store.magicDates().at(store.currentPage()).id, addedId);

    // Ctrl+E edits that event: the title takes its new words, Return saves.
    key(Qt::Key_E, Qt::ControlModifier);
    waitForSheet();
    ASSERT_EQ(focused()->objectName(), QStringLiteral("titleEditor"));
    key(Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("Exam day"));
    key(Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return !sheetOpen() && saved().at(store.indexOfEvent(addedId)).dateTitle != QLatin1String("Keyboard trip"); }, 3000));
    list = saved();
    ASSERT_EQ(list.at(store.indexOfEvent(addedId)).dateTitle, QStringLiteral("Exam day"));

    // Escape discards an edit in progress.
    key(Qt::Key_F2);
    waitForSheet();
    type(QStringLiteral(" never"));
    key(Qt::Key_Escape);
    ASSERT_TRUE(waitForSheetClosed());
    EXPECT_EQ(saved().at(store.indexOfEvent(addedId)).dateTitle, QStringLiteral("Exam day"));

    // Ctrl+R: the reminder options, the chosen one focused; an arrow chooses the next.
    key(Qt::Key_R, Qt::ControlModifier);
    waitForSheet();
    ASSERT_TRUE(focused());
    EXPECT_EQ(focused()->objectName(), QStringLiteral("option4"));
    key(Qt::Key_Right);
    EXPECT_EQ(focused()->objectName(), QStringLiteral("option1"));
    // Only the chosen option is a Tab stop: the one left behind is passed over.
    key(Qt::Key_Tab);
    EXPECT_NE(focused()->objectName(), QStringLiteral("option4"));
    key(Qt::Key_Escape);
    ASSERT_TRUE(waitForSheetClosed());
    const EDate withReminder = saved().at(store.indexOfEvent(addedId));
    EXPECT_NE(withReminder.repeatNotification.value_or(0), 0);
    const auto remindersOf = [&] {
        int n = 0;
        for (const NotificationRequest &request : NotificationCenter().pendingRequests())
            n += request.identifier.contains(addedId) ? 1 : 0;
        return n;
    };
    const int reminders = remindersOf();
    EXPECT_GT(reminders, 0);

    // Delete takes it away with its reminders; Ctrl+Z brings both back, in their place.
    const int position = store.indexOfEvent(addedId);
    key(Qt::Key_Delete);
    EXPECT_EQ(saved().size(), before);
    EXPECT_EQ(store.indexOfEvent(addedId), -1);
    EXPECT_EQ(remindersOf(), 0);
    key(Qt::Key_Z, Qt::ControlModifier);
    list = saved();
    ASSERT_EQ(list.size(), before + 1);
    EXPECT_EQ(list.at(position).id, addedId);
    EXPECT_EQ(list.at(position).dateTitle, QStringLiteral("Exam day"));
    EXPECT_EQ(remindersOf(), reminders);
}

TEST_F(Keyboard, TheNoticesUndoIsReachedWithTabAndGivesTheKeysBackToThePage)
{
    const int before = store.count();
    const QString shown = store.magicDates().at(store.currentPage()).id;
    key(Qt::Key_Delete);
    ASSERT_EQ(saved().size(), before - 1);
    for (int i = 0; i < 12 && focused()->objectName() != QLatin1String("noticeAction"); ++i)
        key(Qt::Key_Tab);
    ASSERT_EQ(focused()->objectName(), QStringLiteral("noticeAction"));
    key(Qt::Key_Return);
    ASSERT_EQ(saved().size(), before);
    EXPECT_EQ(store.magicDates().at(store.currentPage()).id, shown);
    // The notice is gone and the page has the keys: the arrows move between events again.
    EXPECT_NE(focused()->objectName(), QStringLiteral("noticeAction"));
    const int page = store.currentPage();
    key(page + 1 < store.count() ? Qt::Key_Right : Qt::Key_Left);
    EXPECT_NE(store.currentPage(), page);
}

TEST_F(Keyboard, TheNotificationSettingsReachedFromTheAlertGiveTheKeysBackToTheReminders)
{
    NotificationCenter().setAuthorizationStatus(AuthorizationStatus::Denied);
    // A count-down event, which may have reminders.
    store.addEvent(localTime(2027, 2, 1, 12), QStringLiteral("Exam"), true, 1003);
    ASSERT_TRUE(waitUntil([&] { return store.count() > 0 && store.magicDates().at(store.currentPage()).dateTitle == QLatin1String("Exam"); }, 3000));
    key(Qt::Key_R, Qt::ControlModifier);
    waitForSheet();
    // Choosing a reminder while they are off: the alert says so, Return opens the settings.
    key(Qt::Key_Right);
    ASSERT_TRUE(waitUntil([&] { return scene->find(QStringLiteral("permissionAlert"))->property("open").toBool(); }, 2000));
    key(Qt::Key_Return);
    QObject *settings = scene->find(QStringLiteral("notificationSettingsPage"));
    ASSERT_TRUE(waitUntil([&] { return settings->property("open").toBool(); }, 2000));
    scene->settle(100);
    EXPECT_EQ(focused()->objectName(), QStringLiteral("allowSwitch"));
    // Tab and Shift+Tab go round the page's own controls, never to the reminders under it.
    const auto onPage = [&] {
        for (QQuickItem *item = focused(); item; item = item->parentItem())
            if (item == settings)
                return true;
        return false;
    };
    for (const Qt::KeyboardModifier shift : {Qt::NoModifier, Qt::ShiftModifier})
        for (int i = 0; i < 4; ++i) {
            key(Qt::Key_Tab, shift);
            EXPECT_TRUE(onPage()) << "Tab " << i << " went to " << focused()->objectName().toStdString();
        }
    // Escape closes the settings; the keys are in the reminders again, and Escape closes them.
    key(Qt::Key_Escape);
    ASSERT_FALSE(settings->property("open").toBool());
    ASSERT_TRUE(sheetOpen());
    EXPECT_TRUE(focused()->objectName().startsWith(QLatin1String("option"))) << focused()->objectName().toStdString();
    key(Qt::Key_Escape);
    EXPECT_TRUE(waitForSheetClosed());
}

TEST_F(Keyboard, ArrowsAndHomeEndMoveBetweenEventsAndEscapeClosesTheList)
{
    ASSERT_GE(store.count(), 3);
    store.setCurrentPage(0);
    scene->settle(100);
    key(Qt::Key_Right);
    EXPECT_EQ(store.currentPage(), 1);
    key(Qt::Key_End);
    EXPECT_EQ(store.currentPage(), store.count() - 1);
    key(Qt::Key_Right);
    EXPECT_EQ(store.currentPage(), store.count() - 1);
    key(Qt::Key_PageUp);
    EXPECT_EQ(store.currentPage(), store.count() - 2);
    key(Qt::Key_Home);
    EXPECT_EQ(store.currentPage(), 0);

    // Ctrl+L lists; the keys are in the list, not on the page behind it.
    key(Qt::Key_L, Qt::ControlModifier);
    waitForSheet();
    key(Qt::Key_Right);
    EXPECT_EQ(store.currentPage(), 0);
    key(Qt::Key_Escape);
    ASSERT_TRUE(waitForSheetClosed());
    // The page has the keys again.
    key(Qt::Key_Right);
    EXPECT_EQ(store.currentPage(), 1);
}

TEST_F(Keyboard, TheListMovesItsFocusedRowAndReturnOpensIt)
{
    ASSERT_GE(store.count(), 3);
    const QString first = store.magicDates().at(0).id;
    const QString second = store.magicDates().at(1).id;
    key(Qt::Key_L, Qt::ControlModifier);
    waitForSheet();
    QObject *list = scene->find(QStringLiteral("summaryList"));
    ASSERT_TRUE(list);
    list->setProperty("currentIndex", 0);
    key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(saved().at(0).id, second);
    EXPECT_EQ(saved().at(1).id, first);
    // The moved row keeps the focus; Down goes to the next and Return shows its event.
    EXPECT_EQ(list->property("currentIndex").toInt(), 1);
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    ASSERT_TRUE(waitForSheetClosed());
    EXPECT_EQ(store.currentPage(), 2);
}

TEST_F(Keyboard, TabVisitsEveryControlOfTheFormOnceAndComesBackToTheTitle)
{
    key(Qt::Key_N, Qt::ControlModifier);
    waitForSheet();
    ASSERT_EQ(focused()->objectName(), QStringLiteral("titleEditor"));
    // A theme's thumb is named by the slot it stands in.
    const auto stopName = [](QQuickItem *item) {
        const QQuickItem *slot = item->parentItem();
        return slot && slot->objectName().startsWith(QLatin1String("theme-")) ? slot->objectName() : item->objectName();
    };
    // One round of Tab from the title back to it: the stops, in order.
    const auto tabRound = [&] {
        QStringList names{stopName(focused())};
        QList<QQuickItem *> visited{focused()};
        for (int i = 0; i < 40; ++i) {
            key(Qt::Key_Tab);
            if (focused() == visited.first())
                break;
            EXPECT_FALSE(visited.contains(focused())) << "visited twice: " << stopName(focused()).toStdString();
            visited.append(focused());
            names.append(stopName(focused()));
        }
        EXPECT_EQ(focused(), visited.first()) << "Tab never came back to the title";
        return names;
    };
    const QStringList names = tabRound();
    for (const char *control : {"countDownToggle", "dayWheelControl", "monthWheelControl", "yearWheelControl",
                                "saveButton", "sheetClose"})
        EXPECT_TRUE(names.contains(QLatin1String(control))) << control << " in " << names.join(u' ').toStdString();
    // The strip of themes is one stop, the chosen theme; Right chooses the next, which takes
    // that one stop over.
    const QStringList themes = names.filter(QStringLiteral("theme-"));
    ASSERT_EQ(themes.size(), 1) << names.join(u' ').toStdString();
    while (stopName(focused()) != themes.first())
        key(Qt::Key_Tab);
    key(Qt::Key_Right);
    const QString next = stopName(focused());
    EXPECT_NE(next, themes.first());
    EXPECT_TRUE(next.startsWith(QLatin1String("theme-")));
    while (focused()->objectName() != QLatin1String("titleEditor"))
        key(Qt::Key_Tab);
    EXPECT_EQ(tabRound().filter(QStringLiteral("theme-")), QStringList{next});
}

// Return saves the form wherever the keys are in it, the colour strip's chosen theme included
// (Space still picks a theme).
TEST_F(Keyboard, ReturnOnTheColourStripSavesTheForm)
{
    const int before = store.count();
    key(Qt::Key_N, Qt::ControlModifier);
    waitForSheet();
    type(QStringLiteral("Strip trip"));
    const auto onStrip = [&] { return focused() && focused()->parentItem() && focused()->parentItem()->objectName().startsWith(QLatin1String("theme-")); };
    for (int i = 0; i < 12 && !onStrip(); ++i)
        key(Qt::Key_Tab);
    ASSERT_TRUE(onStrip());
    key(Qt::Key_Return);
    EXPECT_TRUE(waitUntil([&] { return !sheetOpen() && saved().size() == before + 1; }, 3000));
}
