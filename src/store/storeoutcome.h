#pragma once

#include <QString>

// How one change of the event list went. Everything but Done leaves the list as it was.
enum class StoreOutcome {
    Done,
    Gone,          // no event with that id (any more): another process deleted it
    ListFull,      // the list already holds the most events it may
    LastEvent,     // the last event is never deleted
    TitleTaken,    // a shared event whose title the list already has
    EmptyTitle,    // nothing but white space
    TitleTooLong,  // more characters than a title may have
    NotADate,      // no real calendar day with a four-digit year
    UnknownTheme,  // no theme has that id
    YearlyCountsUp, // a count-up event cannot repeat: it counts from its one day
    NotSaved,      // the settings file could not be written
    NotLocked,     // the settings lock could not be taken: nothing was read or changed
    NotPublished,  // the list was saved, but the widget contents or the calendar feed were not
    Outdated,      // the list changed since the one the change was made from (a sync's merge)
};

// Whether the outcome is a refusal of the input itself (what a person typed or a link
// carried breaks a rule), rather than of the moment (the list is full, the event is gone).
bool isInvalidInput(StoreOutcome outcome);

// One line saying what went wrong, in English, for the command line and the log; empty for Done.
QString describeOutcome(StoreOutcome outcome);
