#include "syncrunner.h"

#include "davcalendar.h"
#include "davtransport.h"
#include "syncaccount.h"
#include "syncengine.h"
#include "syncsecrets.h"
#include "syncstate.h"

#include <platform/clock.h>
#include <platform/filelock.h>
#include <platform/userdirs.h>
#include <store/eventrepository.h>

#include <QFileInfo>

namespace SyncRunner {

namespace {

// Keeps the outcome for "sync status" and the app's sheet; the rest of the state as the
// sync left it (or as it was, when the sync did not get that far).
void remember(const std::optional<SyncState> &synced, const SyncEngine::Summary &summary, const QString &failure,
              const QString &line)
{
    SyncState::modify([&](SyncState &state) {
        if (synced)
            state = *synced;
        state.lastSync = Clock::now();
        state.lastOk = failure.isEmpty();
        state.lastOutcome = line;
        state.lastUp = summary.up;
        state.lastDown = summary.down;
        state.lastMoreOnServer = summary.moreOnServer;
        state.lastUnreadable = summary.unreadable;
        state.lastConflicts = summary.conflicts;
        state.lastFailure = failure;
        return true;
    });
}

QString failureName(DavOutcome::Kind kind)
{
    switch (kind) {
    case DavOutcome::AuthFailed:
        return QStringLiteral("auth");
    case DavOutcome::Forbidden:
        return QStringLiteral("readOnly");
    case DavOutcome::QuotaExceeded:
        return QStringLiteral("quota");
    default:
        return QStringLiteral("other");
    }
}

Report failed(const QString &failure, const QString &line)
{
    remember(std::nullopt, {}, failure, line);
    return {Report::Outcome::Failed, line};
}

} // namespace

Report run(EventRepository &repository)
{
    QString failure;
    const std::optional<SyncAccount> account = SyncAccount::load(&failure);
    if (!account) {
        if (!failure.isEmpty())
            return {Report::Outcome::Failed, failure};
        return {Report::Outcome::NotSetUp, QStringLiteral("sync is not set up (tallowick-cli sync setup URL --user NAME)")};
    }
    if (!UserDirs::ensurePrivateDir(QFileInfo(SyncState::runLockPath()).absolutePath()))
        return {Report::Outcome::Failed, QStringLiteral("the data folder cannot be used; nothing was synced")};
    const FileLock running(SyncState::runLockPath()); // waits for a sync another process runs
    if (!running.held())
        return {Report::Outcome::Failed, running.failure()};

    const SyncSecrets::Lookup password = SyncSecrets::password(*account);
    if (!password.password)
        return failed(QStringLiteral("password"), password.failure);
    std::optional<SyncState> state = SyncState::read();
    if (!state)
        return failed(QStringLiteral("other"), QStringLiteral("the sync state %1 cannot be read; nothing was synced").arg(SyncState::path()));

    DavTransport transport(account->user, *password.password);
    DavCalendar calendar(transport, account->calendar);
    const SyncEngine::Result result = SyncEngine::run(repository, calendar, *state, Clock::now());
    const bool ok = result.outcome.ok();
    const QString line = ok ? SyncEngine::describe(result.summary)
                            : result.outcome.reason + QStringLiteral("; changes wait for the next sync");
    remember(state, result.summary, ok ? QString() : failureName(result.outcome.kind), line);
    return {ok ? Report::Outcome::Synced : Report::Outcome::Failed, line};
}

int waitingChanges(const EventRepository &repository)
{
    if (!SyncAccount::load())
        return 0;
    const std::optional<SyncState> state = SyncState::read();
    return state ? SyncEngine::waitingChanges(repository.read().events, *state) : 0;
}

} // namespace SyncRunner
