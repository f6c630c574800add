#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

// A command line split into the command, its positional words and its options.
// Options take the form --name, --name VALUE or --name=VALUE; which names take a value is
// told by the caller.
struct CliArguments
{
    QString command;
    QStringList positional;
    QHash<QString, QString> values;   // options with a value
    QSet<QString> flags;              // options without one
    std::optional<QDateTime> now;     // the global --now
    QString error;                    // set when the line cannot be read

    static CliArguments parse(const QStringList &words, const QSet<QString> &valueOptions);

    bool has(const QString &flag) const { return flags.contains(flag); }
};
