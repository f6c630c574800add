#include "clicontext.h"

#include <sync/syncaccount.h>
#include <sync/syncsecrets.h>
#include <sync/syncrunner.h>
#include <sync/syncsetup.h>
#include <sync/syncstate.h>
#include <store/eventrepository.h>

#include <QJsonDocument>
#include <QJsonObject>

#include <QFile>

#include <csignal>
#include <limits>
#include <map>

#include <termios.h>
#include <unistd.h>

namespace {

const QString kJson = QStringLiteral("json");
const QString kUser = QStringLiteral("user");
const QString kCalendar = QStringLiteral("calendar");
const QString kPasswordStdin = QStringLiteral("password-stdin");
const QString kPasswordCommand = QStringLiteral("password-command");

// A password is one line; more than this is not one.
constexpr qint64 kMaxPasswordBytes = 4096;

// The terminal's settings while the password is typed without echo, put back by a signal
// that ends the process meanwhile (else the shell is left without echo).
termios g_savedTerminal;

void restoreTerminalAndDie(int signal)
{
    ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &g_savedTerminal);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// The first line of standard input, without its line break; nothing when none could be read.
std::optional<QString> readPasswordLine()
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray line = in.readLine(kMaxPasswordBytes);
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.isEmpty())
        return std::nullopt;
    return QString::fromUtf8(line);
}

// Asks for the password on the terminal without showing it.
std::optional<QString> promptPassword(const CliContext &context, const QString &user)
{
    context.err << "Password for " << user << ": ";
    context.err.flush();
    termios quiet;
    const bool echoOff = ::tcgetattr(STDIN_FILENO, &g_savedTerminal) == 0;
    if (echoOff) {
        quiet = g_savedTerminal;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
            std::signal(signal, restoreTerminalAndDie);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    const std::optional<QString> password = readPasswordLine();
    if (echoOff) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &g_savedTerminal);
        for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
            std::signal(signal, SIG_DFL);
    }
    context.err << '\n';
    context.err.flush();
    return password;
}

int syncSetupCommand(const CliContext &context)
{
    const CliArguments &args = context.args;
    SyncSetup::Request request;
    request.address = QUrl(args.positional.first(), QUrl::StrictMode);
    request.user = args.values.value(kUser);
    request.calendarName = args.values.value(kCalendar);
    request.passwordCommand = args.values.value(kPasswordCommand);
    if (!args.values.contains(kUser))
        return context.usageError(QStringLiteral("sync setup needs --user NAME"));
    if (args.values.contains(kCalendar) && request.calendarName.trimmed().isEmpty())
        return context.usageError(QStringLiteral("--calendar needs a name"));
    if (args.values.contains(kPasswordCommand) && request.passwordCommand.trimmed().isEmpty())
        return context.usageError(QStringLiteral("--password-command needs a command"));
    if (args.has(kPasswordStdin) && args.values.contains(kPasswordCommand))
        return context.usageError(QStringLiteral("give --password-stdin or --password-command, not both"));

    // Checked before a password is asked for: nobody types one for an address that is refused.
    request.password = QString(); // stands in for the password still to be read
    if (args.values.contains(kPasswordCommand))
        request.password.reset();
    if (const QString refusal = SyncSetup::refusalFor(request); !refusal.isEmpty())
        return context.usageError(refusal);

    if (!args.values.contains(kPasswordCommand)) {
        // Nobody types a password that cannot be kept.
        if (const QString missing = SyncSecrets::keyringMissing(); !missing.isEmpty()) {
            context.err << "tallowick-cli: sync is not set up: " << missing
                        << " (--password-command gives the password without one); nothing was saved\n";
            return CliRefused;
        }
        // Standard input is read only when asked to (--password-stdin) or when a person is at
        // the terminal to be asked: a script's input is never taken for a password unbidden.
        if (!args.has(kPasswordStdin) && !::isatty(STDIN_FILENO))
            return context.usageError(
                QStringLiteral("standard input is no terminal: give --password-stdin or --password-command"));
        // A terminal is asked without echo, --password-stdin or not.
        request.password = ::isatty(STDIN_FILENO) ? promptPassword(context, request.user) : readPasswordLine();
        if (!request.password)
            return context.usageError(QStringLiteral("no password was given"));
    }

    const SyncSetup::Result result = SyncSetup::run(request);
    if (!result.ok) {
        context.err << "tallowick-cli: " << result.line << '\n';
        return CliRefused;
    }
    context.out << result.line << '\n';
    return CliOk;
}

