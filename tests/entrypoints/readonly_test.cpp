// Commands that only look leave every file as it was: the same bytes, the same times, nothing
// moved aside, not even a damaged file (only a change keeps that aside before replacing it).

#include "../reliability/programs.h"

#include <model/widgetcontent.h>
#include <platform/notificationcenter.h>
#include <platform/settingsstore.h>
#include <store/eventrepository.h>
#include <support/testenvironment.h>

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Every file under the test's home with its bytes and its modification time in nanoseconds.
QMap<QString, std::pair<QByteArray, qint64>> filesUnder(const QString &root)
{
    QMap<QString, std::pair<QByteArray, qint64>> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat info {};
        ::stat(QFile::encodeName(path).constData(), &info);
        files.insert(path, {readFile(path), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec});
    }
    return files;
}

class ReadOnly : public ::testing::Test
{
protected:
    TemporaryHome home;
    const QDateTime now = localTime(2026, 12, 8, 9);
    FixedClock clock{now};

    Programs::Run run(const QString &program, const QStringList &arguments)
    {
        const Programs::Run result = Programs::run(program, arguments, now);
        EXPECT_EQ(result.exitCode, 0) << arguments.join(' ').toStdString() << ": " << result.err.toStdString();
        return result;
    }

    // Every command that only reads, on the command line and the home screen's.
    void runEveryReader()
    {
        const QString picture = QDir::tempPath() + QStringLiteral("/tallowick-readonly-%1.png").arg(::getpid());
        for (const QStringList &arguments : QList<QStringList>{
                 {QStringLiteral("list")},
                 {QStringLiteral("list"), QStringLiteral("--json")},
                 {QStringLiteral("pending")},
                 {QStringLiteral("pending"), QStringLiteral("--json")},
                 {QStringLiteral("count"), QStringLiteral("2027-01-01")},
                 {QStringLiteral("format"), QStringLiteral("2027-01-01")},
                 {QStringLiteral("open"), QStringLiteral("https://tallowick.page.link?pageNumber=1")},
                 {QStringLiteral("notifications"), QStringLiteral("status")},
             })
            run(Programs::cli(), arguments);
        run(Programs::home(), {QStringLiteral("--list")});
        for (const char *size : {"small", "medium", "large"})
            run(Programs::home(), {QStringLiteral("--render"), QLatin1String(size), QStringLiteral("--out"), picture});
        QFile::remove(picture);
    }
};

} // namespace

TEST_F(ReadOnly, ReadingCommandsLeaveEveryFileAsItWas)
{
    // Every file there is: the list, the contents, reminders and their permission, widgets.
    EventRepository repository;
    repository.open();
    repository.setNotificationsAllowed(true);
    ASSERT_EQ(repository.chooseReminder(repository.read().events.at(0).id, NotiDays::three).outcome,
              ReminderOutcome::Scheduled);
    run(Programs::home(), {QStringLiteral("--add"), QStringLiteral("small")});
    const auto before = filesUnder(home.root());
    ASSERT_TRUE(before.contains(SettingsStore::defaultPath()));
    ASSERT_TRUE(before.contains(widgetContentsPath()));
    ASSERT_TRUE(before.contains(NotificationCenter::defaultPath()));

    runEveryReader();
    const auto after = filesUnder(home.root());
    EXPECT_EQ(after.keys(), before.keys());
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        EXPECT_EQ(after.value(it.key()).first, it.value().first) << it.key().toStdString();
        EXPECT_EQ(after.value(it.key()).second, it.value().second) << "rewritten: " << it.key().toStdString();
    }
}

TEST_F(ReadOnly, ADamagedFileIsReportedByReadersAndKeptAsideOnlyByAChange)
{
    writeFile(SettingsStore::defaultPath(), "not a property list");
    writeFile(NotificationCenter::defaultPath(), "{not json");
    const auto before = filesUnder(home.root());
    runEveryReader();
    EXPECT_EQ(filesUnder(home.root()).keys(), before.keys());
    EXPECT_EQ(readFile(SettingsStore::defaultPath()), QByteArray("not a property list"));
    EXPECT_EQ(readFile(NotificationCenter::defaultPath()), QByteArray("{not json"));

    run(Programs::cli(), {QStringLiteral("add"), QStringLiteral("Trip"), QStringLiteral("2027-01-01")});
    run(Programs::cli(), {QStringLiteral("notifications"), QStringLiteral("allow")});
    const QStringList aside = QDir(QFileInfo(SettingsStore::defaultPath()).absolutePath())
                                  .entryList({QStringLiteral("*.unreadable-*")}, QDir::Files);
    EXPECT_EQ(aside.size(), 1);
    EXPECT_EQ(QDir(QFileInfo(NotificationCenter::defaultPath()).absolutePath())
                  .entryList({QStringLiteral("*.unreadable-*")}, QDir::Files).size(), 1);
}
