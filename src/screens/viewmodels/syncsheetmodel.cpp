#include "syncsheetmodel.h"

#include <platform/clock.h>
#include <sync/syncaccount.h>
#include <sync/syncengine.h>
#include <sync/syncrunner.h>
#include <sync/syncsecrets.h>
#include <sync/syncsetup.h>
#include <sync/syncstate.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QThreadPool>

namespace {

// When the last sync ended, as a phrase that fits after "Last synced": "today at 10:42".
QString whenText(const QDateTime &when, const QDateTime &now)
{
    const QDateTime local = when.toLocalTime();
    const QString time = QLocale().toString(local.time(), QLocale::ShortFormat);
    const QDate today = now.toLocalTime().date();
    if (local.date() == today)
        //% "today at %1"
        return qtTrId("Sync.whenToday").arg(time);
    if (local.date() == today.addDays(-1))
        //% "yesterday at %1"
        return qtTrId("Sync.whenYesterday").arg(time);
    //% "on %1 at %2"
    return qtTrId("Sync.whenDate").arg(QLocale().toString(local.date(), QLocale::ShortFormat), time);
}

// What the last sync did, in the person's language: the counts, the events both sides
// changed, and what stayed on the server.
QString summaryText(const SyncState &state)
{
    QStringList parts;
    if (state.lastUp == 0 && state.lastDown == 0) {
        //% "everything is up to date"
        parts.append(qtTrId("Sync.upToDate"));
    } else {
        //% "%n sent"
        const QString sent = qtTrId("Sync.sent", state.lastUp);
        //% "%n received"
        const QString received = qtTrId("Sync.received", state.lastDown);
        parts.append(QLocale().createSeparatedList({sent, received}));
    }
    if (!state.lastConflicts.isEmpty())
        //% "changed on both devices, the server's version kept: %1"
        parts.append(qtTrId("Sync.conflicts").arg(QLocale().createSeparatedList(state.lastConflicts)));
    if (state.lastMoreOnServer > 0)
        //% "%n more on the server than the list has room for"
        parts.append(qtTrId("Sync.moreOnServer", state.lastMoreOnServer));
    if (state.lastUnreadable > 0)
        //% "%n calendar entries could not be shown"
        parts.append(qtTrId("Sync.unreadable", state.lastUnreadable));
    return parts.join(QStringLiteral("; "));
}

// Why the last sync failed: the common reasons in the person's language, the rare ones as
// the runner said them.
QString failureText(const SyncState &state)
{
    if (state.lastFailure == QLatin1String("auth"))
        //% "the server refused the user name or password"
        return qtTrId("Sync.failedAuth");
    if (state.lastFailure == QLatin1String("readOnly"))
        //% "the calendar is read-only"
        return qtTrId("Sync.failedReadOnly");
    if (state.lastFailure == QLatin1String("quota"))
        //% "the server has no room left"
        return qtTrId("Sync.failedQuota");
    if (state.lastFailure == QLatin1String("password"))
        //% "the password could not be found; set sync up again"
        return qtTrId("Sync.failedPassword");
    QString line = state.lastOutcome.trimmed();
    while (line.endsWith(QLatin1Char('.')))
        line.chop(1);
    return line;
}

// The sheet's setup: the password it is given goes to the desktop's keyring, so without one
// nothing is tried.
SyncSetup::Result setUpInKeyring(const SyncSetup::Request &request)
{
    if (!SyncSecrets::keyringMissing().isEmpty())
        //% "No keyring is running on this desktop, so the password cannot be kept. Nothing was saved."
        return {false, qtTrId("Sync.noKeyring"), {}};
    return SyncSetup::run(request);
}

} // namespace

