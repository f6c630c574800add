#include "syncaccount.h"

#include <platform/filelock.h>
#include <platform/regularfile.h>
#include <platform/sharedstatefile.h>
#include <platform/userdirs.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kWhat = QStringLiteral("Sync account file");
const QString kServer = QStringLiteral("server");
const QString kCalendar = QStringLiteral("calendar");
const QString kUser = QStringLiteral("user");
const QString kCalendarName = QStringLiteral("calendarName");
const QString kPasswordCommand = QStringLiteral("passwordCommand");

// An address as it is stored: never with a user name or password in it.
QString stored(const QUrl &url)
{
    return url.toString(QUrl::RemoveUserInfo | QUrl::FullyEncoded);
}

std::optional<QUrl> address(const QJsonValue &value)
{
    const QUrl url(value.toString(), QUrl::StrictMode);
    if (!value.isString() || !url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")))
        return std::nullopt;
    return url;
}

// The account of the file's bytes, or nothing when they are not one (the "state" of a missing
// file is an account without a server: no account).
std::optional<SyncAccount> decode(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    const auto server = address(root.value(kServer));
    const auto calendar = address(root.value(kCalendar));
    const QJsonValue user = root.value(kUser);
    const QJsonValue name = root.value(kCalendarName);
    const QJsonValue command = root.value(kPasswordCommand);
    if (!server || !calendar || !user.isString() || user.toString().isEmpty() ||
        !(name.isString() || name.isUndefined()) || !(command.isString() || command.isUndefined()))
        return std::nullopt;
    return SyncAccount{*server, *calendar, user.toString(), name.toString(), command.toString()};
}

QByteArray encode(const SyncAccount &account)
{
    const QJsonObject root{{kServer, stored(account.server)},
                           {kCalendar, stored(account.calendar)},
                           {kUser, account.user},
                           {kCalendarName, account.calendarName},
                           {kPasswordCommand, account.passwordCommand}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace

QString SyncAccount::path()
{
    return UserDirs::configHome() + QStringLiteral("/tallowick/sync-account.json");
}

std::optional<SyncAccount> SyncAccount::load(QString *failure)
{
    const auto fail = [failure](const QString &why) -> std::optional<SyncAccount> {
        if (failure)
            *failure = why;
        return std::nullopt;
    };
    const RegularFile::Result file = RegularFile::read(path());
    if (file.outcome == RegularFile::Outcome::Missing)
        return std::nullopt;
    if (!file.read())
        return fail(QStringLiteral("the sync account file %1 is %2").arg(path(), RegularFile::describe(file)));
    auto account = decode(file.bytes);
    if (!account)
        return fail(QStringLiteral("the sync account file %1 cannot be read; set the account up again").arg(path()));
    return account;
}

bool SyncAccount::save(const SyncAccount &account)
{
    bool failed = false;
    // A file that does not decode is moved aside by the write, as every shared state's is.
    const auto decodeAny = [](const QByteArray &bytes) { return decode(bytes); };
    SharedStateFile::modify<SyncAccount>(
        path(), kWhat, decodeAny, encode,
        [&account](SyncAccount &current) {
            current = account;
            return true;
        },
        &failed);
    return !failed;
}

bool SyncAccount::forget()
{
    const QString file = path();
    if (!QFile::exists(file) && !QFileInfo(file).isSymLink())
        return true;
    const FileLock held(file + QStringLiteral(".lock"));
    if (!held.held())
        return false;
    // Whatever is at the path goes: a link is removed itself, never what it points to.
    return QFile::remove(file) || (!QFile::exists(file) && !QFileInfo(file).isSymLink());
}
