#pragma once

#include "syncaccount.h"

#include <QString>
#include <QUrl>

#include <optional>

// Setting up the account from what the person gives (the command line's "sync setup" and the
// app's sync sheet): the calendar is found or made on the server with the password, the
// password stored (unless a command gives it), then the account saved. Nothing is saved when
// any step fails.
namespace SyncSetup {

struct Request
{
    QUrl address;         // a calendar collection, or the server's root
    QString user;
    QString calendarName; // empty: the default name
    std::optional<QString> password; // given directly (stdin, the sheet)
    QString passwordCommand;         // or run to get it, now and at each sync
};

struct Result
{
    bool ok = false;
    QString line; // one line for the person: the calendar used (or made), or what failed
    SyncAccount account;
};

// What makes the request unusable before anything is asked of the server (an address that is
// no server's, carries a password, or would send the password readable; no user; both a
// password and a command); empty when it may be run.
QString refusalFor(const Request &request);

Result run(const Request &request);

} // namespace SyncSetup
