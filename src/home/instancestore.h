#pragma once

#include "widgetinstance.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <optional>

// The home screen's widget instances in $XDG_CONFIG_HOME/tallowick-home/widgets.json, shared
// by the running home screen and the command-line options that edit it. Every change is one
// locked read-modify-write of the whole file, replaced atomically, readable only by its user.
class InstanceStore
{
public:
    explicit InstanceStore(QString path = defaultPath());

    static QString defaultPath();
    const QString &path() const { return m_path; }

    // Where the next widget goes when nobody says: down and to the right of the `existing`
    // ones, from near the top-left corner.
    static QPoint cascadePosition(qsizetype existing);

    // Every instance, in the order they were added.
    QList<WidgetInstance> instances() const;
    // Stores `instance` under a new id, never used before in this file; returns the stored
    // instance, or nothing when the file cannot be written.
    std::optional<WidgetInstance> add(WidgetInstance instance);
    // Replaces the instance with the same id; false when there is none (or on failure).
    bool update(const WidgetInstance &instance);
    // Removes the instance with this id; false when there is none (or on failure).
    bool remove(const QString &id);

private:
    struct State;
    static QByteArray encode(const State &state);
    template<typename Change>
    bool modify(Change change);

    QString m_path;
};
