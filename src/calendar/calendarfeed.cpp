#include "calendarfeed.h"

#include "calendarlog.h"
#include "icalendarexport.h"

#include <platform/atomicfile.h>
#include <platform/regularfile.h>
#include <platform/userdirs.h>

#include <QFileInfo>

namespace CalendarFeed {

QString path()
{
    return UserDirs::dataHome() + QStringLiteral("/tallowick/events.ics");
}

bool update(const QList<EDate> &events, const QDateTime &now, bool *failed)
{
    const QString feed = path();
    const QByteArray text = ICalendarExport::calendar(events, now);
    const RegularFile::Result current = RegularFile::read(feed);
    if (current.read() && ICalendarExport::withoutStamps(current.bytes) == ICalendarExport::withoutStamps(text))
        return false;
    if (!UserDirs::ensurePrivateDir(QFileInfo(feed).absolutePath()) || !AtomicFile::write(feed, text)) {
        if (failed) {
            *failed = true; // the caller reports it
            qCInfo(lcCalendar).noquote() << "Error: Can't write the calendar feed" << feed;
        } else {
            qCWarning(lcCalendar).noquote() << "Error: Can't write the calendar feed" << feed;
        }
        return false;
    }
    return true;
}

} // namespace CalendarFeed