SyncSheetModel::SyncSheetModel(QObject *parent)
    : QObject(parent)
    , m_setUpStep(setUpInKeyring)
{
    // The files are replaced whole, so their folders are watched; a burst of changes (a
    // sync's lock, its state, the list) is read once.
    for (const QString &file : {SyncAccount::path(), SyncState::path()})
        m_folders.addPath(QFileInfo(file).absolutePath());
    m_folderSettle.setSingleShot(true);
    m_folderSettle.setInterval(100);
    connect(&m_folders, &QFileSystemWatcher::directoryChanged, &m_folderSettle, qOverload<>(&QTimer::start));
    connect(&m_folderSettle, &QTimer::timeout, this, &SyncSheetModel::reload);
    reload();
}

void SyncSheetModel::setStore(UserData *store)
{
    if (store == m_store)
        return;
    if (m_store)
        disconnect(m_store, nullptr, this, nullptr);
    m_store = store;
    // Every change of the list may be one more waiting to go up.
    if (m_store)
        connect(m_store, &UserData::magicDatesChanged, this, &SyncSheetModel::reload);
    Q_EMIT storeChanged();
    reload();
}

QString SyncSheetModel::describeLastSync(const std::optional<SyncState> &state, const QDateTime &now)
{
    if (!state)
        //% "The record of the last sync cannot be read."
        return qtTrId("Sync.stateUnreadable");
    if (!state->lastSync.isValid())
        //% "Not synced yet."
        return qtTrId("Sync.notYet");
    const QString when = whenText(state->lastSync, now);
    if (state->lastOk)
        //% "Last synced %1: %2."
        return qtTrId("Sync.lastSyncedWith").arg(when, summaryText(*state));
    const QString failure = failureText(*state);
    if (failure.isEmpty())
        //% "Last sync failed %1."
        return qtTrId("Sync.lastFailed").arg(when);
    //% "Last sync failed %1: %2."
    return qtTrId("Sync.lastFailedWith").arg(when, failure);
}

QUrl SyncSheetModel::addressOf(const QString &typed)
{
    const QString address = typed.trimmed();
    if (address.isEmpty())
        return {};
    // A bare host name is a secure server's: plain http must be asked for.
    if (!address.contains(QLatin1String("://")))
        return QUrl(QStringLiteral("https://") + address, QUrl::StrictMode);
    return QUrl(address, QUrl::StrictMode);
}

void SyncSheetModel::reload()
{
    QString failure;
    const std::optional<SyncAccount> account = SyncAccount::load(&failure);
    const bool configured = account.has_value();
    const QString server = account ? account->server.toDisplayString() : QString();
    const QString user = account ? account->user : QString();
    // The calendar by its name; by its address when the account has none.
    const QString calendarName = !account                         ? QString()
                                 : account->calendarName.isEmpty() ? account->calendar.toDisplayString()
                                                                   : account->calendarName;
    if (configured != m_configured || server != m_server || user != m_user || calendarName != m_calendarName) {
        m_configured = configured;
        m_server = server;
        m_user = user;
        m_calendarName = calendarName;
        Q_EMIT accountChanged();
    }
    // An account file that is there but cannot be read is said, not taken for "no account".
    if (!configured && !failure.isEmpty() && !busy())
        setMessage(failure, true);

    const std::optional<SyncState> state = configured ? SyncState::read() : std::nullopt;
    const QString lastSyncText = configured ? describeLastSync(state, Clock::now()) : QString();
    const bool lastOk = state && state->lastOk;
    const bool lastFailed = configured && (!state || (state->lastSync.isValid() && !state->lastOk));
    // From the account and state just read: the runner's own count would read both again.
    const int waiting = state && m_store ? SyncEngine::waitingChanges(m_store->repository().read().events, *state) : 0;
    if (lastSyncText != m_lastSyncText || lastOk != m_lastOk || lastFailed != m_lastFailed || waiting != m_waitingChanges) {
        m_lastSyncText = lastSyncText;
        m_lastOk = lastOk;
        m_lastFailed = lastFailed;
        m_waitingChanges = waiting;
        Q_EMIT stateChanged();
    }
}

