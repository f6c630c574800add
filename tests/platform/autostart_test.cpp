#include <platform/autostart.h>

#include <support/testenvironment.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=/opt/tallowick/bin/tallowick-home --background\n")));
    EXPECT_EQ(permissionBits(Autostart::entryPath()), 0600);
    EXPECT_EQ(permissionBits(home.configHome() + QStringLiteral("/autostart")), 0700);
}

TEST(Autostart, RemovingTakesTheEntryAwayAndNothingElse)
{
    TemporaryHome home;
    EXPECT_EQ(Autostart::remove(), Autostart::Removal::NotThere);

    ASSERT_TRUE(Autostart::install(QStringLiteral("/usr/bin/tallowick-home")));
    const QString other = home.configHome() + QStringLiteral("/autostart/other-app.desktop");
    writeFile(other, "[Desktop Entry]\n");
    EXPECT_EQ(Autostart::remove(), Autostart::Removal::Removed);
    EXPECT_FALSE(QFile::exists(Autostart::entryPath()));
    EXPECT_TRUE(QFile::exists(other));
    EXPECT_EQ(Autostart::remove(), Autostart::Removal::NotThere);

    // A link in the entry's place goes; what it points to stays.
    const QString target = home.root() + QStringLiteral("/kept.desktop");
    writeFile(target, "[Desktop Entry]\n");
    ASSERT_TRUE(QFile::link(target, Autostart::entryPath()));
    EXPECT_EQ(Autostart::remove(), Autostart::Removal::Removed);
    EXPECT_TRUE(QFile::exists(target));
    // A dangling one as well.
    ASSERT_TRUE(QFile::link(home.root() + QStringLiteral("/gone"), Autostart::entryPath()));
    EXPECT_EQ(Autostart::remove(), Autostart::Removal::Removed);
    EXPECT_FALSE(QFileInfo(Autostart::entryPath()).isSymLink());

    // A folder by that name is not an entry: refused, and left alone.
    ASSERT_TRUE(QDir().mkpath(Autostart::entryPath()));
    EXPECT_EQ(Autostart::remove(), Autostart::Removal::Failed);
    EXPECT_TRUE(QFileInfo(Autostart::entryPath()).isDir());
}

TEST(Autostart, OfferedOnceThenOnlyThePersonAddsOrRemovesIt)
{
    TemporaryHome home;
    const QString program = QStringLiteral("/usr/bin/tallowick-home");
    EXPECT_FALSE(Autostart::wasOffered());
    EXPECT_TRUE(Autostart::offer(program));
    EXPECT_TRUE(Autostart::isInstalled());
    EXPECT_TRUE(Autostart::wasOffered());

    // Removed by the person (here, or by the desktop's own settings): never written again.
    EXPECT_EQ(Autostart::remove(), Autostart::Removal::Removed);
    EXPECT_FALSE(Autostart::offer(program));
    EXPECT_FALSE(Autostart::isInstalled());
    // Turned on again, it stays.
    ASSERT_TRUE(Autostart::install(program));
    EXPECT_TRUE(Autostart::offer(program));
}

TEST(Autostart, AnEntryMadeByHandIsKeptAndSayingNoneCounts)
{
    {
        TemporaryHome home;
        writeFile(Autostart::entryPath(), "[Desktop Entry]\nExec=/somewhere/else/tallowick-home\n");
        EXPECT_TRUE(Autostart::offer(QStringLiteral("/usr/bin/tallowick-home")));
        EXPECT_TRUE(readFile(Autostart::entryPath()).contains("/somewhere/else/"));
    }
    {
        TemporaryHome home;
        EXPECT_EQ(Autostart::remove(), Autostart::Removal::NotThere);
        EXPECT_FALSE(Autostart::offer(QStringLiteral("/usr/bin/tallowick-home")));
    }
}
