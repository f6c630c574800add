#pragma once

#include <platform/widgetreload.h>

#include <QObject>
#include <QString>
#include <QTimer>

class QSocketNotifier;

// The home screen's end of WidgetReload: binds the reload socket (0600, in a 0700 folder)
// and signals once for each burst of requests. Only one home screen of a user listens: it
// holds a lock beside the socket for its whole life, so a socket left by a crash is known to
// be stale and replaced, while a live one is never taken over. A second home screen started
// from the menu asks the running one, on the same socket, to bring its window forward.
class ReloadListener : public QObject
{
    Q_OBJECT

public:
    enum class Status { Listening, AlreadyRunning, Failed };

    // Requests arriving this soon after one another give a single reload.
    static constexpr int kCoalesceMs = 250;

    explicit ReloadListener(QString socketPath = WidgetReload::socketPath(), QObject *parent = nullptr);
    ~ReloadListener() override;

    // Takes the lock and binds the socket.
    Status listen();
    // Why listen() did not succeed.
    const QString &errorString() const { return m_error; }
    const QString &socketPath() const { return m_path; }

    // Asks the home screen listening at `socketPath` to bring its window forward, with the
    // activation token (or X11 startup id) the asker was started with. False when none
    // listens there.
    static bool requestActivation(const QString &token, const QString &socketPath = WidgetReload::socketPath());

Q_SIGNALS:
    void reloadRequested();
    // A second start wants the window; `token` lets it come forward (empty when none came).
    void activationRequested(const QString &token);

private:
    Status fail(const QString &what);
    void readPending();

    QString m_path;
    QString m_error;
    int m_lockFd = -1;
    int m_socketFd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QTimer m_coalesce;
};
