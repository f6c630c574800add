#include <support/logcapture.h>
#include "scenetaps.h"
#include <support/qmlscene.h>
#include <support/testenvironment.h>
#include <support/testevents.h>

#include <model/edate.h>
#include <platform/autostart.h>
#include <platform/notificationcenter.h>
#include <platform/settingsstore.h>
#include <reminders/notificationhelper.h>
#include <screens/viewmodels/notificationsettings.h>
#include <screens/viewmodels/reminderchoice.h>
#include <screens/viewmodels/storelinks.h>
#include <store/userdata.h>

#include <QQuickItem>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A count-down event and a count-up event, both far ahead so every reminder lies ahead.
EDate countDown()
{
    return TestEvent::numbered(1)
        .titled(QStringLiteral("Trip"))
        .on(QStringLiteral("2030-06-15"))
        .withId(QStringLiteral("A1B2C3D4-0000-4000-8000-000000000001"))
        .theme(1002)
        .colours(QStringLiteral("CBEDFF"), QStringLiteral("014E7E"), QStringLiteral("014E7E"), QStringLiteral("FFFFFF"),
                 QStringLiteral("Home"), QStringLiteral("FF7580"));
}

EDate countUp()
{
    return TestEvent::from(countDown())
        .titled(QStringLiteral("Together"))
        .on(QStringLiteral("2024-02-14"))
        .counting(false)
        .withId(QStringLiteral("A1B2C3D4-0000-4000-8000-000000000002"));
}

QStringList pendingFor(const EDate &e)
{
    QStringList ids;
    for (const NotificationRequest &request : NotificationCenter().pendingRequests()) {
        if (request.identifier.contains(e.id))
            ids.append(request.identifier);
    }
    return ids;
}

void authorize(AuthorizationStatus status)
{
    NotificationCenter().setAuthorizationStatus(status);
}

class Reminders : public ::testing::Test
{
protected:
    TemporaryHome home;
    ScopedLocale locale{QStringLiteral("en_US")};

    // The reminder options of the event on `page`, as the screen shows them on appearing.
    std::unique_ptr<ReminderChoice> choiceFor(UserData &store, int page)
    {
        auto choice = std::make_unique<ReminderChoice>();
        choice->setStore(&store);
        choice->setEventId(store.magicDates().at(page).id);
        choice->appear();
        return choice;
    }
};

} // namespace

TEST_F(Reminders, WithNotificationsAllowedAnOptionSchedulesItsRemindersAndIsStored)
{
    authorize(AuthorizationStatus::Authorized);
    seedEvents({countDown(), countUp()});
    UserData store;
    auto choice = choiceFor(store, 0);

    choice->choose(2);
    EXPECT_EQ(choice->selectedOption(), 2);
    EXPECT_EQ(pendingFor(countDown()).size(), 4);
    EXPECT_EQ(savedEvents().at(0).repeatNotification, 2);
    EXPECT_FALSE(choice->showAlertPermissions());
    EXPECT_FALSE(choice->showAuthorizationPrompt());

    // Another option replaces them; "off" clears them and stores 0.
    choice->choose(3);
    EXPECT_EQ(pendingFor(countDown()).size(), 8);
    EXPECT_EQ(savedEvents().at(0).repeatNotification, 3);
    choice->choose(4);
    EXPECT_TRUE(pendingFor(countDown()).isEmpty());
    EXPECT_EQ(savedEvents().at(0).repeatNotification, 0);
    EXPECT_EQ(choice->selectedOption(), 4);
}

TEST_F(Reminders, WithNotificationsDeniedTheAlertExplainsAndTheOptionIsStoredUnscheduled)
{
    authorize(AuthorizationStatus::Denied);
    seedEvents({countDown()});
    UserData store;
    auto choice = choiceFor(store, 0);

    choice->choose(1);
    EXPECT_TRUE(choice->showAlertPermissions());
    EXPECT_FALSE(choice->showAuthorizationPrompt());
    EXPECT_EQ(choice->selectedOption(), 1);
    EXPECT_EQ(savedEvents().at(0).repeatNotification, 1);
    EXPECT_TRUE(pendingFor(countDown()).isEmpty());
}

