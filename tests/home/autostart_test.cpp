#include <home/autostart.h>

#include <support/testenvironment.h>

#include <gtest/gtest.h>

TEST(Autostart, QuotesAndEscapesTheProgramAsTheExecKeyRequires)
{
    EXPECT_EQ(Autostart::execValue(QStringLiteral("/usr/bin/tallowick-home")), QStringLiteral("/usr/bin/tallowick-home"));
    EXPECT_EQ(Autostart::execValue(QStringLiteral("/home/me/My Apps/tallowick-home")),
              QStringLiteral("\"/home/me/My Apps/tallowick-home\""));
    // Inside quotes $ takes a backslash, which the file's own escaping doubles.
    EXPECT_EQ(Autostart::execValue(QStringLiteral("/opt/$HOME/tallowick-home")), QStringLiteral("\"/opt/\\\\$HOME/tallowick-home\""));
    EXPECT_EQ(Autostart::execValue(QStringLiteral("/opt/100%/tallowick-home")), QStringLiteral("/opt/100%%/tallowick-home"));
}

TEST(Autostart, TheEntryStartsTheProgramFromTheConfigFolder)
{
    TemporaryHome home;
    EXPECT_EQ(Autostart::entryPath(), home.configHome() + QStringLiteral("/autostart/tallowick-home.desktop"));
    ASSERT_TRUE(Autostart::install(QStringLiteral("/opt/tallowick/bin/tallowick-home")));
    const QString text = QString::fromUtf8(readFile(Autostart::entryPath()));
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nType=Application\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=/opt/tallowick/bin/tallowick-home\n")));
    EXPECT_EQ(permissionBits(Autostart::entryPath()), 0600);
    EXPECT_EQ(permissionBits(home.configHome() + QStringLiteral("/autostart")), 0700);
}
