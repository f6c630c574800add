#include "clicontext.h"

#include <platform/autostart.h>
#include <platform/homeprocess.h>
#include <platform/notificationcenter.h>
#include <reminders/notificationhelper.h>
#include <store/eventrepository.h>
#include <store/linkquery.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString statusName(AuthorizationStatus status)
{
    switch (status) {
    case AuthorizationStatus::NotDetermined:
        return QStringLiteral("notDetermined");
    case AuthorizationStatus::Denied:
        return QStringLiteral("denied");
    case AuthorizationStatus::Authorized:
        return QStringLiteral("authorized");
    case AuthorizationStatus::Provisional:
        return QStringLiteral("provisional");
    case AuthorizationStatus::Ephemeral:
        return QStringLiteral("ephemeral");
    }
    return QString();
}

QString triggerText(const NotificationTrigger &trigger)
{
    const auto fire = trigger.fireTime();
    return fire ? fire->toString(QStringLiteral("yyyy-MM-dd HH:mm")) : trigger.description();
}

} // namespace

int remindCommand(const CliContext &context)
{
    const auto option = notiDaysFromName(context.args.positional.at(1));
    if (!option)
        return context.usageError(QStringLiteral("the reminder is one of one, three, seven, off"));
    EventRepository repository;
    const QString which = context.args.positional.at(0);
    const auto index = parseLinkInteger(which);
    QString id = which.trimmed(); // an id: the store finds it in its own step
    if (index) {
        const QList<EDate> events = repository.read().events;
        if (*index < 0 || *index >= events.size())
            return context.usageError(QStringLiteral("index %1 is outside the list (0 to %2)").arg(*index).arg(events.size() - 1));
        id = events.at(*index).id;
    }

    const EventRepository::ReminderResult result = repository.chooseReminder(id, *option);
    switch (result.outcome) {
    case ReminderOutcome::Scheduled:
    case ReminderOutcome::Cleared:
        return CliOk;
    case ReminderOutcome::PermissionDenied:
        //% "Notifications are off"
        context.err << qtTrId("Setting.permission") << ": "
                    //% "Reminders from Tallowick are turned off. Turn them on in Tallowick's notification settings."
                    << qtTrId("Setting.permissionCopy")
                    << " The choice is saved; tallowick-cli notifications allow turns reminders on.\n";
        return CliRefused;
    case ReminderOutcome::PermissionNotDetermined:
        context.err << "Reminders are not allowed yet; the choice is saved and takes effect once they are: "
                       "tallowick-cli notifications allow\n";
        return CliRefused;
    case ReminderOutcome::IgnoredForCountUp:
        context.err << "A count-up event has no reminders; only \"off\" applies to it.\n";
        return CliRefused;
    case ReminderOutcome::EventGone:
        if (!index)
            return context.usageError(QStringLiteral("no event has the id \"%1\"").arg(printableField(which)));
        return context.refused(StoreOutcome::Gone);
    case ReminderOutcome::NotWritten:
        context.err << "tallowick-cli: " << result.reason << "; nothing was changed\n";
        return CliRefused;
    }
    return CliOk;
}

namespace {

// notifications autostart | no-autostart: whether the session starts the home screen, which
// delivers the reminders, at login. Prints the entry's path.
int autostartCommand(const CliContext &context, bool on)
{
    const QString path = Autostart::entryPath();
    if (on) {
        if (!Autostart::install(HomeProcess::program())) {
            context.err << "tallowick-cli: can't write " << path << " (is tallowick-home installed?)\n";
            return CliRefused;
        }
        context.out << path << '\n';
        return CliOk;
    }
    switch (Autostart::remove()) {
    case Autostart::Removal::Removed:
        context.out << path << '\n';
        return CliOk;
    case Autostart::Removal::NotThere:
        // What was asked for holds.
        context.err << "tallowick-cli: no autostart entry at " << path << '\n';
        return CliOk;
    case Autostart::Removal::Failed:
        break;
    }
    context.err << "tallowick-cli: can't remove " << path << '\n';
    return CliRefused;
}

void printReminderTime(const CliContext &context, EventRepository &repository)
{
    context.out << "reminders at " << repository.center().reminderTime().toString(QStringLiteral("HH:mm")) << '\n';
}

// notifications time HH:MM: the time of day every reminder arrives at; the pending ones move
// to it. Prints the time as stored.
int reminderTimeCommand(const CliContext &context)
{
    const auto time = context.args.positional.size() == 2
        ? NotificationCenter::parseReminderTime(context.args.positional.at(1))
        : std::nullopt;
    if (!time)
        return context.usageError(QStringLiteral("notifications time takes a 24-hour time HH:MM, such as 08:30"));
    EventRepository repository;
    if (!repository.setReminderTime(*time)) {
        context.err << "tallowick-cli: the reminder time could not be written (lock or notifications.json); nothing was changed\n";
        return CliRefused;
    }
    printReminderTime(context, repository);
    return CliOk;
}

} // namespace

int notificationsCommand(const CliContext &context)
{
    const QString action = context.args.positional.at(0);
    if (action == QLatin1String("time"))
        return reminderTimeCommand(context);
    if (context.args.positional.size() != 1)
        return context.usageError(QStringLiteral("notifications %1 takes no further words").arg(action));
    if (action == QLatin1String("autostart") || action == QLatin1String("no-autostart"))
        return autostartCommand(context, action == QLatin1String("autostart"));
    EventRepository repository;
    if (action != QLatin1String("allow") && action != QLatin1String("deny") && action != QLatin1String("status"))
        return context.usageError(QStringLiteral("notifications takes allow, deny, status, time, autostart or no-autostart"));
    if (action != QLatin1String("status") && !repository.setNotificationsAllowed(action == QLatin1String("allow"))) {
        context.err << "tallowick-cli: the reminder permission could not be written (lock or notifications.json); nothing was changed\n";
        return CliRefused;
    }
    context.out << statusName(repository.center().authorizationStatus()) << '\n';
    if (action == QLatin1String("status"))
        printReminderTime(context, repository);
    return CliOk;
}

int pendingCommand(const CliContext &context)
{
    const QList<NotificationRequest> requests = NotificationCenter().pendingRequests();
    if (context.args.has(QStringLiteral("json"))) {
        QJsonArray array;
        for (const NotificationRequest &request : requests) {
            QJsonObject object{
                {QStringLiteral("identifier"), request.identifier},
                {QStringLiteral("title"), request.title},
                {QStringLiteral("body"), request.body},
                {QStringLiteral("trigger"), triggerText(request.trigger)},
            };
            // The identifier's parts, so that no script has to split it.
            if (const auto parts = NotificationHelper::partsOf(request.identifier)) {
                object.insert(QStringLiteral("eventId"), parts->eventId);
                object.insert(QStringLiteral("eventDay"), parts->eventDay.toString(QStringLiteral("yyyy-MM-dd")));
                object.insert(QStringLiteral("daysBefore"), parts->daysBefore);
            }
            array.append(object);
        }
        context.out << QJsonDocument(array).toJson(QJsonDocument::Indented);
        return CliOk;
    }
    for (const NotificationRequest &request : requests)
        context.out << triggerText(request.trigger) << '\t' << printableField(request.identifier) << '\t'
                    << printableField(request.title) << '\t' << printableField(request.body) << '\n';
    return CliOk;
}
