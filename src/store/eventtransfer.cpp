#include "eventtransfer.h"

#include "storelog.h"

#include <calendar/icalendarexport.h>
#include <calendar/icalendarimport.h>
#include <platform/atomicfile.h>
#include <platform/clock.h>

#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

ChosenFile readChosenFile(const QString &path, qsizetype maxBytes)
{
    // Non-blocking, so that a pipe put there cannot hold the open; refused once seen.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {};
    ChosenFile result;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        if (info.st_size > maxBytes) {
            result.outcome = ChosenFile::Outcome::TooLarge;
        } else {
            QFile file;
            if (file.open(fd, QIODevice::ReadOnly)) {
                // Read one byte beyond the limit: a file that grew meanwhile is still too large.
                result.bytes = file.read(maxBytes + 1);
                result.outcome = result.bytes.size() > maxBytes ? ChosenFile::Outcome::TooLarge : ChosenFile::Outcome::Read;
                if (file.error() != QFileDevice::NoError)
                    result = {};
            }
        }
    }
    ::close(fd);
    if (result.outcome != ChosenFile::Outcome::Read)
        result.bytes.clear();
    return result;
}

TransferSummary importCalendar(EventRepository &repository, const QString &path)
{
    const ChosenFile file = readChosenFile(path, ICalendarImport::kMaxBytes);
    TransferSummary refused;
    switch (file.outcome) {
    case ChosenFile::Outcome::Read:
        return importCalendarText(repository, file.bytes);
    case ChosenFile::Outcome::TooLarge:
        refused.problem = TransferSummary::Problem::TooLarge;
        break;
    case ChosenFile::Outcome::Unreadable:
        refused.problem = TransferSummary::Problem::Unreadable;
        break;
    }
    qCInfo(lcStore).noquote() << "Calendar" << path << "not imported:" << refused.problemText();
    return refused;
}

TransferSummary importCalendarText(EventRepository &repository, const QByteArray &text)
{
    const ICalendarImport::Reading reading = ICalendarImport::read(text);
    TransferSummary refused;
    switch (reading.status) {
    case ICalendarImport::Reading::Status::Read:
        return repository.importCalendar(reading.entries).summary;
    case ICalendarImport::Reading::Status::TooLarge:
        refused.problem = TransferSummary::Problem::TooLarge;
        break;
    case ICalendarImport::Reading::Status::NotACalendar:
        refused.problem = TransferSummary::Problem::NotACalendar;
        break;
    }
    return refused;
}

} // namespace EventTransfer
