#pragma once

#include "syncaccount.h"

#include <QString>

#include <optional>

// The account's password: in the desktop's Secret Service (through qtkeychain), or printed by
// the account's password command. Never written to a file.
namespace SyncSecrets {

struct Lookup
{
    std::optional<QString> password;
    QString failure; // one line when there is no password
};

// Why there is surely no keyring to store a password in (no session bus), checked without
// asking it anything; empty when there may be one.
QString keyringMissing();
// Stores the password in the keyring for this account. False, with one line in `*failure`,
// when there is no keyring (no session bus, no Secret Service, a locked one).
bool store(const SyncAccount &account, const QString &password, QString *failure = nullptr);
// The password: the command's first line when the account has a command, else the keyring's.
Lookup password(const SyncAccount &account);
// Removes the keyring's password of this account; true when none is left.
bool forget(const SyncAccount &account);

} // namespace SyncSecrets
