#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <optional>

// What the user decided about notifications from Tallowick, as the reminder screen reads it.
enum class AuthorizationStatus { NotDetermined = 0, Denied = 1, Authorized = 2, Provisional = 3, Ephemeral = 4 };

// A calendar trigger: date components without a calendar or zone of their own, read in the
// zone of whichever process asks.
struct NotificationTrigger
{
    std::optional<int> year, month, day; // all three present, or none
    int hour = 10;
    int minute = 0;
    bool repeats = false;

    // The local time (process's zone) the trigger names; nothing without a full, real date.
    // A time the clocks skip on that day fires just after the gap, when it would have been.
    std::optional<QDateTime> fireTime() const;
    // "2026-12-21 10:00" (or "10:00" without a date), with " repeats" when it repeats.
    QString description() const;

    friend bool operator==(const NotificationTrigger &, const NotificationTrigger &) = default;
};

// One local notification waiting for its trigger.
struct NotificationRequest
{
    QString identifier;
    QString title;
    QString body;
    NotificationTrigger trigger;
    bool defaultSound = true;

    friend bool operator==(const NotificationRequest &, const NotificationRequest &) = default;
};

// The user's pending local notifications and the app's authorization status, in one file
// shared by every Tallowick process of the user: $XDG_DATA_HOME/tallowick/notifications.json.
// Every change is one locked read-modify-write, so concurrent processes lose nothing; every
// read sees a whole file. Failures are logged and otherwise ignored.
class NotificationCenter
{
public:
    explicit NotificationCenter(QString path = defaultPath());

    static QString defaultPath();
    const QString &path() const { return m_path; }

    // NotDetermined while nothing was decided (no file yet).
    AuthorizationStatus authorizationStatus() const;
    // Records what the user decided (the app's dialog, tallowick-cli).
    // False when it could not be written.
    bool setAuthorizationStatus(AuthorizationStatus status);

    // The time of day every reminder arrives at: 10:00 until the person chooses another.
    static QTime defaultReminderTime() { return QTime(10, 0); }
    QTime reminderTime() const;
    // Records the time and moves every pending reminder that names a day to it on the same
    // day, as one transaction, so that no reminder is left at the old time. One whose new
    // moment has passed already stays pending and is delivered at the next check, as a late
    // reminder is. False when it could not be written.
    bool setReminderTime(QTime time);
    // "HH:mm" on a 24-hour clock, exactly two digits each; nothing for anything else.
    static std::optional<QTime> parseReminderTime(const QString &text);

    // Adds a request; one with the same identifier is replaced where it stands.
    void add(const NotificationRequest &request);
    // The pending requests, in the order they were added.
    QList<NotificationRequest> pendingRequests() const;
    // Removes the requests with exactly these identifiers.
    void removePendingRequests(const QStringList &identifiers);
    // Removes every request whose identifier contains `fragment`, then adds `requests`, as one
    // transaction. An empty fragment matches nothing.
    // False when it could not be written.
    bool replaceContaining(const QString &fragment, const QList<NotificationRequest> &requests);

    // The requests whose fire time is at or before `now`, however late, oldest first.
    QList<NotificationRequest> due(const QDateTime &now) const;
    // Takes delivered requests off the pending list, unless their trigger can fire again.
    void markDelivered(const QStringList &identifiers);

private:
    struct State;
    std::optional<State> read() const;
    static QByteArray encode(const State &state);
    template<typename Change>
    // False when the change could not be written (no lock, a full disk).
    bool modify(Change change);

    QString m_path;
};
