#include "eventtransfer.h"

#include "eventbackup.h"
#include "storelog.h"

#include <calendar/icalendarexport.h>
#include <calendar/icalendarimport.h>
#include <platform/atomicfile.h>
#include <platform/clock.h>

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace EventTransfer {

QByteArray utf8Of(const QByteArray &bytes)
{
    // Some editors save UTF-16 (Windows' "Unicode") with its byte order mark; read as UTF-8,
    // such a file would be no backup and no calendar at all.
    const bool little = bytes.startsWith("\xFF\xFE");
    if (!little && !bytes.startsWith("\xFE\xFF"))
        return bytes;
    QStringDecoder decoder(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
    const QString text = decoder.decode(QByteArrayView(bytes).sliced(2));
    return decoder.hasError() ? QByteArray() : text.toUtf8();
}

namespace {

// Why an export must not write at `path`: it writes plain files only. A device, a pipe or a
// folder is refused, and so is a symbolic link (replacing it would drop the link, following
// it would write wherever whoever planted it points); empty when the path is free or a
// plain file.
QString refusedTarget(const QString &path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || S_ISREG(info.st_mode))
        return QString();
    if (S_ISLNK(info.st_mode))
        //% "It is a symbolic link; choose the file it points to"
        return qtTrId("Transfer.targetLink");
    if (S_ISDIR(info.st_mode))
        //% "It is a folder"
        return qtTrId("Transfer.targetFolder");
    //% "It is no plain file (a device or a pipe)"
    return qtTrId("Transfer.targetSpecial");
}

// Writes what `encode` makes of the list to `path` (replacing the file at once, like every
// file the app writes); `what` names the file in the log.
template <typename Encode>
ExportResult writeExport(const EventRepository &repository, const QString &path, const char *what, Encode encode)
{
    //% "The file could not be written"
    const QString notWritten = qtTrId("Transfer.fileNotWritten");
    if (const QString refused = refusedTarget(path); !refused.isEmpty()) {
        qCInfo(lcStore).noquote() << "Not writing the" << what << "to" << path << ':' << refused;
        return {false, 0, notWritten + QStringLiteral(" (") + refused + QLatin1Char(')')};
    }
    const QList<EDate> events = repository.read().events;
    if (!AtomicFile::write(path, encode(events, Clock::now()))) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        // The caller tells the person, with the reason; the log keeps it for diagnostics.
        qCInfo(lcStore).noquote() << "Error: Can't write the" << what << path << reason;
        return {false, 0, notWritten + QStringLiteral(" (") + reason + QLatin1Char(')')};
    }
    return {true, int(events.size()), QString()};
}

} // namespace

QByteArray calendarText(const EventRepository &repository)
{
    return ICalendarExport::calendar(repository.read().events, Clock::now());
}

ExportResult exportCalendar(const EventRepository &repository, const QString &path)
{
    return writeExport(repository, path, "calendar", [](const QList<EDate> &events, const QDateTime &stamp) {
        return ICalendarExport::calendar(events, stamp);
    });
}

QByteArray backupText(const EventRepository &repository)
{
    return EventBackup::encode(repository.read().events, Clock::now());
}

ExportResult exportBackup(const EventRepository &repository, const QString &path)
{
    return writeExport(repository, path, "backup", EventBackup::encode);
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

namespace {

// The file at `path` read for an import; a summary of the refusal when it cannot be.
std::optional<QByteArray> importedBytes(const QString &path, qsizetype maxBytes, TransferSummary &refused)
{
    const ChosenFile file = readChosenFile(path, maxBytes);
    switch (file.outcome) {
    case ChosenFile::Outcome::Read:
        return file.bytes;
    case ChosenFile::Outcome::TooLarge:
        refused.problem = TransferSummary::Problem::TooLarge;
        break;
    case ChosenFile::Outcome::Unreadable:
        refused.problem = TransferSummary::Problem::Unreadable;
        break;
    }
    qCInfo(lcStore).noquote() << path << "not imported:" << refused.problemText();
    return std::nullopt;
}

} // namespace

TransferSummary importCalendar(EventRepository &repository, const QString &path, bool update)
{
    TransferSummary refused;
    const auto bytes = importedBytes(path, ICalendarImport::kMaxBytes, refused);
    return bytes ? importCalendarText(repository, *bytes, update) : refused;
}

TransferSummary importBackup(EventRepository &repository, const QString &path)
{
    TransferSummary refused;
    const auto bytes = importedBytes(path, EventBackup::kMaxBytes, refused);
    return bytes ? importBackupText(repository, *bytes) : refused;
}

TransferSummary importBackupText(EventRepository &repository, const QByteArray &bytes)
{
    const QByteArray text = utf8Of(bytes);
    TransferSummary refused;
    if (text.size() > EventBackup::kMaxBytes) {
        refused.problem = TransferSummary::Problem::TooLarge;
        return refused;
    }
    const EventBackup::Reading reading = EventBackup::decode(text);
    switch (reading.status) {
    case EventBackup::Reading::Status::Read:
        return repository.restoreBackup(reading.records).summary;
    case EventBackup::Reading::Status::NotABackup:
        refused.problem = TransferSummary::Problem::NotABackup;
        break;
    case EventBackup::Reading::Status::MadeByNewer:
        refused.problem = TransferSummary::Problem::MadeByNewer;
        break;
    }
    return refused;
}

bool looksLikeBackup(const QByteArray &bytes)
{
    // Enough of the start to see past a byte order mark and blank lines.
    const QByteArray start = ICalendarImport::withoutByteOrderMark(bytes.left(256)).toByteArray().trimmed();
    return start.startsWith('{') || start.startsWith('[');
}

TransferSummary importFile(EventRepository &repository, const QString &path, bool update)
{
    TransferSummary refused;
    const auto bytes = importedBytes(path, std::max(ICalendarImport::kMaxBytes, EventBackup::kMaxBytes), refused);
    if (!bytes)
        return refused;
    const QByteArray text = utf8Of(*bytes);
    return looksLikeBackup(text) ? importBackupText(repository, text) : importCalendarText(repository, text, update);
}

TransferSummary importCalendarText(EventRepository &repository, const QByteArray &bytes, bool update)
{
    const QByteArray text = utf8Of(bytes);
    const ICalendarImport::Reading reading = ICalendarImport::read(text);
    TransferSummary refused;
    switch (reading.status) {
    case ICalendarImport::Reading::Status::Read:
        return repository.importCalendar(reading.entries, update).summary;
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
