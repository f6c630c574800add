#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Why an event of an imported file was not added.
enum class TransferReason {
    SameEvent,         // an event with its id (its UID) is in the list
    ChangedInFile,     // an event with its id is in the list, but the file's version differs
    SameTitleAndDate,  // an event of that title and date is in the list
    Cancelled,         // the calendar says it is cancelled
    OneOccurrence,     // a change to one occurrence of a series, not an event of its own
    ListFull,          // the list already holds the most events it may
    NoTitle,
    NoDate,            // no date Tallowick can count
    OtherRepeat,       // it repeats other than every year on its day, without end
    NotAnEvent,        // a backup's record that lacks a key or has one of the wrong type
    UnknownTheme,      // a backup's theme id that no theme has
    NotAColour,        // a backup's colour that is no hexadecimal colour
    UnknownReminder,   // a backup's reminder code outside 0-3
    CountUpRepeats,    // a backup's count-up event that repeats every year
};

// The reason as a person reads it ("already in the list"), in the person's language.
QString describeReason(TransferReason reason);

// An event of a file, by what a person knows it by.
struct TransferItem
{
    QString title;
    QString date;   // "yyyy-MM-dd", or whatever the file said when it is no date
    TransferReason reason = TransferReason::SameEvent; // for the skipped and refused ones
    // For an event of the list that the file has in another version: the fields that differ
    // ("title", "date", "yearly", "reminder"), as scripts read them.
    QStringList differences = {};
};

// A field name of TransferItem::differences as a person reads it, in their language.
QString describeField(const QString &field);

// How an import went: what was added, skipped (it is there already, or nothing to add) and
// refused (it cannot be added), each with its reason; or why the file was not read at all,
// in which case nothing changed.
struct TransferSummary
{
    enum class Problem {
        None,
        Unreadable,    // the file cannot be opened or read
        TooLarge,
        NotACalendar,  // no iCalendar, or a damaged one
        NotABackup,    // no Tallowick backup, or a damaged one
        MadeByNewer,   // a backup of a later format
        NotSaved,      // the settings file could not be written: nothing was added
    };

    Problem problem = Problem::None;
    QList<TransferItem> added;
    QList<TransferItem> skipped;
    QList<TransferItem> refused;
    QList<TransferItem> updated; // events of the list that took the file's version
    int remindersScheduled = 0; // added (or updated) events whose reminders are now pending
    int remindersWaiting = 0;   // added (or updated) events whose reminder choice waits for permission
    // What could not be written although the events were added and the list saved (the
    // widget contents, the calendar feed, reminders); empty when everything was.
    QString notWritten;

    bool fileRead() const { return problem == Problem::None; }
    // Why the file was not read (translated); empty when it was.
    QString problemText() const;
    // "3 added, 1 skipped, 0 refused" (translated), and ", 2 updated" when some were.
    QString headline() const;
    // How many skipped events the file has in another version (what an update would take).
    int changedCount() const;
};
