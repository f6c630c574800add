#include "notificationcenter.h"

#include "atomicfile.h"
#include "clock.h"
#include "jsoninteger.h"
#include "sharedstatefile.h"
#include "platformlog.h"
#include "userdirs.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <limits>

// The file is one JSON object:
//
//   {
//     "authorization": 2,                 // AuthorizationStatus code 0..4; absent: 0
//     "reminderTime": "08:30",            // when reminders arrive, 24-hour "HH:mm"; absent: 10:00
//     "pending": [                        // in the order added; absent: empty
//       {
//         "identifier": "<id> 2026-12-21 3",
//         "title": "Trip",
//         "body": "3 days left",
//         "trigger": {"year": 2026, "month": 12, "day": 21,   // all three, or none
//                     "hour": 10, "minute": 0, "repeats": false},
//         "sound": "default"              // or "none"
//       }
//     ]
//   }
//
// Keys not listed are ignored. Anything else that differs (a wrong type, a value out of range,
// an identifier twice) makes the whole file unreadable: it is moved aside, never overwritten.

struct NotificationCenter::State
{
    AuthorizationStatus authorization = AuthorizationStatus::NotDetermined;
    QTime reminderTime = NotificationCenter::defaultReminderTime();
    QList<NotificationRequest> pending;
};

namespace {

const QString kAuthorization = QStringLiteral("authorization");
const QString kReminderTime = QStringLiteral("reminderTime");
const QString kPending = QStringLiteral("pending");
const QString kIdentifier = QStringLiteral("identifier");
const QString kTitle = QStringLiteral("title");
const QString kBody = QStringLiteral("body");
const QString kTrigger = QStringLiteral("trigger");
const QString kSound = QStringLiteral("sound");
const QString kYear = QStringLiteral("year");
const QString kMonth = QStringLiteral("month");
const QString kDay = QStringLiteral("day");
const QString kHour = QStringLiteral("hour");
const QString kMinute = QStringLiteral("minute");
const QString kRepeats = QStringLiteral("repeats");
const QString kDefaultSound = QStringLiteral("default");
const QString kNoSound = QStringLiteral("none");

QJsonObject triggerToJson(const NotificationTrigger &trigger)
{
    QJsonObject object{{kHour, trigger.hour}, {kMinute, trigger.minute}, {kRepeats, trigger.repeats}};
    if (trigger.year && trigger.month && trigger.day) {
        object.insert(kYear, *trigger.year);
        object.insert(kMonth, *trigger.month);
        object.insert(kDay, *trigger.day);
    }
    return object;
}

std::optional<NotificationTrigger> triggerFromJson(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    NotificationTrigger trigger;
    const auto hour = jsonIntegerIn<int>(object.value(kHour), 0, 23);
    const auto minute = jsonIntegerIn<int>(object.value(kMinute), 0, 59);
    const QJsonValue repeats = object.value(kRepeats);
    if (!hour || !minute || !repeats.isBool())
        return std::nullopt;
    trigger.hour = *hour;
    trigger.minute = *minute;
    trigger.repeats = repeats.toBool();

    const bool hasYear = object.contains(kYear);
    if (hasYear != object.contains(kMonth) || hasYear != object.contains(kDay))
        return std::nullopt;
    if (hasYear) {
        trigger.year = jsonIntegerIn<int>(object.value(kYear), std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        trigger.month = jsonIntegerIn<int>(object.value(kMonth), 1, 12);
        trigger.day = jsonIntegerIn<int>(object.value(kDay), 1, 31);
        if (!trigger.year || !trigger.month || !trigger.day)
            return std::nullopt;
    }
    return trigger;
}

QJsonObject requestToJson(const NotificationRequest &request)
{
    return QJsonObject{{kIdentifier, request.identifier},
                       {kTitle, request.title},
                       {kBody, request.body},
                       {kTrigger, triggerToJson(request.trigger)},
                       {kSound, request.defaultSound ? kDefaultSound : kNoSound}};
}

std::optional<NotificationRequest> requestFromJson(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const QJsonValue identifier = object.value(kIdentifier);
    const QJsonValue title = object.value(kTitle);
    const QJsonValue body = object.value(kBody);
    const QJsonValue sound = object.value(kSound);
    const auto trigger = triggerFromJson(object.value(kTrigger));
    if (!identifier.isString() || !title.isString() || !body.isString() || !trigger)
        return std::nullopt;
    if (sound.toString() != kDefaultSound && sound.toString() != kNoSound)
        return std::nullopt;
    return NotificationRequest{identifier.toString(), title.toString(), body.toString(), *trigger,
                               sound.toString() == kDefaultSound};
}

template<typename State>
std::optional<State> decode(const QByteArray &bytes)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();

    State state;
    if (root.contains(kAuthorization)) {
        const auto code = jsonIntegerIn<int>(root.value(kAuthorization), 0, 4);
        if (!code)
            return std::nullopt;
        state.authorization = static_cast<AuthorizationStatus>(*code);
    }
    if (root.contains(kReminderTime)) {
        const auto time = NotificationCenter::parseReminderTime(root.value(kReminderTime).toString());
        if (!time)
            return std::nullopt;
        state.reminderTime = *time;
    }
    if (root.contains(kPending)) {
        const QJsonValue pending = root.value(kPending);
        if (!pending.isArray())
            return std::nullopt;
        QSet<QString> seen;
        for (const QJsonValue &item : pending.toArray()) {
            auto request = requestFromJson(item);
            if (!request || seen.contains(request->identifier))
                return std::nullopt;
            seen.insert(request->identifier);
            state.pending.append(std::move(*request));
        }
    }
    return state;
}

void addOrReplace(QList<NotificationRequest> &pending, const NotificationRequest &request)
{
    const auto same = std::find_if(pending.begin(), pending.end(),
                                   [&](const NotificationRequest &old) { return old.identifier == request.identifier; });
    if (same != pending.end())
        *same = request;
    else
        pending.append(request);
}

} // namespace

