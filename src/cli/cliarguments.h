#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

// A command line split into the command, its positional words and its options.
// Options take the form --name, --name VALUE or --name=VALUE; which names exist and which of
// them take a value is told by the caller. --now, --verbose, --help (-h) and --version belong
// to every command. After "--" every word is positional, so a title may start with "-"; before
// it a word starting with "-" and a letter is an option. CommandLine does the reading.
struct CliArguments
{
    QString command;
    QStringList positional;
    QHash<QString, QString> values;   // options with a value
    QSet<QString> flags;              // options without one
    std::optional<QDateTime> now;     // the global --now
    bool verbose = false;             // the global --verbose
    bool help = false;                // --help or -h: the rest of the line is not read
    bool version = false;             // --version: the rest of the line is not read
    QString error;                    // set when the line cannot be read

    static CliArguments parse(const QStringList &words, const QSet<QString> &valueOptions, const QSet<QString> &flagOptions);

    bool has(const QString &flag) const { return flags.contains(flag); }
};