void SyncSheetModel::setMessage(const QString &message, bool failure)
{
    if (message == m_message && failure == m_messageIsFailure)
        return;
    m_message = message;
    m_messageIsFailure = failure;
    Q_EMIT messageChanged();
}

bool SyncSheetModel::inBackground(const QString &busyText, std::function<Outcome()> work)
{
    if (busy())
        return false;
    m_busyText = busyText;
    Q_EMIT busyChanged();
    setMessage(QString(), false);
    const QPointer<SyncSheetModel> self(this);
    QThreadPool::globalInstance()->start([self, work = std::move(work)] {
        const Outcome outcome = work();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, outcome] {
                if (!self)
                    return;
                self->m_busyText.clear();
                if (outcome.listChanged && self->m_store)
                    self->m_store->refresh();
                self->reload();
                self->setMessage(outcome.message, outcome.failed);
                Q_EMIT self->busyChanged();
                Q_EMIT self->finished();
            },
            Qt::QueuedConnection);
    });
    return true;
}

bool SyncSheetModel::setUp(const QString &address, const QString &user, const QString &password,
                           const QString &calendarName)
{
    if (busy())
        return false;
    const QUrl url = addressOf(address);
    if (!url.isValid() || url.host().isEmpty() || user.trimmed().isEmpty() || password.isEmpty()) {
        //% "Fill in the server address, user name and password."
        setMessage(qtTrId("Sync.fieldsMissing"), true);
        return false;
    }
    SyncSetup::Request request;
    request.address = url;
    request.user = user.trimmed();
    request.calendarName = calendarName.trimmed();
    request.password = password;
    //% "Setting up sync…"
    return inBackground(qtTrId("Sync.settingUp"), [request, step = m_setUpStep] {
        const SyncSetup::Result result = step(request);
        if (result.ok)
            //% "Syncing with the calendar “%1”."
            return Outcome{qtTrId("Sync.setUpDone").arg(result.account.calendarName), false, false};
        return Outcome{result.line, true, false};
    });
}

bool SyncSheetModel::syncNow()
{
    if (busy() || !m_configured)
        return false;
    // The worker has a repository of its own over the same files; the runner changes the list
    // in one locked step, and the store takes it in once the sync is back.
    EventRepository repository = m_store ? EventRepository(m_store->repository().settings(), m_store->repository().center())
                                         : EventRepository();
    //% "Syncing…"
    return inBackground(qtTrId("Sync.syncing"), [repository]() mutable {
        const SyncRunner::Report report = SyncRunner::run(repository);
        // The line is in the state, and so in the last sync's words, unless the state could
        // not keep it (no account any more, or its file was not written): then it is said here.
        const std::optional<SyncState> state = SyncState::read();
        const bool recorded = state && state->lastOutcome == report.line;
        return Outcome{recorded ? QString() : report.line,
                       report.outcome != SyncRunner::Report::Outcome::Synced, true};
    });
}

bool SyncSheetModel::turnOff()
{
    if (busy() || !m_configured)
        return false;
    //% "Turning off sync…"
    return inBackground(qtTrId("Sync.turningOff"), [] {
        // In the order the command line's "sync off" takes: the password first (without the
        // account its keyring entry cannot be found again), then what this device knew of the
        // calendar (after a sync under way has ended), then the account.
        const std::optional<SyncAccount> account = SyncAccount::load();
        const bool passwordLeft = account && account->passwordCommand.isEmpty() && !SyncSecrets::forget(*account);
        if (!SyncState::forget() || !SyncAccount::forget())
            //% "Sync is still on: its files could not be removed."
            return Outcome{qtTrId("Sync.stillOn"), true, false};
        if (passwordLeft)
            //% "Sync is off, but its password stays in the keyring."
            return Outcome{qtTrId("Sync.passwordLeft"), true, false};
        //% "Sync is off. Your events stay on this device."
        return Outcome{qtTrId("Sync.off"), false, false};
    });
}
