#pragma once

#include <support/qmlscene.h>
#include <support/testenvironment.h>

#include <model/edate.h>
#include <platform/notificationcenter.h>
#include <platform/settingsstore.h>
#include <store/userdata.h>

#include <QQuickItem>
#include <QTest>
#include <gtest/gtest.h>

// The whole app's scene, as a person meets it, over a store of its own first-start events,
// for tests that drive it with the keyboard or the mouse and check what was saved.
class AppScene : public ::testing::Test
{
protected:
    TemporaryHome home;
    ScopedLocale locale{QStringLiteral("en_US")};
    FixedClock clock{localTime(2026, 12, 8, 9)};
    UserData store;
    std::unique_ptr<QmlScene> scene;

    void SetUp() override
    {
        NotificationCenter().setAuthorizationStatus(AuthorizationStatus::Authorized);
        // The request for a review, 3 s after a third event is saved, would take the keys in
        // the middle of a test that is about something else.
        SettingsStore().setValue(UserData::kReviewKey, true);
        scene = std::make_unique<QmlScene>(
            QStringLiteral("ContentView"),
            QVariantMap{{QStringLiteral("store"), QVariant::fromValue(&store)},
                        {QStringLiteral("animateEntrance"), false}});
        ASSERT_TRUE(scene->item());
        scene->window().requestActivate();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&scene->window()));
        scene->item()->forceActiveFocus();
        scene->settle(100);
    }

    static QList<EDate> saved()
    {
        return decodeEventList(SettingsStore().value(UserData::kEventsKey).toByteArray())
            .value_or(QList<EDate>());
    }
    QObject *sheet() { return scene->find(QStringLiteral("eventSheet")); }
    bool sheetOpen() { return sheet()->property("open").toBool(); }
    void present(const char *mode)
    {
        QMetaObject::invokeMethod(sheet(), "present", Q_ARG(QVariant, QString::fromLatin1(mode)));
        waitForSheet();
    }
    // The sheet opens with an animation; the input goes in once it stands.
    void waitForSheet()
    {
        ASSERT_TRUE(waitUntil([&] { return sheetOpen(); }, 2000));
        scene->settle(450);
    }
    bool waitForSheetClosed() { return waitUntil([&] { return !sheetOpen(); }, 2000); }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(&scene->window(), k, modifiers);
        scene->settle(40);
    }
    void type(const QString &text)
    {
        // QTest types into widgets only; a window takes the characters one key event at a time.
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(&scene->window(), &press);
            QCoreApplication::sendEvent(&scene->window(), &release);
        }
        scene->settle(40);
    }
    QQuickItem *focused() { return scene->window().activeFocusItem(); }
};
