#include "clicontext.h"

#include <model/calendarhelper.h>

namespace {

// The date argument as events store it ("yyyy-MM-dd"), or a usage error for a text that is no
// date (which would otherwise count as today, "YAY!").
std::optional<QString> dateText(const CliContext &context)
{
    const QString text = context.args.positional.at(0);
    const auto day = parseDayArgument(text);
    if (!day) {
        context.usageError(QStringLiteral("\"%1\" is not a date (use yyyy-MM-dd)").arg(text));
        return std::nullopt;
    }
    return day->toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

int countCommand(const CliContext &context)
{
    const auto text = dateText(context);
    if (!text)
        return CliUsage;
    const std::optional<bool> countdown =
        context.args.has(QStringLiteral("count-up")) ? std::optional(false) : std::nullopt;
    context.out << CalendarHelper::getDayCount(*text, countdown) << '\n';
    return CliOk;
}

int formatCommand(const CliContext &context)
{
    const auto text = dateText(context);
    if (!text)
        return CliUsage;
    context.out << CalendarHelper::getRightDateFormat(*text) << '\n';
    return CliOk;
}