std::optional<QDateTime> NotificationTrigger::fireTime() const
{
    if (!year || !month || !day)
        return std::nullopt;
    const QDate date(*year, *month, *day);
    const QTime time(hour, minute);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    QDateTime local(date, time);
    if (!local.isValid()) {
        // A time the clocks skip that day (02:30 when they go from 02:00 to 03:00): the moment
        // it would have been without the change, just after the gap, rather than never.
        const QDateTime dayStart = date.startOfDay();
        if (dayStart.isValid())
            local = QDateTime(date, time, Qt::OffsetFromUTC, dayStart.offsetFromUtc()).toLocalTime();
    }
    if (!local.isValid())
        return std::nullopt;
    return local;
}

QString NotificationTrigger::description() const
{
    QString text = (year && month && day)
        ? QString::asprintf("%04d-%02d-%02d %02d:%02d", *year, *month, *day, hour, minute)
        : QString::asprintf("%02d:%02d", hour, minute);
    if (repeats)
        text += QStringLiteral(" repeats");
    return text;
}

NotificationCenter::NotificationCenter(QString path)
    : m_path(std::move(path))
{
}

QString NotificationCenter::defaultPath()
{
    return UserDirs::dataHome() + QStringLiteral("/tallowick/notifications.json");
}

AuthorizationStatus NotificationCenter::authorizationStatus() const
{
    const auto state = read();
    return state ? state->authorization : AuthorizationStatus::NotDetermined;
}

bool NotificationCenter::setAuthorizationStatus(AuthorizationStatus status)
{
    return modify([&](State &state) {
        const bool changed = state.authorization != status;
        state.authorization = status;
        return changed;
    });
}

QTime NotificationCenter::reminderTime() const
{
    const auto state = read();
    return state ? state->reminderTime : defaultReminderTime();
}

