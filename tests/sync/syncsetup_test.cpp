#include "radicaletest.h"

#include <support/testenvironment.h>
#include <sync/davtransport.h>
#include <sync/syncaccount.h>
#include <sync/syncsecrets.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

// "tallowick-cli sync setup" and "sync off" against a real server (Debian's Radicale) and, when
// the test runs through with-private-keyring.sh, a Secret Service of its own.
namespace {

struct CliRun
{
    int exitCode;
    QString out;
    QString err;
};

CliRun runCli(const QStringList &arguments, const QByteArray &input = {}, const QStringList &environment = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &setting : environment)
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TALLOWICK_CLI_PATH), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

bool haveKeyring()
{
    return !qEnvironmentVariableIsEmpty("TALLOWICK_TEST_KEYRING");
}

class SyncSetupOnRadicale : public RadicaleTest
{
protected:
    void SetUp() override
    {
        RadicaleTest::SetUp();
        if (!ready())
            return;
        root = server->root().toString();
    }

    // alice's calendars on the server, by their folder names.
    QStringList calendarsOnServer() const
    {
        return QDir(server->folder() + QStringLiteral("/collections/collection-root/alice"))
            .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }

    // The files under the test's XDG folders that hold `secret`.
    QStringList filesHolding(const QByteArray &secret) const
    {
        QStringList holding;
        QDirIterator files(home.root(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            if (readFile(path).contains(secret))
                holding.append(path);
        }
        return holding;
    }

    TemporaryHome home;
    QString root;
};

TEST_F(SyncSetupOnRadicale, FromTheRootMakesTallowickThenReusesACalendarByItsName)
{
    const QStringList command{QStringLiteral("--password-command"), QStringLiteral("printf alicepw")};
    CliRun run = runCli(QStringList{QStringLiteral("sync"), QStringLiteral("setup"), root, QStringLiteral("--user"),
                                    QStringLiteral("alice")} + command);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Syncing with the new calendar \"Tallowick\" at %1alice/Tallowick/\n").arg(root));
    EXPECT_EQ(calendarsOnServer(), QStringList{QStringLiteral("Tallowick")});
    std::optional<SyncAccount> account = SyncAccount::load();
    ASSERT_TRUE(account);
    EXPECT_EQ(account->calendar, QUrl(root + QStringLiteral("alice/Tallowick/")));
    EXPECT_EQ(account->passwordCommand, QStringLiteral("printf alicepw"));

    // Another program's calendar, found by the name it shows, not by its address.
    DavTransport alice(QStringLiteral("alice"), QStringLiteral("alicepw"));
    ASSERT_EQ(alice.send("MKCALENDAR", QUrl(root + QStringLiteral("alice/x-42/")),
                         "<?xml version=\"1.0\"?><c:mkcalendar xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\">"
                         "<d:set><d:prop><d:displayname>Days</d:displayname></d:prop></d:set></c:mkcalendar>")
                  .status,
              201);
    run = runCli(QStringList{QStringLiteral("sync"), QStringLiteral("setup"), root, QStringLiteral("--user"),
                             QStringLiteral("alice"), QStringLiteral("--calendar"), QStringLiteral("Days")} +
                 command);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Syncing with the calendar \"Days\" at %1alice/x-42/\n").arg(root));
    EXPECT_EQ(calendarsOnServer(), (QStringList{QStringLiteral("Tallowick"), QStringLiteral("x-42")}));
    account = SyncAccount::load();
    ASSERT_TRUE(account);
    EXPECT_EQ(account->calendar, QUrl(root + QStringLiteral("alice/x-42/")));

    run = runCli({QStringLiteral("sync"), QStringLiteral("off")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(SyncAccount::path()));
}