int syncOffCommand(const CliContext &context)
{
    QString unreadable;
    const std::optional<SyncAccount> account = SyncAccount::load(&unreadable);
    // The password first: without the account its keyring entry could not be found again.
    QString secretLeft;
    if (account && account->passwordCommand.isEmpty() && !SyncSecrets::forget(*account)) {
        secretLeft = SyncSecrets::keyringMissing();
        if (secretLeft.isEmpty())
            secretLeft = QStringLiteral("the keyring did not remove it");
    }
    // What this device knew of the calendar goes too (after a sync under way has ended), so
    // that an account set up again starts afresh, merging by id.
    if (!SyncState::forget()) {
        context.err << "tallowick-cli: sync is still on: " << SyncState::path() << " could not be removed\n";
        return CliRefused;
    }
    if (!SyncAccount::forget()) {
        context.err << "tallowick-cli: sync is still on: " << SyncAccount::path() << " could not be removed\n";
        return CliRefused;
    }
    if (!secretLeft.isEmpty()) {
        context.err << "tallowick-cli: sync is off, but its password stays in the keyring (" << secretLeft << ")\n";
        return CliRefused;
    }
    context.out << (account || !unreadable.isEmpty() ? "Sync is off; the events stay on this device\n"
                                                      : "Sync was not set up\n");
    return CliOk;
}

// A sync of the set-up account: what went up and down in one line, or why it stopped.
int syncNowCommand(const CliContext &context)
{
    EventRepository repository;
    const SyncRunner::Report report = SyncRunner::run(repository);
    if (report.outcome == SyncRunner::Report::Outcome::Synced) {
        context.out << report.line << '\n';
        return CliOk;
    }
    context.err << "tallowick-cli: " << report.line << '\n';
    return CliRefused;
}

int syncStatusCommand(const CliContext &context)
{
    const std::optional<SyncAccount> account = SyncAccount::load();
    const std::optional<SyncState> state = SyncState::read();
    const bool synced = state && state->lastSync.isValid();
    const int waiting = SyncRunner::waitingChanges(EventRepository());
    if (context.args.has(QStringLiteral("json"))) {
        QJsonObject status{{QStringLiteral("configured"), account.has_value()}};
        if (account) {
            status.insert(QStringLiteral("server"), account->server.toString());
            status.insert(QStringLiteral("calendar"), account->calendar.toString());
            status.insert(QStringLiteral("user"), account->user);
            status.insert(QStringLiteral("lastSync"), synced ? QJsonValue(state->lastSync.toUTC().toString(Qt::ISODate)) : QJsonValue());
            status.insert(QStringLiteral("lastOk"), synced ? QJsonValue(state->lastOk) : QJsonValue());
            status.insert(QStringLiteral("lastOutcome"), synced ? QJsonValue(state->lastOutcome) : QJsonValue());
            status.insert(QStringLiteral("waiting"), waiting);
        }
        context.out << QJsonDocument(status).toJson(QJsonDocument::Indented);
        return CliOk;
    }
    if (!account) {
        context.out << "sync is not set up\n";
        return CliOk;
    }
    context.out << "server:\t" << account->server.toString() << '\n'
                << "calendar:\t" << account->calendar.toString() << '\n'
                << "user:\t" << printableField(account->user) << '\n';
    if (synced)
        context.out << "last sync:\t" << state->lastSync.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                    << (state->lastOk ? " " : " failed: ") << printableField(state->lastOutcome) << '\n';
    else
        context.out << "last sync:\tnever\n";
    context.out << "waiting:\t" << waiting << (waiting == 1 ? " change" : " changes") << '\n';
    return CliOk;
}

struct Subcommand
{
    CliShape shape;
    CliCommandFunction run;
};

const std::map<QString, Subcommand> &subcommands()
{
    static const std::map<QString, Subcommand> table = {
        {QString(), {{0, 0, {}, {}}, syncNowCommand}},
        {QStringLiteral("status"), {{0, 0, {kJson}, {}}, syncStatusCommand}},
        {QStringLiteral("setup"), {{1, 1, {kPasswordStdin}, {kUser, kCalendar, kPasswordCommand}}, syncSetupCommand}},
        {QStringLiteral("off"), {{0, 0, {}, {}}, syncOffCommand}},
    };
    return table;
}

} // namespace

CliShape syncShape()
{
    CliShape all{0, std::numeric_limits<int>::max(), {}, {}};
    for (const auto &[name, subcommand] : subcommands()) {
        all.flags.unite(subcommand.shape.flags);
        all.valueOptions.unite(subcommand.shape.valueOptions);
    }
    return all;
}

int syncCommand(const CliContext &context)
{
    // The first word names the subcommand; the rest are its own.
    CliArguments args = context.args;
    const QString name = args.positional.isEmpty() ? QString() : args.positional.takeFirst();
    const auto found = subcommands().find(name);
    if (found == subcommands().end())
        return context.usageError(QStringLiteral("unknown sync command \"%1\"").arg(name));
    const CliContext own{args, context.out, context.err};
    const QString fullName = name.isEmpty() ? QStringLiteral("sync") : QStringLiteral("sync ") + name;
    if (const auto code = own.misfit(fullName, found->second.shape))
        return *code;
    return found->second.run(own);
}
