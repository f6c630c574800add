#include "syncstate.h"

#include <platform/sharedstatefile.h>
#include <platform/userdirs.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int kVersion = 1;
const QString kWhat = QStringLiteral("sync state");

QString text(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toString();
}

QJsonObject recordJson(const SyncState::Record &record)
{
    QJsonObject object{
        {QStringLiteral("href"), record.href},
        {QStringLiteral("id"), record.id},
        {QStringLiteral("etag"), QString::fromUtf8(record.etag)},
        {QStringLiteral("object"), QString::fromUtf8(record.object)},
    };
    if (record.base) {
        object.insert(QStringLiteral("base"), record.base->event.toJson());
        object.insert(QStringLiteral("sortKey"), record.base->sortKey);
    }
    return object;
}

std::optional<SyncState::Record> recordOf(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    SyncState::Record record;
    record.href = text(object, "href");
    record.id = text(object, "id");
    record.etag = text(object, "etag").toUtf8();
    record.object = text(object, "object").toUtf8();
    if (record.href.isEmpty())
        return std::nullopt;
    if (const QJsonValue base = object.value(QStringLiteral("base")); !base.isUndefined()) {
        const auto event = EDate::fromJson(base.toObject());
        if (!event || event->id != record.id)
            return std::nullopt;
        record.base = SyncedEvent{*event, text(object, "sortKey")};
    }
    return record;
}

} // namespace

const SyncState::Record *SyncState::recordOf(const QString &id) const
{
    const auto found = std::find_if(records.cbegin(), records.cend(), [&](const Record &r) { return r.id == id; });
    return found == records.cend() ? nullptr : &*found;
}

QString SyncState::path()
{
    return UserDirs::dataHome() + QStringLiteral("/tallowick/sync.json");
}

QByteArray SyncState::encode(const SyncState &state)
{
    QJsonArray records;
    for (const Record &record : state.records)
        records.append(recordJson(record));
    QJsonObject object{
        {QStringLiteral("version"), kVersion},
        {QStringLiteral("calendar"), state.calendar.toString()},
        {QStringLiteral("token"), state.token},
        {QStringLiteral("records"), records},
        {QStringLiteral("lastOk"), state.lastOk},
        {QStringLiteral("lastOutcome"), state.lastOutcome},
        {QStringLiteral("lastUp"), state.lastUp},
        {QStringLiteral("lastDown"), state.lastDown},
        {QStringLiteral("lastMoreOnServer"), state.lastMoreOnServer},
        {QStringLiteral("lastUnreadable"), state.lastUnreadable},
        {QStringLiteral("lastConflicts"), QJsonArray::fromStringList(state.lastConflicts)},
        {QStringLiteral("lastFailure"), state.lastFailure},
    };
    if (state.lastSync.isValid())
        object.insert(QStringLiteral("lastSync"), state.lastSync.toUTC().toString(Qt::ISODateWithMs));
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::optional<SyncState> SyncState::decode(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    // A later version's state is not guessed at: this device starts afresh, merging by id.
    if (object.value(QStringLiteral("version")).toInt() != kVersion)
        return std::nullopt;
    SyncState state;
    state.calendar = QUrl(text(object, "calendar"));
    state.token = text(object, "token");
    for (const QJsonValue &value : object.value(QStringLiteral("records")).toArray()) {
        const auto record = ::recordOf(value);
        if (!record)
            return std::nullopt;
        state.records.append(*record);
    }
    if (object.contains(QStringLiteral("lastSync")))
        state.lastSync = QDateTime::fromString(text(object, "lastSync"), Qt::ISODateWithMs);
    state.lastOk = object.value(QStringLiteral("lastOk")).toBool();
    state.lastOutcome = text(object, "lastOutcome");
    state.lastUp = object.value(QStringLiteral("lastUp")).toInt();
    state.lastDown = object.value(QStringLiteral("lastDown")).toInt();
    state.lastMoreOnServer = object.value(QStringLiteral("lastMoreOnServer")).toInt();
    state.lastUnreadable = object.value(QStringLiteral("lastUnreadable")).toInt();
    for (const QJsonValue &title : object.value(QStringLiteral("lastConflicts")).toArray())
        state.lastConflicts.append(title.toString());
    state.lastFailure = text(object, "lastFailure");
    return state;
}

std::optional<SyncState> SyncState::read()
{
    return SharedStateFile::read<SyncState>(path(), kWhat, &SyncState::decode);
}

bool SyncState::modify(const std::function<bool(SyncState &)> &change)
{
    bool failed = false;
    SharedStateFile::modify<SyncState>(path(), kWhat, &SyncState::decode, &SyncState::encode, change, &failed);
    return !failed;
}

QString SyncState::runLockPath()
{
    return UserDirs::dataHome() + QStringLiteral("/tallowick/sync.lock");
}

bool SyncState::forget()
{
    const FileLock running(runLockPath());
    const QString file = path();
    return !QFile::exists(file) || QFile::remove(file);
}
