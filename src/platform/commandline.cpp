#include "commandline.h"

#include <utility>

namespace {

const QString kHelp = QStringLiteral("help");
const QString kShortHelp = QStringLiteral("h");
const QString kVersion = QStringLiteral("version");

// "--name" of "--name=value"; a word with one dash is named whole.
QString optionOf(const QString &word)
{
    return word.startsWith(QLatin1String("--")) ? word.section(QLatin1Char('='), 0, 0) : word;
}

} // namespace

CommandLine::CommandLine(Rules rules)
    : m_rules(std::move(rules))
{
    m_parser.addOption(QCommandLineOption(QStringList{kShortHelp, kHelp}));
    m_parser.addOption(QCommandLineOption(kVersion));
    for (const QString &name : std::as_const(m_rules.valueOptions))
        m_parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
    for (const QString &name : std::as_const(m_rules.flags))
        m_parser.addOption(QCommandLineOption(name));
}

CommandLine::Outcome CommandLine::fail(const QString &message)
{
    m_error = message;
    return Outcome::Failed;
}

QString CommandLine::checkOption(const QString &name) const
{
    if (!m_rules.repeats && m_parser.optionNames().count(name) > 1)
        return QStringLiteral("--%1 given twice").arg(name);
    if (!m_rules.option)
        return {};
    return m_rules.option(name, m_rules.valueOptions.contains(name) ? m_parser.value(name) : QString());
}

CommandLine::Outcome CommandLine::read(const QStringList &words)
{
    // QCommandLineParser reads a whole line and says neither where a fault is nor whether
    // "--help" was an option or another option's value. Reading ever longer beginnings of the
    // line tells both, and leaves what follows a --help or a fault unread.
    QStringList line{QStringLiteral("program")}; // the parser skips the program's name
    bool isValue = false;                         // the word is the value of the option before it
    bool optionsEnded = false;
    m_parser.parse(line); // an empty line is read too
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &word = words.at(i);
        line.append(word);
        const bool oneDash = word.startsWith(QLatin1Char('-')) && !word.startsWith(QLatin1String("--"));
        if (!isValue && !optionsEnded && oneDash && word != QLatin1String("-h")) {
            if (!m_rules.dashArguments || (word.size() > 1 && word.at(1).isLetter()))
                return fail(QStringLiteral("unknown option %1").arg(word));
            line.last() = QStringLiteral("argument"); // the parser would take it for options
        }
        if (!m_parser.parse(line)) {
            if (!m_parser.unknownOptionNames().isEmpty())
                return fail(QStringLiteral("unknown option %1").arg(optionOf(word)));
            if (word.contains(QLatin1Char('=')))
                return fail(QStringLiteral("%1 takes no value").arg(optionOf(word)));
            if (i + 1 == words.size())
                return fail(QStringLiteral("%1 needs a value").arg(word));
            isValue = true; // the next word
            continue;
        }
        if (std::exchange(isValue, false)) {
            if (const QString error = checkOption(m_parser.optionNames().constLast()); !error.isEmpty())
                return fail(error);
        } else if (!optionsEnded && word == QLatin1String("--")) {
            if (!m_rules.separator)
                return fail(QStringLiteral("unknown option --"));
            optionsEnded = true;
        } else if (m_parser.positionalArguments().size() > m_arguments.size()) {
            m_arguments.append(word);
            if (m_rules.argument) {
                if (const QString error = m_rules.argument(word); !error.isEmpty())
                    return fail(error);
            }
        } else {
            const QString name = m_parser.optionNames().constLast();
            if (name == kHelp || name == kShortHelp)
                return Outcome::Help;
            if (name == kVersion)
                return Outcome::Version;
            if (const QString error = checkOption(name); !error.isEmpty())
                return fail(error);
        }
    }
    return Outcome::Read;
}
