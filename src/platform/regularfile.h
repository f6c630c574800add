#pragma once

#include <QByteArray>
#include <QString>

// Reads one of our files without trusting what sits at its path: a symbolic link is not
// followed, and a pipe, device or folder is not read (it could block a reader, or never end).
namespace RegularFile {

// Larger than anything we write (thirty events, however long their titles): not ours.
inline constexpr qint64 kMaxBytes = 64 * 1024 * 1024;

enum class Outcome {
    Read,        // `bytes` holds the whole file
    Missing,     // nothing at the path
    NotRegular,  // a link, pipe, device, socket or folder: refused without reading
    TooLarge,    // a regular file of more than kMaxBytes: refused without reading
    Failed,      // there, but it could not be opened or read (`error` says why)
};

struct Result
{
    Outcome outcome = Outcome::Failed;
    QByteArray bytes;
    QString error;

    bool read() const { return outcome == Outcome::Read; }
};

Result read(const QString &path);

// What a refused or failed read met, for log lines.
QString describe(const Result &result);

} // namespace RegularFile
