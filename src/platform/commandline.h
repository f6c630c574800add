#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <functional>

// A command line as the programs read it, with QCommandLineParser: options are --name,
// --name VALUE or --name=VALUE, and -h or --help, and --version, are known to every program.
// Reading goes left to right and stops at the first of: --help or --version (what follows is
// not looked at, so it cannot be wrong), or a fault, named in one line ("unknown option -x",
// "--json takes no value", "--theme needs a value"). A word starting with one dash is an
// unknown option, except -h and, where told, "-" or "-1" (no letter after the dash).
class CommandLine
{
public:
    enum class Outcome { Read, Help, Version, Failed };

    struct Rules
    {
        QStringList valueOptions;   // the names of the options with a value
        QStringList flags;          // and of those without one
        bool separator = false;     // "--" makes every word after it an argument
        bool dashArguments = false; // "-" and "-1" are arguments
        bool repeats = true;        // an option may be given again (its last value counts);
                                    // otherwise "--name given twice"
        // What the program makes of an argument, or of an option (with its value, empty for a
        // flag), as it is read: an error it gives ends the reading.
        std::function<QString(const QString &argument)> argument = {};
        std::function<QString(const QString &name, const QString &value)> option = {};
    };

    explicit CommandLine(Rules rules);

    // Reads the words after the program's name; once.
    Outcome read(const QStringList &words);

    const QString &error() const { return m_error; }
    const QStringList &arguments() const { return m_arguments; }
    bool isSet(const QString &name) const { return m_parser.isSet(name); }
    QString value(const QString &name) const { return m_parser.value(name); }

private:
    Outcome fail(const QString &message);
    QString checkOption(const QString &name) const;

    Rules m_rules;
    QCommandLineParser m_parser;
    QStringList m_arguments;
    QString m_error;
};
