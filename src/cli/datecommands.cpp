#include "clicontext.h"

#include <model/calendarhelper.h>

int countCommand(const CliContext &context)
{
    const std::optional<bool> countdown =
        context.args.has(QStringLiteral("count-up")) ? std::optional(false) : std::nullopt;
    context.out << CalendarHelper::getDayCount(context.args.positional.at(0), countdown) << '\n';
    return CliOk;
}

int formatCommand(const CliContext &context)
{
    context.out << CalendarHelper::getRightDateFormat(context.args.positional.at(0)) << '\n';
    return CliOk;
}