TEST_F(SyncSetupOnRadicale, APasswordGivenGoesToTheKeyringOnlyAndOffRemovesIt)
{
    if (!haveKeyring())
        GTEST_SKIP() << "no keyring of the test's own (run through with-private-keyring.sh)";
    const CliRun run = runCli({QStringLiteral("sync"), QStringLiteral("setup"), root, QStringLiteral("--user"),
                               QStringLiteral("alice"), QStringLiteral("--password-stdin")},
                              "alicepw\n");
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.count(QLatin1Char('\n')), 1);
    const std::optional<SyncAccount> account = SyncAccount::load();
    ASSERT_TRUE(account);
    EXPECT_TRUE(account->passwordCommand.isEmpty());
    EXPECT_EQ(SyncSecrets::password(*account).password, QStringLiteral("alicepw"));
    // As a sync in a worker thread asks for it, after this thread did.
    std::optional<QString> inWorker;
    std::unique_ptr<QThread> worker(QThread::create([&] { inWorker = SyncSecrets::password(*account).password; }));
    worker->start();
    ASSERT_TRUE(worker->wait(QDeadlineTimer(30000)));
    EXPECT_EQ(inWorker, QStringLiteral("alicepw"));
    EXPECT_EQ(filesHolding("alicepw"), QStringList());

    const CliRun off = runCli({QStringLiteral("sync"), QStringLiteral("off")});
    EXPECT_EQ(off.exitCode, 0) << off.err.toStdString();
    EXPECT_FALSE(QFile::exists(SyncAccount::path()));
    const SyncSecrets::Lookup gone = SyncSecrets::password(*account);
    EXPECT_EQ(gone.password, std::nullopt);
    EXPECT_FALSE(gone.failure.isEmpty());
}

TEST_F(SyncSetupOnRadicale, EachFailureSaysOneLineAndSavesNothing)
{
    const QStringList setup{QStringLiteral("sync"), QStringLiteral("setup"), root, QStringLiteral("--user"), QStringLiteral("alice")};
    const QStringList noBus{QStringLiteral("DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus")};
    const struct
    {
        const char *what;
        QStringList arguments;
        QByteArray input;
        QStringList environment;
        int exitCode;
        const char *saying;
        bool needsKeyring;
    } cases[] = {
        {"no session bus", setup + QStringList{QStringLiteral("--password-stdin")}, "alicepw\n", noBus, 1, "no keyring", false},
        {"wrong password", setup + QStringList{QStringLiteral("--password-stdin")}, "wrong\n", {}, 1, "refused the user name or password", true},
        {"wrong password from a command", setup + QStringList{QStringLiteral("--password-command"), QStringLiteral("printf wrong")}, {}, {}, 1,
         "refused the user name or password", false},
        {"failing command", setup + QStringList{QStringLiteral("--password-command"), QStringLiteral("echo locked >&2; exit 3")}, {}, {},
         1, "failed (exit status 3): locked", false},
        {"silent command", setup + QStringList{QStringLiteral("--password-command"), QStringLiteral("true")}, {}, {}, 1,
         "printed no password", false},
        {"plain http to another host",
         {QStringLiteral("sync"), QStringLiteral("setup"), QStringLiteral("http://dav.example.org/"), QStringLiteral("--user"),
          QStringLiteral("alice"), QStringLiteral("--password-stdin")},
         "alicepw\n", {}, 2, "use https", false},
        {"a password in the address",
         {QStringLiteral("sync"), QStringLiteral("setup"), QString(root).replace(QStringLiteral("//"), QStringLiteral("//alice:alicepw@")),
          QStringLiteral("--user"), QStringLiteral("alice"), QStringLiteral("--password-stdin")},
         "alicepw\n", {}, 2, "not in the address", false},
        {"input that is no terminal, unbidden", setup, "alicepw\n", {}, 2, "--password-stdin", false},
        {"no user", {QStringLiteral("sync"), QStringLiteral("setup"), root, QStringLiteral("--password-stdin")}, "alicepw\n", {}, 2, "--user", false},
    };
    for (const auto &c : cases) {
        if (c.needsKeyring && !haveKeyring())
            continue;
        const CliRun run = runCli(c.arguments, c.input, c.environment);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.what << ": " << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << c.what;
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << c.what << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String(c.saying))) << c.what << ": " << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(SyncAccount::path())) << c.what;
        EXPECT_FALSE(calendarsOnServer().contains(QStringLiteral("Tallowick"))) << c.what;
    }
}

} // namespace
