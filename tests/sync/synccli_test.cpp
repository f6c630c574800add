#include "radicaletest.h"

#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <list>
#include <optional>

// tallowick-cli's sync, run as a person runs it: two devices (two XDG trees) on one Radicale,
// the password given by a command, the calendar read back by an independent reader, and
// syncs killed at random moments.
namespace {

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

class Device
{
public:
    Device(const QString &folder, const QString &passwordFile)
        : m_folder(folder)
        , m_passwordFile(passwordFile)
    {
        for (const char *sub : {"config", "data", "runtime"})
            QDir().mkpath(folder + QLatin1Char('/') + QLatin1String(sub));
        QFile::setPermissions(folder + QStringLiteral("/runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder + QStringLiteral("/config"));
        m_environment.insert(QStringLiteral("XDG_DATA_HOME"), folder + QStringLiteral("/data"));
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder + QStringLiteral("/runtime"));
        m_environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent"));
        m_environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
        m_environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        m_environment.remove(QStringLiteral("LANGUAGE"));
        m_environment.remove(QStringLiteral("LC_ALL"));
    }

    CliRun run(const QStringList &arguments) const
    {
        QProcess process;
        start(process, arguments);
        process.waitForFinished(60000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
    }
    void start(QProcess &process, const QStringList &arguments) const
    {
        process.setProcessEnvironment(m_environment);
        process.start(QStringLiteral(TALLOWICK_CLI_PATH), QStringList{QStringLiteral("--now"), QStringLiteral("2026-12-10T09:00:00")} + arguments);
        process.waitForStarted();
    }
    bool setUp(const QUrl &server) const
    {
        const CliRun setup = run({QStringLiteral("sync"), QStringLiteral("setup"), server.toString(), QStringLiteral("--user"),
                               QStringLiteral("alice"), QStringLiteral("--password-command"), QStringLiteral("cat '%1'").arg(m_passwordFile)});
        EXPECT_EQ(setup.exitCode, 0) << setup.err.toStdString();
        return setup.exitCode == 0;
    }
    void sync() const
    {
        const CliRun synced = run({QStringLiteral("sync")});
        EXPECT_EQ(synced.exitCode, 0) << synced.err.toStdString();
    }
    QJsonArray list() const
    {
        return QJsonDocument::fromJson(run({QStringLiteral("list"), QStringLiteral("--json")}).out.toUtf8()).array();
    }
    QJsonObject status() const
    {
        return QJsonDocument::fromJson(run({QStringLiteral("sync"), QStringLiteral("status"), QStringLiteral("--json")}).out.toUtf8()).object();
    }
    QString folder() const { return m_folder; }

private:
    QString m_folder;
    QString m_passwordFile;
    QProcessEnvironment m_environment;
};

QStringList fieldOf(const QJsonArray &list, const char *key)
{
    QStringList values;
    for (const QJsonValue &value : list)
        values.append(value.toObject().value(QLatin1String(key)).toVariant().toString());
    return values;
}

class SyncCommandLine : public RadicaleTest
{
protected:
    void SetUp() override
    {
        RadicaleTest::SetUp();
        if (!ready())
            return;
        passwordFile = folder.path() + QStringLiteral("/password");
        QFile file(passwordFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("alicepw\n");
    }

    Device &device()
    {
        return devices.emplace_back(folder.path() + QStringLiteral("/device%1").arg(devices.size()), passwordFile);
    }

    // The calendar as another program reads it: each object's UID, SUMMARY, start and
    // order, from Radicale's own files, by python3-icalendar.
    QJsonArray serverObjects() const
    {
        QProcess reader;
        reader.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QStringLiteral(R"(
import glob, json, sys, icalendar
out = []
for path in sorted(glob.glob(sys.argv[1] + '/collections/collection-root/alice/*/*.ics')):
    for event in icalendar.Calendar.from_ical(open(path, 'rb').read()).walk('VEVENT'):
        out.append({'uid': str(event['UID']), 'summary': str(event['SUMMARY']),
                    'start': event['DTSTART'].dt.isoformat(), 'order': str(event.get('X-TALLOWICK-ORDER', ''))})
print(json.dumps(out))
)"), server->folder()});
        reader.waitForFinished(30000);
        EXPECT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
        return QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
    }

    QTemporaryDir folder;
    QString passwordFile;
    std::list<Device> devices;
};

TEST_F(SyncCommandLine, TwoDevicesAgreeWithTheServerAndNoPasswordIsWritten)
{
    const Device &laptop = device();
    ASSERT_TRUE(laptop.setUp(server->root()));
    laptop.run({QStringLiteral("add"), QStringLiteral("Trip"), QStringLiteral("2027-05-01"), QStringLiteral("--theme"), QStringLiteral("1004")});
    laptop.run({QStringLiteral("add"), QStringLiteral("Birthday"), QStringLiteral("2027-02-14"), QStringLiteral("--yearly")});
    EXPECT_GT(laptop.status().value(QStringLiteral("waiting")).toInt(), 0);
    laptop.sync();
    EXPECT_EQ(laptop.status().value(QStringLiteral("waiting")).toInt(), 0);
    EXPECT_TRUE(laptop.status().value(QStringLiteral("lastOk")).toBool());

    const Device &phone = device();
    ASSERT_TRUE(phone.setUp(server->root()));
    phone.sync();
    const QJsonArray list = laptop.list();
    EXPECT_EQ(phone.list(), list);

    QJsonArray objects = serverObjects();
    ASSERT_EQ(objects.size(), list.size());
    QStringList ids = fieldOf(list, "id");
    QStringList uids = fieldOf(objects, "uid");
    ids.sort();
    uids.sort();
    EXPECT_EQ(uids, ids);
    EXPECT_TRUE(fieldOf(objects, "summary").contains(QStringLiteral("Birthday")));
    EXPECT_TRUE(fieldOf(objects, "start").contains(QStringLiteral("2027-05-01")));
    EXPECT_FALSE(fieldOf(objects, "order").contains(QString()));

    for (const Device *each : {&laptop, &phone}) {
        QDirIterator files(each->folder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_FALSE(file.readAll().contains("alicepw")) << "the password is in " << file.fileName().toStdString();
        }
    }

    const CliRun off = phone.run({QStringLiteral("sync"), QStringLiteral("off")});
    EXPECT_EQ(off.exitCode, 0) << off.err.toStdString();
    EXPECT_FALSE(phone.status().value(QStringLiteral("configured")).toBool());
    EXPECT_EQ(phone.list(), list) << "the events stay";
}

TEST_F(SyncCommandLine, AWrongPasswordOrAStoppedServerIsOneLineAndChangesNothing)
{
    const Device &laptop = device();
    ASSERT_TRUE(laptop.setUp(server->root()));
    laptop.sync();
    laptop.run({QStringLiteral("add"), QStringLiteral("Waiting"), QStringLiteral("2027-05-01")});
    const QJsonArray before = laptop.list();

    QFile file(passwordFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("wrong\n");
    file.close();
    CliRun refused = laptop.run({QStringLiteral("sync")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err.count(QLatin1Char('\n')), 1) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(QStringLiteral("password"))) << refused.err.toStdString();
    EXPECT_EQ(laptop.list(), before);
    EXPECT_FALSE(laptop.status().value(QStringLiteral("lastOk")).toBool());

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("alicepw\n");
    file.close();
    server.reset(); // stopped
    refused = laptop.run({QStringLiteral("sync")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err.count(QLatin1Char('\n')), 1) << refused.err.toStdString();
    EXPECT_EQ(laptop.list(), before);
    EXPECT_EQ(laptop.status().value(QStringLiteral("waiting")).toInt(), 1);
}

TEST_F(SyncCommandLine, SyncsKilledAtRandomMomentsAreCompletedWithoutDuplicatesOrLosses)
{
    const Device &laptop = device();
    const Device &phone = device();
    ASSERT_TRUE(laptop.setUp(server->root()));
    ASSERT_TRUE(phone.setUp(server->root()));
    for (int i = 0; i < 6; ++i)
        laptop.run({QStringLiteral("add"), QStringLiteral("Start %1").arg(i), QStringLiteral("2027-01-%1").arg(i + 10)});
    laptop.sync();
    phone.sync();

    QRandomGenerator random(20261210);
    QStringList added;
    int killedMidway = 0;
    for (int round = 0; round < 20; ++round) {
        // A change on each side, then a sync of one of them killed somewhere along its way.
        const QString title = QStringLiteral("Added %1").arg(round);
        const CliRun add = (round % 2 ? phone : laptop).run({QStringLiteral("add"), title, QStringLiteral("2027-03-%1").arg(round + 1, 2, 10, QLatin1Char('0'))});
        ASSERT_EQ(add.exitCode, 0) << add.err.toStdString();
        added.append(title);
        (round % 2 ? laptop : phone).run({QStringLiteral("move"), QStringLiteral("0"), QStringLiteral("3")});
        QProcess victim;
        (round % 3 ? laptop : phone).start(victim, {QStringLiteral("sync")});
        QThread::msleep(random.bounded(20, 400));
        killedMidway += victim.state() == QProcess::Running;
        victim.kill();
        victim.waitForFinished();
    }
    EXPECT_GE(killedMidway, 10) << "the kills came after the syncs had ended";
    laptop.sync();
    phone.sync();
    laptop.sync();
    const QJsonArray list = laptop.list();
    EXPECT_EQ(phone.list(), list);
    QStringList titles = fieldOf(list, "dateTitle");
    for (const QString &title : std::as_const(added))
        EXPECT_EQ(titles.count(title), 1) << title.toStdString();
    EXPECT_EQ(serverObjects().size(), list.size());
    QStringList uids = fieldOf(serverObjects(), "uid");
    uids.removeDuplicates();
    EXPECT_EQ(uids.size(), list.size());
}

} // namespace
