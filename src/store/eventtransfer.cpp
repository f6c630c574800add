#include "eventtransfer.h"

#include "storelog.h"

#include <calendar/icalendarexport.h>
#include <platform/atomicfile.h>
#include <platform/clock.h>

#include <QCoreApplication>

namespace EventTransfer {

QByteArray calendarText(const EventRepository &repository)
{
    return ICalendarExport::calendar(repository.read().events, Clock::now());
}

ExportResult exportCalendar(const EventRepository &repository, const QString &path)
{
    const QList<EDate> events = repository.read().events;
    const QByteArray text = ICalendarExport::calendar(events, Clock::now());
    if (!AtomicFile::write(path, text)) {
        qCWarning(lcStore).noquote() << "Error: Can't write the calendar" << path;
        //% "The file could not be written"
        return {false, 0, qtTrId("Transfer.fileNotWritten")};
    }
    return {true, int(events.size()), QString()};
}

} // namespace EventTransfer
