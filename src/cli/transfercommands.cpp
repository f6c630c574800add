#include "clicontext.h"

#include <store/eventtransfer.h>

namespace {

// The one file an export or an import names: "--ics FILE" or "--json FILE" for an export.
struct FileChoice
{
    QString format; // "ics" or "json"
    QString path;
};

std::optional<FileChoice> exportTarget(const CliContext &context)
{
    const bool ics = context.args.values.contains(QStringLiteral("ics"));
    const bool json = context.args.values.contains(QStringLiteral("json"));
    if (ics == json) {
        context.usageError(QStringLiteral("export takes one of --ics FILE and --json FILE"));
        return std::nullopt;
    }
    const QString format = ics ? QStringLiteral("ics") : QStringLiteral("json");
    const QString path = context.args.values.value(format);
    if (path.isEmpty()) {
        context.usageError(QStringLiteral("--%1 needs a file name, or - for standard output").arg(format));
        return std::nullopt;
    }
    return FileChoice{format, path};
}

// One line per item; an event the file has in another version ends with the fields that
// differ, by name, comma-separated ("title,date"), for scripts.
void printItems(const CliContext &context, const char *what, const QList<TransferItem> &items, bool withReason)
{
    for (const TransferItem &item : items) {
        context.out << what << '\t' << printableField(item.date) << '\t' << printableField(item.title);
        if (withReason)
            context.out << '\t' << describeReason(item.reason);
        if (!item.differences.isEmpty())
            context.out << '\t' << item.differences.join(QLatin1Char(','));
        context.out << '\n';
    }
}

// The summary: a headline, then one tab-separated line per event of the file: what became of
// it, its date and title, and why when it was not added.
int report(const CliContext &context, const TransferSummary &summary, const QString &path)
{
    if (!summary.fileRead()) {
        context.err << "tallowick-cli: " << summary.problemText() << ": " << path << '\n';
        return summary.problem == TransferSummary::Problem::NotSaved ? CliRefused : CliUsage;
    }
    context.out << summary.headline() << '\n';
    printItems(context, "added", summary.added, false);
    printItems(context, "skipped", summary.skipped, true);
    printItems(context, "refused", summary.refused, true);
    printItems(context, "updated", summary.updated, false);
    if (const int changed = summary.changedCount(); changed > 0)
        context.err << "tallowick-cli: " << changed << " event(s) of the list differ in the file; import --update takes the file's version\n";
    if (summary.remindersWaiting > 0) {
        //% "Reminders start once notifications are allowed"
        context.err << qtTrId("Transfer.remindersWaiting") << ": tallowick-cli notifications allow\n";
    }
    // The events are in the list, but not everywhere they should be: not a success.
    if (!summary.notWritten.isEmpty()) {
        context.err << "tallowick-cli: " << summary.notWritten << '\n';
        return CliRefused;
    }
    return CliOk;
}

} // namespace

int importCommand(const CliContext &context)
{
    const QString path = context.args.positional.at(0);
    EventRepository repository;
    // A backup (JSON) or a calendar, by what the file holds.
    return report(context, EventTransfer::importFile(repository, path, context.args.has(QStringLiteral("update"))), path);
}

int exportCommand(const CliContext &context)
{
    const auto target = exportTarget(context);
    if (!target)
        return CliUsage;
    const EventRepository repository;
    const bool backup = target->format == QLatin1String("json");
    if (target->path == QLatin1String("-")) {
        context.out << QString::fromUtf8(backup ? EventTransfer::backupText(repository) : EventTransfer::calendarText(repository));
        return CliOk;
    }
    const EventTransfer::ExportResult result = backup ? EventTransfer::exportBackup(repository, target->path)
                                                      : EventTransfer::exportCalendar(repository, target->path);
    if (!result.written) {
        context.err << "tallowick-cli: " << result.error << ": " << target->path << '\n';
        return CliRefused;
    }
    return CliOk;
}
