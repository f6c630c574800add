#pragma once

#include "cliarguments.h"

#include <store/storeoutcome.h>

#include <QDate>

#include <QTextStream>
#include <optional>

// Exit codes of tallowick-cli.
enum CliExit { CliOk = 0, CliRefused = 1, CliUsage = 2 };

// What a command (or one of a command's subcommands) takes: how many positional words, and
// which options without and with a value.
struct CliShape
{
    int leastPositional = 0;
    int mostPositional = 0;
    QSet<QString> flags;
    QSet<QString> valueOptions;
};

// What one command runs with: its arguments and the two output streams (results on `out`,
// messages for the person on `err`).
struct CliContext
{
    const CliArguments &args;
    QTextStream &out;
    QTextStream &err;

    // Prints a one-line usage error and gives the usage exit code.
    int usageError(const QString &message) const;
    // Whether the line fits what the command `name` takes: nothing when it does, else the
    // usage error's exit code (after its message).
    std::optional<int> misfit(const QString &name, const CliShape &shape) const;
    // Reads an integer argument; nothing (after a usage error message) when it is none.
    std::optional<qint64> integer(const QString &text, const QString &what) const;
    // Says why the store refused a change, in one line, and gives the exit code: the usage
    // code for input that breaks a rule, the refusal code for the rest.
    int refused(StoreOutcome outcome) const;
    // As above, naming what failed (a lock that could not be taken) instead of the outcome.
    int refused(StoreOutcome outcome, const QString &reason) const;
};

// A DATE argument: "yyyy-MM-dd", a full timestamp or the locale's long date with the year in
// full ("December 25, 2026"), as the local calendar day it names; nothing for a text that is
// no day an event can have.
std::optional<QDate> parseDayArgument(const QString &text);

using CliCommandFunction = int (*)(const CliContext &);

// A text from the store (a title from a link, say) as one field of a tab-separated line:
// tabs and line breaks become spaces, other control characters U+FFFD, so that no title can
// split a line or send escape sequences to the terminal.
QString printableField(const QString &text);

// Commands on date texts.
int countCommand(const CliContext &context);
int formatCommand(const CliContext &context);

// Commands on the event list.
int listCommand(const CliContext &context);
int addCommand(const CliContext &context);
int editCommand(const CliContext &context);
int deleteCommand(const CliContext &context);
int moveCommand(const CliContext &context);
int openCommand(const CliContext &context);

// Commands on reminders and their permission.
int remindCommand(const CliContext &context);
int notificationsCommand(const CliContext &context);
int pendingCommand(const CliContext &context);

// Commands that move the events into and out of files.
int exportCommand(const CliContext &context);
int importCommand(const CliContext &context);

// The sync commands ("sync", "sync status", "sync setup", "sync off"), by their first word.
int syncCommand(const CliContext &context);
// What "sync" and its subcommands take, all together (each subcommand checks its own).
CliShape syncShape();
