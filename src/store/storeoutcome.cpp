#include "storeoutcome.h"

#include "eventrules.h"

#include <model/resources.h>

#include <QStringList>

bool isInvalidInput(StoreOutcome outcome)
{
    switch (outcome) {
    case StoreOutcome::EmptyTitle:
    case StoreOutcome::TitleTooLong:
    case StoreOutcome::NotADate:
    case StoreOutcome::UnknownTheme:
    case StoreOutcome::YearlyCountsUp:
        return true;
    case StoreOutcome::Done:
    case StoreOutcome::Gone:
    case StoreOutcome::ListFull:
    case StoreOutcome::LastEvent:
    case StoreOutcome::TitleTaken:
    case StoreOutcome::NotSaved:
    case StoreOutcome::NotLocked:
    case StoreOutcome::NotPublished:
    case StoreOutcome::Outdated:
        return false;
    }
    return false;
}

QString describeOutcome(StoreOutcome outcome)
{
    switch (outcome) {
    case StoreOutcome::Done:
        return {};
    case StoreOutcome::Gone:
        return QStringLiteral("the event was deleted meanwhile; nothing was changed");
    case StoreOutcome::ListFull:
        return QStringLiteral("the list already holds %1 events, the most it can").arg(EventRules::kMaxEvents);
    case StoreOutcome::LastEvent:
        return QStringLiteral("the last event cannot be deleted; add another one first");
    case StoreOutcome::TitleTaken:
        return QStringLiteral("an event with this title is already in the list");
    case StoreOutcome::EmptyTitle:
        return QStringLiteral("the title is empty");
    case StoreOutcome::TitleTooLong:
        return QStringLiteral("the title is longer than %1 characters").arg(EventRules::kMaxTitleLength);
    case StoreOutcome::NotADate:
        return QStringLiteral("the date is not a day of the calendar");
    case StoreOutcome::UnknownTheme: {
        QStringList ids;
        for (const ColorProvider &theme : colorSets())
            ids.append(QString::number(theme.id));
        return QStringLiteral("there is no such theme (themes: %1)").arg(ids.join(QStringLiteral(", ")));
    }
    case StoreOutcome::YearlyCountsUp:
        return QStringLiteral("a count-up event cannot repeat every year");
    case StoreOutcome::NotSaved:
        return QStringLiteral("the settings file could not be written; nothing was changed");
    case StoreOutcome::Outdated:
        return QStringLiteral("the list changed meanwhile; nothing was changed");
    case StoreOutcome::NotLocked:
        return QStringLiteral("the settings lock could not be taken; nothing was changed");
    case StoreOutcome::NotPublished:
        return QStringLiteral("the list was saved, but contents.json or events.ics could not be written");
    }
    return {};
}
