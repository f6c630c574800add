#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// The CalDAV account this user syncs with: where, as whom, and how the password is found at
// each sync. Kept in "sync-account.json" in Tallowick's config folder, readable by its user
// only; the password itself never goes into it (see SyncSecrets).
struct SyncAccount
{
    QUrl server;      // the address the person gave
    QUrl calendar;    // the calendar collection found there, or made
    QString user;
    QString calendarName;
    // Run at each sync through the shell; the first line it prints is the password. Empty:
    // the password is in the desktop's Secret Service.
    QString passwordCommand;

    friend bool operator==(const SyncAccount &, const SyncAccount &) = default;

    static QString path();
    // The account set up; nothing when none is (or the file cannot be read: `*failure` says why).
    static std::optional<SyncAccount> load(QString *failure = nullptr);
    // Replaces the stored account (atomically, under the file's lock). False when not written.
    static bool save(const SyncAccount &account);
    // Removes the stored account. True when none is left.
    static bool forget();
};