TEST_F(Reminders, AllowingInTheAppsPromptSchedulesTheChosenOptionAtOnce)
{
    seedEvents({countDown()});
    UserData store;
    auto choice = choiceFor(store, 0);
    ASSERT_EQ(choice->authorizationStatus(), int(AuthorizationStatus::NotDetermined));

    choice->choose(3);
    EXPECT_TRUE(choice->showAuthorizationPrompt());
    EXPECT_FALSE(choice->showAlertPermissions());
    EXPECT_TRUE(pendingFor(countDown()).isEmpty());
    EXPECT_EQ(savedEvents().at(0).repeatNotification, 3);

    choice->allowNotifications();
    EXPECT_FALSE(choice->showAuthorizationPrompt());
    EXPECT_EQ(NotificationCenter().authorizationStatus(), AuthorizationStatus::Authorized);
    EXPECT_EQ(choice->authorizationStatus(), int(AuthorizationStatus::Authorized));
    EXPECT_EQ(pendingFor(countDown()).size(), 8);
    EXPECT_EQ(choice->selectedOption(), 3);
}

TEST_F(Reminders, DenyingInTheAppsPromptKeepsTheStoredOptionAndSaysHowToTurnNotificationsOn)
{
    seedEvents({countDown()});
    UserData store;
    auto choice = choiceFor(store, 0);

    choice->choose(1);
    ASSERT_TRUE(choice->showAuthorizationPrompt());
    choice->denyNotifications();
    EXPECT_FALSE(choice->showAuthorizationPrompt());
    EXPECT_TRUE(choice->showAlertPermissions());
    EXPECT_EQ(NotificationCenter().authorizationStatus(), AuthorizationStatus::Denied);
    EXPECT_EQ(savedEvents().at(0).repeatNotification, 1);
    EXPECT_TRUE(pendingFor(countDown()).isEmpty());

    // Turning notifications on in the settings page schedules what is chosen.
    choice->setShowAlertPermissions(false);
    NotificationSettings settings;
    EXPECT_FALSE(settings.allowed());
    settings.setAllowed(true);
    EXPECT_EQ(NotificationCenter().authorizationStatus(), AuthorizationStatus::Authorized);
    choice->refreshAuthorization();
    EXPECT_EQ(pendingFor(countDown()).size(), 1);
    settings.setAllowed(false);
    EXPECT_EQ(NotificationCenter().authorizationStatus(), AuthorizationStatus::Denied);
    EXPECT_FALSE(NotificationSettings().allowed());
}

TEST_F(Reminders, ACountUpEventTakesOnlyOff)
{
    authorize(AuthorizationStatus::Authorized);
    EDate up = countUp();
    up.repeatNotification = 2;
    seedEvents({countDown(), up});
    UserData store;
    store.notificationHelper()->addNotification(countUp(), NotiDays::three);
    auto choice = choiceFor(store, 1);
    ASSERT_TRUE(choice->countUp());
    ASSERT_EQ(choice->selectedOption(), 2);
    const QByteArray before = SettingsStore().value(UserData::kEventsKey).toByteArray();

    for (int option = 1; option <= 3; ++option) {
        choice->choose(option);
        EXPECT_EQ(choice->selectedOption(), 2) << option;
        EXPECT_EQ(SettingsStore().value(UserData::kEventsKey).toByteArray(), before) << option;
        EXPECT_EQ(pendingFor(countUp()).size(), 4) << option;
        EXPECT_FALSE(choice->showAlertPermissions());
        EXPECT_FALSE(choice->showAuthorizationPrompt());
    }
    choice->choose(4);
    EXPECT_EQ(choice->selectedOption(), 4);
    EXPECT_EQ(savedEvents().at(1).repeatNotification, 0);
    EXPECT_TRUE(pendingFor(countUp()).isEmpty());
}

