#include "syncsecrets.h"

#include <qt6keychain/keychain.h>

#include <QDBusConnection>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <chrono>

namespace SyncSecrets {
namespace {

const QString kService = QStringLiteral("Tallowick sync");
// The keyring may ask the person to unlock it: long enough for that, short enough that a
// keyring that never answers does not hang a sync for good.
constexpr auto kKeyringTimeout = std::chrono::minutes(2);
constexpr auto kCommandTimeout = std::chrono::seconds(30);
// The most of a command's output that is read: a password is one short line.
constexpr qint64 kMaxCommandOutput = 64 * 1024;

// One keyring entry per user and calendar, so that two accounts never share a password.
QString keyOf(const SyncAccount &account)
{
    return account.user + QLatin1Char('@') + account.calendar.toString(QUrl::RemoveUserInfo | QUrl::FullyEncoded);
}

QString oneLine(const QString &text)
{
    return text.simplified();
}

// Runs a keyring job to its end in this thread (a local event loop: the callers block).
// False when it did not end in time; the job then deletes itself whenever it does end.
bool finish(QKeychain::Job *job)
{
    job->setAutoDelete(false);
    // Never a plain-text copy in a settings file when there is no keyring.
    job->setInsecureFallback(false);
    QEventLoop loop;
    bool finished = false;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(kKeyringTimeout, &loop, &QEventLoop::quit);
    job->start();
    if (!finished)
        loop.exec();
    if (!finished)
        job->setAutoDelete(true);
    return finished;
}

QString keyringFailure(const QKeychain::Job &job, const QString &doing)
{
    switch (job.error()) {
    case QKeychain::NoBackendAvailable:
        return QStringLiteral("no keyring: no Secret Service or KWallet answers on the session bus");
    case QKeychain::AccessDeniedByUser:
    case QKeychain::AccessDenied:
        return QStringLiteral("the keyring refused %1 (is it locked?)").arg(doing);
    default:
        return QStringLiteral("the keyring failed %1: %2").arg(doing, oneLine(job.errorString()));
    }
}

Lookup fromCommand(const QString &command)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    if (!process.waitForStarted())
        return {std::nullopt, QStringLiteral("the password command could not be started: %1").arg(oneLine(process.errorString()))};
    const bool ended = process.waitForFinished(std::chrono::milliseconds(kCommandTimeout).count());
    if (!ended) {
        process.kill();
        process.waitForFinished();
        return {std::nullopt, QStringLiteral("the password command gave no password within %1 seconds")
                                  .arg(std::chrono::seconds(kCommandTimeout).count())};
    }
    const QByteArray output = process.read(kMaxCommandOutput);
    // What the command said on failure, for the one line (its last line says the most).
    const QString said = oneLine(QString::fromLocal8Bit(process.readAllStandardError().trimmed().split('\n').last()));
    const QString saidPart = said.isEmpty() ? QString() : QStringLiteral(": ") + said.left(160);
    if (process.exitStatus() != QProcess::NormalExit)
        return {std::nullopt, QStringLiteral("the password command crashed") + saidPart};
    if (process.exitCode() != 0)
        return {std::nullopt, QStringLiteral("the password command failed (exit status %1)").arg(process.exitCode()) + saidPart};
    const qsizetype end = output.indexOf('\n');
    QByteArray line = end < 0 ? output : output.left(end);
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.isEmpty())
        return {std::nullopt, QStringLiteral("the password command printed no password")};
    return {QString::fromUtf8(line), {}};
}

} // namespace

// Without a session bus there is neither Secret Service nor KWallet to ask.
QString keyringMissing()
{
    if (!QDBusConnection::sessionBus().isConnected())
        return QStringLiteral("no keyring: there is no desktop session bus to reach the Secret Service");
    return {};
}

bool store(const SyncAccount &account, const QString &password, QString *failure)
{
    QString why = keyringMissing();
    if (why.isEmpty()) {
        auto *job = new QKeychain::WritePasswordJob(kService);
        job->setKey(keyOf(account));
        job->setTextData(password);
        if (!finish(job))
            why = QStringLiteral("the keyring did not answer");
        else if (job->error() != QKeychain::NoError)
            why = keyringFailure(*job, QStringLiteral("to store the password"));
        if (!job->autoDelete())
            delete job;
    }
    if (failure)
        *failure = why;
    return why.isEmpty();
}

Lookup password(const SyncAccount &account)
{
    if (!account.passwordCommand.isEmpty())
        return fromCommand(account.passwordCommand);
    if (const QString why = keyringMissing(); !why.isEmpty())
        return {std::nullopt, why};
    auto *job = new QKeychain::ReadPasswordJob(kService);
    job->setKey(keyOf(account));
    Lookup result;
    if (!finish(job))
        return {std::nullopt, QStringLiteral("the keyring did not answer")};
    if (job->error() == QKeychain::EntryNotFound)
        result.failure = QStringLiteral("the keyring holds no password for %1; set the account up again").arg(account.user);
    else if (job->error() != QKeychain::NoError)
        result.failure = keyringFailure(*job, QStringLiteral("to give the password"));
    else
        result.password = job->textData();
    delete job;
    return result;
}

bool forget(const SyncAccount &account)
{
    if (!keyringMissing().isEmpty())
        return false;
    auto *job = new QKeychain::DeletePasswordJob(kService);
    job->setKey(keyOf(account));
    if (!finish(job))
        return false;
    const bool gone = job->error() == QKeychain::NoError || job->error() == QKeychain::EntryNotFound;
    delete job;
    return gone;
}

} // namespace SyncSecrets
