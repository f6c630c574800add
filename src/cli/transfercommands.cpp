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

} // namespace

int exportCommand(const CliContext &context)
{
    const auto target = exportTarget(context);
    if (!target)
        return CliUsage;
    const EventRepository repository;
    if (target->format == QLatin1String("json"))
        return context.usageError(QStringLiteral("--json is not known yet"));
    if (target->path == QLatin1String("-")) {
        context.out << QString::fromUtf8(EventTransfer::calendarText(repository));
        return CliOk;
    }
    const EventTransfer::ExportResult result = EventTransfer::exportCalendar(repository, target->path);
    if (!result.written) {
        context.err << "tallowick-cli: " << result.error << ": " << target->path << '\n';
        return CliRefused;
    }
    return CliOk;
}