TEST_F(Reminders, OnAppearingTheStoredCodeSelectsTheOption)
{
    const std::pair<std::optional<qint64>, int> cases[] = {
        {0, 4}, {1, 1}, {2, 2}, {3, 3}, {7, 4}, {std::nullopt, 4}};
    for (const auto &[code, option] : cases) {
        EDate e = countDown();
        e.repeatNotification = code;
        seedEvents({e});
        UserData store;
        EXPECT_EQ(choiceFor(store, 0)->selectedOption(), option) << (code ? *code : -1);
    }
}

// Reminder identifiers are the event's id with a day and a number: none is the bare id, so
// appearing removes nothing (a request named by the bare id is nobody's; it is left alone).
TEST_F(Reminders, OnAppearingThePendingListIsLoggedAndNothingIsRemoved)
{
    EDate e = countDown();
    e.repeatNotification = 1;
    seedEvents({e});
    UserData store;
    store.notificationHelper()->addNotification(e, NotiDays::one);
    NotificationCenter().add(NotificationRequest{e.id, e.dateTitle, QStringLiteral("body"), NotificationTrigger{}, true});
    ASSERT_EQ(pendingFor(e).size(), 2);

    LogCapture log;
    QLoggingCategory::setFilterRules(QStringLiteral("tallowick.reminders.info=true"));
    auto choice = choiceFor(store, 0);
    QLoggingCategory::setFilterRules(QString());
    EXPECT_EQ(pendingFor(e), (QStringList{e.id + QStringLiteral(" 2030-06-15 0"), e.id}));
    EXPECT_TRUE(log.lines().filter(QStringLiteral("MY pending notifications ------ 2")).size() == 1)
        << log.lines().join(QLatin1Char('\n')).toStdString();
}

TEST_F(Reminders, TheSheetShowsTheStoredOptionChecked)
{
    authorize(AuthorizationStatus::Authorized);
    EDate e = countDown();
    e.repeatNotification = 3;
    seedEvents({e, countUp()});
    UserData store;
    QmlScene scene(QStringLiteral("SetNotification"),
                   {{QStringLiteral("store"), storeValue(store)},
                    {QStringLiteral("event"), rowOf(e, store)}});
    ASSERT_TRUE(scene.item());
    scene.settle(150);
    const QImage image = scene.grab(QStringLiteral("set-notification"));

    const QColor line(0x01, 0x4E, 0x7E);
    EXPECT_TRUE(near(pixel(image, 5, 5), line));
    for (int option = 1; option <= 4; ++option) {
        QQuickItem *radio = scene.find(QStringLiteral("radio%1").arg(option));
        ASSERT_TRUE(radio) << option;
        const QPointF c = centreOf(radio);
        // One choice of four: the chosen button is filled in its middle, the others show the
        // sheet through.
        const QColor middle = pixel(image, int(c.x()), int(c.y()));
        if (option == 3)
            EXPECT_TRUE(near(middle, Qt::white, 30)) << option;
        else
            EXPECT_TRUE(near(middle, line)) << option;
        // The ring is white either way.
        EXPECT_TRUE(near(pixel(image, int(c.x()), int(radio->mapToScene(QPointF(0, 1)).y())), Qt::white, 60)) << option;
    }
}

