#pragma once

#include <model/edate.h>

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// A backup of the event list: everything each event holds, in the list's order, as JSON a
// person can read. The README documents the format.
namespace EventBackup {

inline constexpr char kFormat[] = "tallowick-backup";
// The format's version: a reader of this version reads every file of it, and a file with
// more keys than it knows (a later version that only adds keys keeps this number).
inline constexpr int kVersion = 1;
// Larger than any backup of 30 events.
inline constexpr qsizetype kMaxBytes = 8 * 1024 * 1024;
// Longer than any text an event holds (a colour, a bar's name, an id, a title of 20 characters
// that are each a long emoji sequence): a record with a longer one is none, so that a restore
// cannot grow the settings file beyond what its readers expect.
inline constexpr qsizetype kMaxTextLength = 512;

// {"format": "tallowick-backup", "version": 1, "written": "<ISO time>", "events": [...]}, each
// event the keyed form of the settings file (EDate::toKeyed).
QByteArray encode(const QList<EDate> &events, const QDateTime &written);

// One record of a backup: the event, or what is known of a record that is none.
struct Record
{
    std::optional<EDate> event;
    QString title;   // for telling the person which record it was
    QString date;
};

struct Reading
{
    enum class Status {
        Read,
        NotABackup,   // no JSON, or no backup (nor a list of events, as list --json prints)
        MadeByNewer,  // a later version of the format
    };
    Status status = Status::NotABackup;
    QList<Record> records;
};

// Reads a backup; a bare array of event records (tallowick-cli list --json) reads too. A
// record that does not decode as an event (EDate::fromJson), or holds a text longer than
// kMaxTextLength, has no event.
Reading decode(const QByteArray &json);

} // namespace EventBackup
