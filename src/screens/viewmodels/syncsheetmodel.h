#pragma once

#include <store/userdata.h>
#include <sync/syncsetup.h>

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QUrl>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QtQml/qqml.h>

#include <functional>
#include <optional>

struct SyncState;

// The sync sheet's side of the CalDAV account: what is set up (server, user, calendar), how
// the last sync went in words, how many changes wait to go up, and the three things a person
// does there: set up, sync now, turn off. Setting up and syncing talk to the server, and even
// turning off may wait on the keyring: each runs on a worker thread, one at a time, and its
// outcome comes back to the window's thread by a queued call (`busy` meanwhile).
class SyncSheetModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(UserData *store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(bool configured READ configured NOTIFY accountChanged)
    Q_PROPERTY(QString server READ server NOTIFY accountChanged)
    Q_PROPERTY(QString user READ user NOTIFY accountChanged)
    Q_PROPERTY(QString calendarName READ calendarName NOTIFY accountChanged)
    // "Last synced today at 10:42: 2 up, 1 down." / "Not synced yet."
    Q_PROPERTY(QString lastSyncText READ lastSyncText NOTIFY stateChanged)
    Q_PROPERTY(bool lastOk READ lastOk NOTIFY stateChanged)
    // There was a sync and it failed (or what it left cannot be read): said as a failure.
    Q_PROPERTY(bool lastFailed READ lastFailed NOTIFY stateChanged)
    Q_PROPERTY(int waitingChanges READ waitingChanges NOTIFY stateChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    // What the running step is doing ("Syncing…"), for the busy indicator's name.
    Q_PROPERTY(QString busyText READ busyText NOTIFY busyChanged)
    // The outcome of what the person last did here, when the lines above do not already say
    // it: what setup found or why it failed, that sync was turned off.
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)
    Q_PROPERTY(bool messageIsFailure READ messageIsFailure NOTIFY messageChanged)

public:
    explicit SyncSheetModel(QObject *parent = nullptr);

    UserData *store() const { return m_store; }
    void setStore(UserData *store);

    bool configured() const { return m_configured; }
    QString server() const { return m_server; }
    QString user() const { return m_user; }
    QString calendarName() const { return m_calendarName; }
    QString lastSyncText() const { return m_lastSyncText; }
    bool lastOk() const { return m_lastOk; }
    bool lastFailed() const { return m_lastFailed; }
    int waitingChanges() const { return m_waitingChanges; }
    bool busy() const { return !m_busyText.isEmpty(); }
    QString busyText() const { return m_busyText; }
    QString message() const { return m_message; }
    bool messageIsFailure() const { return m_messageIsFailure; }

    // Each returns false, doing nothing, while another step runs (or, for setUp, when a field
    // it needs is empty: `message` then says which).
    Q_INVOKABLE bool setUp(const QString &address, const QString &user, const QString &password,
                           const QString &calendarName);
    Q_INVOKABLE bool syncNow();
    Q_INVOKABLE bool turnOff();
    // Reads the account and the last sync's state again (another program may have synced).
    Q_INVOKABLE void reload();

    // What setUp runs on the worker thread: the real setup unless a test puts itself there.
    using SetUpStep = std::function<SyncSetup::Result(const SyncSetup::Request &)>;
    void setSetUpStep(SetUpStep step) { m_setUpStep = std::move(step); }

    // The last sync in words, as of `now`, from the stored state (nothing: it cannot be read).
    static QString describeLastSync(const std::optional<SyncState> &state, const QDateTime &now);
    // The address as typed, made a URL: without a scheme it is taken as https.
    static QUrl addressOf(const QString &typed);

Q_SIGNALS:
    void storeChanged();
    void accountChanged();
    void stateChanged();
    void busyChanged();
    void messageChanged();
    // A step has ended and its outcome is shown.
    void finished();

private:
    struct Outcome
    {
        QString message;
        bool failed = false;
        bool listChanged = false;
    };
    // Runs `work` on a worker thread, showing `busyText` until its outcome is back.
    bool inBackground(const QString &busyText, std::function<Outcome()> work);
    void setMessage(const QString &message, bool failure);

    QPointer<UserData> m_store;
    // The folders of the account and of the sync state: a sync or a setup by another program
    // (the home screen's timer, the command line) shows here as it happens.
    QFileSystemWatcher m_folders;
    QTimer m_folderSettle;
    bool m_configured = false;
    QString m_server;
    QString m_user;
    QString m_calendarName;
    QString m_lastSyncText;
    bool m_lastOk = false;
    bool m_lastFailed = false;
    int m_waitingChanges = 0;
    QString m_busyText;
    QString m_message;
    bool m_messageIsFailure = false;
    SetUpStep m_setUpStep;
};