// The sheet says the reminder time in the person's clock, and its hour and minute columns,
// turned with the keys, move every pending reminder to the new time once the turning pauses.
TEST_F(Reminders, TheSheetSaysAndChoosesTheTimeRemindersArriveAt)
{
    authorize(AuthorizationStatus::Authorized);
    EDate e = countDown();
    e.repeatNotification = 2;
    seedEvents({e});
    UserData store;
    NotificationHelper(NotificationCenter()).addNotification(e, NotiDays::three);
    QmlScene scene(QStringLiteral("SetNotification"),
                   {{QStringLiteral("store"), storeValue(store)}, {QStringLiteral("event"), rowOf(e, store)}});
    ASSERT_TRUE(scene.item());
    scene.settle(100);
    QQuickItem *text = scene.find(QStringLiteral("reminderTimeText"));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->property("text").toString(), QStringLiteral("Reminders arrive at 10:00 AM."));

    QQuickItem *hour = scene.find(QStringLiteral("reminderHour"));
    QQuickItem *minute = scene.find(QStringLiteral("reminderMinute"));
    ASSERT_TRUE(hour && minute);
    hour->forceActiveFocus(Qt::TabFocusReason);
    for (int k = 0; k < 11; ++k)
        QTest::keyClick(&scene.window(), Qt::Key_Up);
    minute->forceActiveFocus(Qt::TabFocusReason);
    QTest::keyClick(&scene.window(), Qt::Key_Down); // round to 59
    // Nothing moves while the columns turn.
    EXPECT_EQ(NotificationCenter().reminderTime(), QTime(10, 0));
    scene.settle(800);
    EXPECT_EQ(NotificationCenter().reminderTime(), QTime(21, 59));
    EXPECT_EQ(text->property("text").toString(), QStringLiteral("Reminders arrive at 9:59 PM."));
    const QList<NotificationRequest> pending = NotificationCenter().pendingRequests();
    ASSERT_EQ(pending.size(), 4);
    for (const NotificationRequest &request : pending)
        EXPECT_EQ(request.trigger.fireTime()->time(), QTime(21, 59)) << request.identifier.toStdString();

    // Another clock format: the same time on a 24-hour clock.
    ScopedLocale german(QStringLiteral("de_DE"));
    ReminderChoice choice;
    EXPECT_EQ(choice.reminderTimeText(), QStringLiteral("21:59"));
}

TEST_F(Reminders, TheAppsPromptAppearsOnATapAndAllowingSchedulesAtOnce)
{
    seedEvents({countDown()});
    UserData store;
    QmlScene scene(QStringLiteral("SetNotification"),
                   {{QStringLiteral("store"), storeValue(store)},
                    {QStringLiteral("event"), rowOf(countDown(), store)}});
    ASSERT_TRUE(scene.item());
    scene.settle(100);
    QQuickItem *prompt = scene.find(QStringLiteral("permissionPrompt"));
    ASSERT_TRUE(prompt);
    EXPECT_FALSE(prompt->property("open").toBool());

    tap(scene, scene.find(QStringLiteral("option2")));
    EXPECT_TRUE(prompt->property("open").toBool());
    EXPECT_TRUE(prompt->isVisible());
    EXPECT_EQ(prompt->property("title").toString(), qtTrId("Permission.title"));
    scene.settle(50);
    const QImage image = scene.grab(QStringLiteral("permission-prompt"));
    QQuickItem *card = prompt->findChild<QQuickItem *>(QStringLiteral("alertCard"));
    ASSERT_TRUE(card);
    EXPECT_TRUE(near(pixel(image, int(centreOf(card).x()), int(card->mapToScene(QPointF(0, 8)).y())), QColor(0xF2, 0xF2, 0xF2)));

    tap(scene, prompt->findChild<QQuickItem *>(QStringLiteral("alertPrimary")));
    EXPECT_FALSE(prompt->property("open").toBool());
    EXPECT_EQ(pendingFor(countDown()).size(), 4);
    EXPECT_EQ(savedEvents().at(0).repeatNotification, 2);
    EXPECT_EQ(scene.item()->property("choice").value<QObject *>()->property("selectedOption").toInt(), 2);
}

