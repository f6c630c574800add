#pragma once

#include <QSize>
#include <QString>
#include <optional>

// What the app remembers of its window from one run to the next, per user: the size the
// person left it at and the event it showed. Kept in $XDG_DATA_HOME/tallowick/window.json,
// written whole (a crash leaves the old file or the new one).
struct WindowMemory
{
    std::optional<QSize> size;
    QString eventId;

    static QString defaultPath();
    // What is saved; nothing for a file that is missing or is not one of ours, and no size
    // that is not one (a side of 1 to 100,000 points).
    static WindowMemory read(const QString &path = defaultPath());
    bool write(const QString &path = defaultPath()) const;
    bool operator==(const WindowMemory &) const = default;
};
