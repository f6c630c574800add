#include "syncsetup.h"

#include "davdiscovery.h"
#include "davtransport.h"
#include "syncsecrets.h"

namespace SyncSetup {
namespace {

// A name the server gave, fit for one line: no line breaks, no terminal control sequences.
QString printable(const QString &text)
{
    QString line = text;
    for (QChar &c : line) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
        else if (c.category() == QChar::Other_Control)
            c = QChar(QChar::ReplacementCharacter);
    }
    return line;
}

Result failed(const QString &why)
{
    Result result;
    result.line = QStringLiteral("sync is not set up: %1; nothing was saved").arg(why);
    return result;
}

bool sameKeyringEntry(const SyncAccount &a, const SyncAccount &b)
{
    return a.user == b.user && a.calendar == b.calendar;
}

} // namespace

QString refusalFor(const Request &request)
{
    // A password in the address would end up in the account file and in logs.
    if (!request.address.password().isEmpty() || !request.address.userName().isEmpty())
        return QStringLiteral("give the user with --user and the password apart, not in the address");
    if (const QString refusal = DavTransport::refusalFor(request.address); !refusal.isEmpty())
        return refusal;
    if (request.user.isEmpty())
        return QStringLiteral("no user name given");
    if (request.password && !request.passwordCommand.isEmpty())
        return QStringLiteral("give the password or a command that prints it, not both");
    if (!request.password && request.passwordCommand.isEmpty())
        return QStringLiteral("no password given");
    return {};
}

Result run(const Request &request)
{
    if (const QString refusal = refusalFor(request); !refusal.isEmpty())
        return failed(refusal);
    SyncAccount account{request.address, {}, request.user,
                        request.calendarName.isEmpty() ? DavDiscovery::kDefaultCalendarName : request.calendarName,
                        request.passwordCommand};
    const bool inKeyring = account.passwordCommand.isEmpty();
    // Without a keyring there is nowhere to keep the password: said before the server is asked
    // (and a calendar made there for nothing).
    if (inKeyring) {
        if (const QString missing = SyncSecrets::keyringMissing(); !missing.isEmpty())
            return failed(missing);
    }
    QString password;
    if (inKeyring) {
        password = *request.password;
    } else {
        const SyncSecrets::Lookup lookup = SyncSecrets::password(account);
        if (!lookup.password)
            return failed(lookup.failure);
        password = *lookup.password;
    }

    DavTransport transport(account.user, password);
    const DavDiscovery::Found found = DavDiscovery::calendar(transport, account.server, account.calendarName);
    if (!found.outcome.ok())
        return failed(found.outcome.reason);
    account.calendar = found.calendar;
    if (!found.displayName.isEmpty())
        account.calendarName = found.displayName;

    const std::optional<SyncAccount> previous = SyncAccount::load();
    if (inKeyring) {
        QString why;
        if (!SyncSecrets::store(account, password, &why))
            return failed(why);
    }
    if (!SyncAccount::save(account)) {
        // The password stored a moment ago belongs to no account now (unless it replaced the
        // same account's).
        if (inKeyring && !(previous && previous->passwordCommand.isEmpty() && sameKeyringEntry(*previous, account)))
            SyncSecrets::forget(account);
        return failed(QStringLiteral("could not write %1").arg(SyncAccount::path()));
    }
    // The account replaced keeps no password behind in the keyring.
    if (previous && previous->passwordCommand.isEmpty() && !(inKeyring && sameKeyringEntry(*previous, account)))
        SyncSecrets::forget(*previous);

    Result result;
    result.ok = true;
    result.account = account;
    result.line = QStringLiteral("Syncing with the %1calendar \"%2\" at %3")
                      .arg(found.created ? QStringLiteral("new ") : QString(), printable(account.calendarName),
                           printable(account.calendar.toDisplayString(QUrl::RemoveUserInfo)));
    return result;
}

} // namespace SyncSetup