TEST_F(Reminders, TheDeniedAlertLeadsToTheAppsNotificationSettingsPage)
{
    authorize(AuthorizationStatus::Denied);
    // The app set up the login start before.
    ASSERT_TRUE(Autostart::offer(QStringLiteral("/usr/bin/tallowick-home")));
    seedEvents({countDown()});
    UserData store;
    QmlScene scene(QStringLiteral("SetNotification"),
                   {{QStringLiteral("store"), storeValue(store)},
                    {QStringLiteral("event"), rowOf(countDown(), store)}});
    ASSERT_TRUE(scene.item());
    scene.settle(100);

    tap(scene, scene.find(QStringLiteral("option1")));
    EXPECT_EQ(savedEvents().at(0).repeatNotification, 1);
    QQuickItem *alert = scene.find(QStringLiteral("permissionAlert"));
    ASSERT_TRUE(alert);
    EXPECT_TRUE(alert->property("open").toBool());
    EXPECT_EQ(alert->property("title").toString(), qtTrId("Setting.permission"));
    // It says where to go, and its button goes there: the app's own settings page.
    EXPECT_TRUE(alert->property("message").toString().contains(QStringLiteral("notification settings")));
    EXPECT_EQ(alert->property("primaryText").toString(), QStringLiteral("Notification settings"));
    // Meanwhile the choice shows as waiting for the permission, not as on.
    QQuickItem *waiting = scene.find(QStringLiteral("waitingForPermission"));
    ASSERT_TRUE(waiting);
    EXPECT_TRUE(waiting->isVisible());
    tap(scene, alert->findChild<QQuickItem *>(QStringLiteral("alertPrimary")));
    EXPECT_FALSE(alert->property("open").toBool());

    QQuickItem *page = scene.find(QStringLiteral("notificationSettingsPage"));
    ASSERT_TRUE(page);
    EXPECT_TRUE(page->isVisible());
    scene.settle(200);
    scene.grab(QStringLiteral("notification-settings"));
    tap(scene, page->findChild<QQuickItem *>(QStringLiteral("allowSwitch")));
    EXPECT_EQ(NotificationCenter().authorizationStatus(), AuthorizationStatus::Authorized);
    EXPECT_EQ(savedEvents().at(0).repeatNotification, 1);
    // The login start is shown on, and turned off here it is gone, and stays so.
    QQuickItem *login = page->findChild<QQuickItem *>(QStringLiteral("loginSwitch"));
    ASSERT_TRUE(login);
    EXPECT_TRUE(login->property("checked").toBool());
    tap(scene, login);
    EXPECT_FALSE(Autostart::isInstalled());
    EXPECT_FALSE(login->property("checked").toBool());
    EXPECT_FALSE(Autostart::offer(QStringLiteral("/usr/bin/tallowick-home")));
    tap(scene, page->findChild<QQuickItem *>(QStringLiteral("settingsClose")));
    EXPECT_FALSE(page->isVisible());
    // Back on the sheet, the option shown as on has its reminder, and waits no more.
    EXPECT_EQ(pendingFor(countDown()).size(), 1);
    EXPECT_FALSE(waiting->isVisible());
}

TEST_F(Reminders, TheStudioButtonOpensTheMakersProfile)
{
    QList<QUrl> opened;
    StoreLinks::setOpener([&](const QUrl &url) {
        opened.append(url);
        return true;
    });
    seedEvents({countDown()});
    UserData store;
    QmlScene scene(QStringLiteral("SetNotification"),
                   {{QStringLiteral("store"), storeValue(store)},
                    {QStringLiteral("event"), rowOf(countDown(), store)}});
    ASSERT_TRUE(scene.item());
    auto *flick = scene.find(QStringLiteral("reminderScroll"));
    ASSERT_TRUE(flick);
    flick->setProperty("contentY", flick->property("contentHeight").toReal() - flick->height());
    scene.settle(100);
    scene.grab(QStringLiteral("set-notification-end"));
    tap(scene, scene.find(QStringLiteral("studioButton")));
    StoreLinks::setOpener({});
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.at(0).toString(), StoreLinks::studioLink());
}
