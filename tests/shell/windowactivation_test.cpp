#include <shell/singleinstance.h>
#include <shell/windowactivation.h>
#include <support/testenvironment.h>

#include <QQuickWindow>
#include <QTest>
#include <gtest/gtest.h>

// What the running app does with what a later start hands it: on Wayland it gives Qt's plug-in
// the token to activate its window with (the plug-in reads XDG_ACTIVATION_TOKEN when asked to
// activate); on X11 it reads the time of the click from the startup id.

TEST(WindowActivation, OnWaylandTheWindowIsActivatedWithTheTokenOfTheStart)
{
    qunsetenv("XDG_ACTIVATION_TOKEN");
    QQuickWindow window;
    window.resize(100, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.showMinimized();

    WindowActivation::activate(&window, Activation{QStringLiteral("tallowick://open?pageNumber=1"),
                                                   QStringLiteral("token-of-the-click"), {}},
                               QStringLiteral("wayland"));
    EXPECT_EQ(qEnvironmentVariable("XDG_ACTIVATION_TOKEN"), QStringLiteral("token-of-the-click"));
    EXPECT_FALSE(window.windowStates() & Qt::WindowMinimized);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

TEST(WindowActivation, TheStartupIdGivesTheTimeOfTheClick)
{
    EXPECT_EQ(WindowActivation::startupTime(QStringLiteral("openbox/tallowick/1234-0-host_TIME5210345")), 5210345u);
    EXPECT_EQ(WindowActivation::startupTime(QStringLiteral("no-time-here")), 0u);
    EXPECT_EQ(WindowActivation::startupTime(QStringLiteral("x_TIMEsoon")), 0u);
    EXPECT_EQ(WindowActivation::startupTime(QString()), 0u);
}
