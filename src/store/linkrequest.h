#pragma once

#include "eventrepository.h"
#include "linkquery.h"

#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

// What a widget's link asks for: the page of an event. The event's id (which a reorder does
// not change) wins over the page number when it names an event of the list.
struct PageRequest
{
    qint64 pageNumber = 0;
    QString eventId;

    // The index to show in `events`: the event with the id, else the page number kept within
    // the list (a stale link may name a page that is gone).
    int pageIn(const QList<EDate> &events) const;
};

// The page a widget's link selects: exactly one query item, "pageNumber", or the two items
// "pageNumber" and "eventId". Nothing for other items, or a "pageNumber" without a value.
// A value that is not a whole number selects page 0.
std::optional<PageRequest> pageRequest(const QList<QueryItem> &items);

// The event a shared-event link describes: "ddate" (any date form events carry; the first
// such item), "countdown" ("true" counts down, anything else up), "dateTitle" (cut to the
// longest title there may be), "colorIndex" (a theme id; theme 1 when it is missing or names
// no theme) and, optionally, "repeat" ("yearly": a count-down event that comes back every
// year) and "unit" (what its count is shown in: "weeks", "months", "years"). Nothing when the
// link lacks one of the first three, or its date is no date.
std::optional<EventDraft> sharedEventDraft(const QUrl &url, const QList<QueryItem> &items);

// An incoming link, read.
struct LinkRequest
{
    enum class Kind {
        Page,         // a widget's tap: `page`
        SharedEvent,  // an event to add: `draft`
        Incomplete,   // a shared-event link that lacks a part, or whose date is no date
    };
    Kind kind = Kind::Incomplete;
    PageRequest page;
    EventDraft draft;
    // An Incomplete link's item that appears more than once (which of two values is meant
    // cannot be told); empty when none does.
    QString repeatedItem;
};

// Reads a link the way the app acts on links: one with a single query item (or a page and an
// event id) selects a page, one with more adds a shared event. Nothing for a text that is not a
// valid URL, or has no query items, or whose query is not properly percent-encoded.
std::optional<LinkRequest> readLink(const QString &link);
