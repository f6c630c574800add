#pragma once

#include <QByteArray>
#include <QList>
#include <QTime>

// Edits an object's text line by line, so that everything the edit does not name stays as
// the server sent it, byte for byte: other programs' properties, components, folding and
// line ends. libical reads and writes the same content, but not always the same bytes
// (it splits CATEGORIES lists, reorders rule parts), which would rewrite what is not ours.
namespace ObjectSplice {

struct Edit
{
    qsizetype eventIndex = 0;          // the VEVENT edited, counted in the text's order
    QList<QByteArray> removedNames;    // its properties of these names (upper-case) go
    bool removeOwnAlarms = false;      // and so do Tallowick's own VALARMs (OwnAlarms),
    QTime ownAlarmTime = QTime(10, 0); // which are at this time of day (OwnAlarms::timeIn)
    QByteArray addedLines;             // content lines (CRLF, folded) put in before its END
};

// The text with the edit made. The text must be one well-formed VCALENDAR (the import's
// check); unfolded lines are compared, folded ones kept as they are.
QByteArray apply(const QByteArray &text, const Edit &edit);

} // namespace ObjectSplice
