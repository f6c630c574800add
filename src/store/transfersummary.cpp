#include "transfersummary.h"

#include "eventrules.h"

#include <QCoreApplication>

#include <algorithm>

QString describeReason(TransferReason reason)
{
    switch (reason) {
    case TransferReason::SameEvent:
        //% "already in the list"
        return qtTrId("Transfer.sameEvent");
    case TransferReason::ChangedInFile:
        //% "in the list, but the file has another version"
        return qtTrId("Transfer.changedInFile");
    case TransferReason::SameTitleAndDate:
        //% "an event of that title and date is in the list"
        return qtTrId("Transfer.sameTitleAndDate");
    case TransferReason::Cancelled:
        //% "it is cancelled"
        return qtTrId("Transfer.cancelled");
    case TransferReason::OneOccurrence:
        //% "it changes one occurrence of a series"
        return qtTrId("Transfer.oneOccurrence");
    case TransferReason::ListFull:
        //% "the list already holds %1 events"
        return qtTrId("Transfer.listFull").arg(EventRules::kMaxEvents);
    case TransferReason::NoTitle:
        //% "it has no title"
        return qtTrId("Transfer.noTitle");
    case TransferReason::NoDate:
        //% "it has no date Tallowick can count"
        return qtTrId("Transfer.noDate");
    case TransferReason::OtherRepeat:
        //% "it repeats in a way Tallowick cannot follow"
        return qtTrId("Transfer.otherRepeat");
    case TransferReason::NotAnEvent:
        //% "it is not a complete event"
        return qtTrId("Transfer.notAnEvent");
    case TransferReason::UnknownTheme:
        //% "its theme is none of Tallowick's"
        return qtTrId("Transfer.unknownTheme");
    case TransferReason::NotAColour:
        //% "one of its colours is no colour"
        return qtTrId("Transfer.notAColour");
    case TransferReason::UnknownReminder:
        //% "its reminder is none of Tallowick's"
        return qtTrId("Transfer.unknownReminder");
    case TransferReason::CountUpRepeats:
        //% "a count-up event cannot repeat every year"
        return qtTrId("Transfer.countUpRepeats");
    }
    return QString();
}

QString TransferSummary::problemText() const
{
    switch (problem) {
    case Problem::None:
        return QString();
    case Problem::Unreadable:
        //% "The file cannot be read"
        return qtTrId("Transfer.fileUnreadable");
    case Problem::TooLarge:
        //% "The file is too large"
        return qtTrId("Transfer.fileTooLarge");
    case Problem::NotACalendar:
        //% "The file is no calendar, or it is damaged"
        return qtTrId("Transfer.fileNotCalendar");
    case Problem::NotABackup:
        //% "The file is no Tallowick backup, or it is damaged"
        return qtTrId("Transfer.fileNotBackup");
    case Problem::MadeByNewer:
        //% "The backup was made by a newer Tallowick"
        return qtTrId("Transfer.fileNewer");
    case Problem::NotSaved:
        //% "The events could not be saved"
        return qtTrId("Transfer.notSaved");
    }
    return QString();
}

QString TransferSummary::headline() const
{
    //% "%1 added, %2 skipped, %3 refused"
    const QString counts = qtTrId("Transfer.summary").arg(added.size()).arg(skipped.size()).arg(refused.size());
    if (updated.isEmpty())
        return counts;
    //% "%1, %2 updated"
    return qtTrId("Transfer.summaryUpdated").arg(counts).arg(updated.size());
}

int TransferSummary::changedCount() const
{
    return int(std::count_if(skipped.cbegin(), skipped.cend(),
                             [](const TransferItem &item) { return item.reason == TransferReason::ChangedInFile; }));
}

QString describeField(const QString &field)
{
    if (field == QLatin1String("title"))
        //% "title"
        return qtTrId("Transfer.field.title");
    if (field == QLatin1String("date"))
        //% "date"
        return qtTrId("Transfer.field.date");
    if (field == QLatin1String("yearly"))
        //% "repeating every year"
        return qtTrId("Transfer.field.yearly");
    if (field == QLatin1String("reminder"))
        //% "reminders"
        return qtTrId("Transfer.field.reminder");
    return field;
}