bool NotificationCenter::setReminderTime(QTime time)
{
    if (!time.isValid())
        return false;
    return modify([&](State &state) {
        bool changed = state.reminderTime != time;
        state.reminderTime = time;
        for (NotificationRequest &request : state.pending) {
            if (!request.trigger.year)
                continue;
            changed = changed || request.trigger.hour != time.hour() || request.trigger.minute != time.minute();
            request.trigger.hour = time.hour();
            request.trigger.minute = time.minute();
        }
        return changed;
    });
}

std::optional<QTime> NotificationCenter::parseReminderTime(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([01][0-9]|2[0-3]):([0-5][0-9])$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return QTime(match.captured(1).toInt(), match.captured(2).toInt());
}

void NotificationCenter::add(const NotificationRequest &request)
{
    modify([&](State &state) {
        addOrReplace(state.pending, request);
        return true;
    });
}

QList<NotificationRequest> NotificationCenter::pendingRequests() const
{
    const auto state = read();
    return state ? state->pending : QList<NotificationRequest>();
}

void NotificationCenter::removePendingRequests(const QStringList &identifiers)
{
    modify([&](State &state) {
        return state.pending.removeIf([&](const NotificationRequest &request) {
            return identifiers.contains(request.identifier);
        }) > 0;
    });
}

bool NotificationCenter::replaceContaining(const QString &fragment, const QList<NotificationRequest> &requests)
{
    return modify([&](State &state) {
        // Every identifier contains the empty text; an event without an id must not take
        // everybody's reminders with it.
        const qsizetype removed = fragment.isEmpty() ? 0 : state.pending.removeIf([&](const NotificationRequest &request) {
            return request.identifier.contains(fragment);
        });
        for (const NotificationRequest &request : requests)
            addOrReplace(state.pending, request);
        return removed > 0 || !requests.isEmpty();
    });
}

QList<NotificationRequest> NotificationCenter::due(const QDateTime &now) const
{
    // Instants, not local wall-clock values: two local times compare by their wall clocks.
    const qint64 nowMs = now.toMSecsSinceEpoch();
    QList<std::pair<qint64, NotificationRequest>> fired;
    for (const NotificationRequest &request : pendingRequests()) {
        const auto time = request.trigger.fireTime();
        if (time && time->toMSecsSinceEpoch() <= nowMs)
            fired.append({time->toMSecsSinceEpoch(), request});
    }
    std::stable_sort(fired.begin(), fired.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<NotificationRequest> result;
    result.reserve(fired.size());
    for (const auto &entry : fired)
        result.append(entry.second);
    return result;
}

void NotificationCenter::markDelivered(const QStringList &identifiers)
{
    modify([&](State &state) {
        return state.pending.removeIf([&](const NotificationRequest &request) {
            // A repeating trigger that names a whole date matches that date only, so after its
            // delivery it cannot fire again either.
            return identifiers.contains(request.identifier)
                && (!request.trigger.repeats || request.trigger.fireTime().has_value());
        }) > 0;
    });
}

QByteArray NotificationCenter::encode(const State &state)
{
    QJsonArray pending;
    for (const NotificationRequest &request : state.pending)
        pending.append(requestToJson(request));
    QJsonObject root{{kAuthorization, static_cast<int>(state.authorization)}, {kPending, pending}};
    // Left out at its default, so that a file without a chosen time stays as it was.
    if (state.reminderTime != defaultReminderTime())
        root.insert(kReminderTime, state.reminderTime.toString(QStringLiteral("HH:mm")));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<NotificationCenter::State> NotificationCenter::read() const
{
    return SharedStateFile::read<State>(m_path, QStringLiteral("Notification file"), decode<State>);
}

template<typename Change>
bool NotificationCenter::modify(Change change)
{
    bool failed = false;
    SharedStateFile::modify<State>(m_path, QStringLiteral("Notification file"), decode<State>, encode, change, &failed);
    return !failed;
}
