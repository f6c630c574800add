#include "syncsecrets.h"

#include <qt6keychain/keychain.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDeadlineTimer>
#include <QMutex>
#include <QProcess>
#include <QThread>
#include <QWaitCondition>

#include <chrono>
#include <functional>
#include <memory>

namespace SyncSecrets {
namespace {

const QString kService = QStringLiteral("Tallowick sync");
// The keyring may ask the person to unlock it: long enough for that, short enough that a
// keyring that never answers does not hang a sync for good.
constexpr auto kKeyringTimeout = std::chrono::minutes(2);
// How long the end of the process waits for a keyring call still under way.
constexpr auto kKeyringStopWait = std::chrono::seconds(5);
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

// What a finished keyring job came to.
struct JobEnd
{
    QKeychain::Error error = QKeychain::OtherError;
    QString errorString;
    QString text; // a read password
};

// Keychain's jobs all go through one queue object that lives in the thread of its first job
// and holds on to each job across threads (a job of another thread, deleted there, is
// touched later from the queue's). So every job runs in this one thread of ours, whichever
// thread asks, and the asking thread waits for the answer.
QThread *g_keyringThread = nullptr;

void stopKeyringThread()
{
    g_keyringThread->quit();
    g_keyringThread->wait(std::chrono::milliseconds(kKeyringStopWait).count());
}

QObject *keyringThreadContext()
{
    static QObject *context = [] {
        g_keyringThread = new QThread;
        g_keyringThread->setObjectName(QStringLiteral("keyring"));
        auto *object = new QObject;
        object->moveToThread(g_keyringThread);
        QObject::connect(g_keyringThread, &QThread::finished, object, &QObject::deleteLater);
        g_keyringThread->start();
        qAddPostRoutine(stopKeyringThread);
        return object;
    }();
    return context;
}

// Runs the job `make` gives in the keyring thread and waits for its end (the person may be
// asked to unlock the keyring meanwhile). Nothing when it did not end in time. Keychain
// deletes the job itself once it ended.
std::optional<JobEnd> runJob(std::function<QKeychain::Job *()> make)
{
    struct Waiting
    {
        QMutex mutex;
        QWaitCondition ended;
        std::optional<JobEnd> end;
    };
    const auto waiting = std::make_shared<Waiting>();
    QMutexLocker locked(&waiting->mutex);
    QMetaObject::invokeMethod(
        keyringThreadContext(),
        [waiting, make = std::move(make)] {
            QKeychain::Job *job = make();
            job->setAutoDelete(true);
            // Never a plain-text copy in a settings file when there is no keyring.
            job->setInsecureFallback(false);
            QObject::connect(job, &QKeychain::Job::finished, job, [waiting](QKeychain::Job *done) {
                JobEnd end{done->error(), done->errorString(), {}};
                if (const auto *read = qobject_cast<QKeychain::ReadPasswordJob *>(done))
                    end.text = read->textData();
                const QMutexLocker locked(&waiting->mutex);
                waiting->end = end;
                waiting->ended.wakeAll();
            });
            job->start();
        },
        Qt::QueuedConnection);
    QDeadlineTimer deadline(kKeyringTimeout);
    while (!waiting->end && waiting->ended.wait(&waiting->mutex, deadline)) {
    }
    return waiting->end;
}

QString keyringFailure(const JobEnd &end, const QString &doing)
{
    switch (end.error) {
    case QKeychain::NoBackendAvailable:
        return QStringLiteral("no keyring: no Secret Service or KWallet answers on the session bus");
    case QKeychain::AccessDeniedByUser:
    case QKeychain::AccessDenied:
        return QStringLiteral("the keyring refused %1 (is it locked?)").arg(doing);
    default:
        return QStringLiteral("the keyring failed %1: %2").arg(doing, oneLine(end.errorString));
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
        const std::optional<JobEnd> end = runJob([key = keyOf(account), password] {
            auto *job = new QKeychain::WritePasswordJob(kService);
            job->setKey(key);
            job->setTextData(password);
            return job;
        });
        if (!end)
            why = QStringLiteral("the keyring did not answer");
        else if (end->error != QKeychain::NoError)
            why = keyringFailure(*end, QStringLiteral("to store the password"));
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
    const std::optional<JobEnd> end = runJob([key = keyOf(account)] {
        auto *job = new QKeychain::ReadPasswordJob(kService);
        job->setKey(key);
        return job;
    });
    if (!end)
        return {std::nullopt, QStringLiteral("the keyring did not answer")};
    if (end->error == QKeychain::EntryNotFound)
        return {std::nullopt,
                QStringLiteral("the keyring holds no password for %1; set the account up again").arg(account.user)};
    if (end->error != QKeychain::NoError)
        return {std::nullopt, keyringFailure(*end, QStringLiteral("to give the password"))};
    return {end->text, {}};
}

bool forget(const SyncAccount &account)
{
    if (!keyringMissing().isEmpty())
        return false;
    const std::optional<JobEnd> end = runJob([key = keyOf(account)] {
        auto *job = new QKeychain::DeletePasswordJob(kService);
        job->setKey(key);
        return job;
    });
    return end && (end->error == QKeychain::NoError || end->error == QKeychain::EntryNotFound);
}

} // namespace SyncSecrets
