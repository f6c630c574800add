#pragma once

#include "filelock.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <optional>

// The app's settings: one dictionary in a binary property-list file,
// $XDG_CONFIG_HOME/tallowick/settings.plist. Every write replaces the file atomically and
// durably. Several processes of the same user may share it; `update` and `Lock` keep their
// read-modify-write sequences from interleaving.
class SettingsStore
{
public:
    explicit SettingsStore(QString path = defaultPath());

    static QString defaultPath();
    const QString &path() const { return m_path; }

    // The whole dictionary as it is on disk, for readers: nothing is written or moved. An
    // absent file reads as empty; so does one that is no settings file (`unreadable`) or
    // that cannot be opened at all (`inaccessible`), with a warning logged.
    struct Contents
    {
        QVariantMap values;
        bool unreadable = false;
        bool inaccessible = false;
    };
    Contents read() const;

    // The whole dictionary, for writers about to save it: as read(), but a file that is not a
    // dictionary property list, and anything at the path that is not a plain file (a symbolic
    // link, a pipe, a folder), is moved aside (never deleted, its new name is logged) first.
    // Nothing when the file is there but cannot be opened: it may be good, so nobody may save
    // over it.
    std::optional<QVariantMap> load() const;
    bool save(const QVariantMap &values) const;

    // One key, read fresh from the file (never writing); an invalid QVariant when absent.
    QVariant value(const QString &key) const;
    // An absent or non-boolean value reads as false.
    bool boolValue(const QString &key) const;

    // Locks, reloads, applies `change` and saves. Returns false when the save failed.
    bool update(const std::function<void(QVariantMap &)> &change) const;
    bool setValue(const QString &key, const QVariant &value) const;
    bool remove(const QString &key) const;

    // Holds the store's inter-process lock while alive. Not re-entrant: do not call
    // `update`, `setValue` or `remove` while holding one.
    using Lock = FileLock;
    Lock lock() const;

private:
    QString m_path;
};
