#pragma once

#include "atomicfile.h"
#include "filelock.h"
#include "keepaside.h"
#include "platformlog.h"
#include "regularfile.h"
#include "userdirs.h"

#include <QByteArray>
#include <QFileInfo>
#include <QString>
#include <optional>

// A small state that every process of the user shares through one file: read whole, changed
// under an inter-process lock (flock on "<file>.lock"), replaced atomically. A file that does
// not decode, or anything at the path that is not a plain file (a symbolic link, a pipe), is
// moved aside by the next change, never written over or through; readers only report it. `what` names the file in log lines;
// `decode` gives nothing for bytes it cannot read, `encode` gives the bytes of a state.
namespace SharedStateFile {

namespace detail {

// The one reading behind read() and readLocked(): they differ only in what becomes of a file
// that is there but cannot be used (moved aside under the lock, or only reported).
template<typename State, typename Decode>
std::optional<State> readState(const QString &path, const QString &what, Decode decode, bool keepBadAside)
{
    const RegularFile::Result file = RegularFile::read(path);
    if (file.outcome == RegularFile::Outcome::Missing)
        return State{};
    if (file.outcome == RegularFile::Outcome::Failed) {
        qCWarning(lcPlatform).noquote() << "Error: Can't read" << what << path << file.error;
        return std::nullopt;
    }
    if (!file.read())
        qCWarning(lcPlatform).noquote() << what << path << "is" << RegularFile::describe(file);
    else if (auto state = decode(file.bytes))
        return state;
    else if (!keepBadAside)
        qCWarning(lcPlatform).noquote() << what << path << "cannot be read";
    if (keepBadAside)
        keepAside(path, what);
    return State{};
}

} // namespace detail

// The state under the lock: a default state when there is no file, nothing when the file
// exists but cannot be opened (it may be good, so nobody may write over it).
template<typename State, typename Decode>
std::optional<State> readLocked(const QString &path, const QString &what, Decode decode)
{
    return detail::readState<State>(path, what, decode, true);
}

// The state, for readers: nothing is written or moved. A file that does not decode, or
// anything at the path that is not a plain file, is reported and reads as the default state
// (a writer moves it aside before replacing it); nothing when the file cannot be opened.
template<typename State, typename Decode>
std::optional<State> read(const QString &path, const QString &what, Decode decode)
{
    return detail::readState<State>(path, what, decode, false);
}

// Runs `change` on the stored state under the lock and writes the result when it reports a
// change. True when it did and the write succeeded. A change that could not be made (no lock,
// an unreadable file, a failed write) also sets `*failed` when given.
template<typename State, typename Decode, typename Encode, typename Change>
bool modify(const QString &path, const QString &what, Decode decode, Encode encode, Change change, bool *failed = nullptr)
{
    const auto fail = [failed] {
        if (failed)
            *failed = true;
        return false;
    };
    if (!UserDirs::ensurePrivateDir(QFileInfo(path).absolutePath())) {
        qCWarning(lcPlatform).noquote() << "Error: Can't create the folder of" << path;
        return fail();
    }
    const FileLock held(path + QStringLiteral(".lock"));
    if (!held.held())
        return fail();
    auto state = readLocked<State>(path, what, decode);
    if (!state)
        return fail();
    if (!change(*state))
        return false;
    if (!AtomicFile::write(path, encode(*state))) {
        if (failed)
            qCInfo(lcPlatform).noquote() << "Error: Can't write" << what << path; // the caller reports it
        else
            qCWarning(lcPlatform).noquote() << "Error: Can't write" << what << path;
        return fail();
    }
    return true;
}

} // namespace SharedStateFile
