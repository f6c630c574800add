#pragma once

#include <QLocalServer>
#include <QTimer>
#include <QObject>
#include <QString>

// What a later start hands to the running app: its link (may be empty: just show the window)
// and what the desktop gave it to bring a window forward with (empty when it gave nothing).
struct Activation
{
    QString link;
    // Wayland's xdg-activation token (XDG_ACTIVATION_TOKEN) and X11's startup notification id
    // (DESKTOP_STARTUP_ID) of the start.
    QString activationToken;
    QString startupId;

    // The two the desktop put in this process's environment, read before anything (Qt's X11
    // plug-in takes DESKTOP_STARTUP_ID out of it) and with `link`.
    static Activation fromEnvironment(const QString &link);
    bool operator==(const Activation &) const = default;
};

// Keeps one running app per user. The first start listens on a socket in the user's runtime
// folder (reachable only by that user; a peer of another user is refused); a later start hands
// its link (or nothing) and its activation to the running one and exits. Both ends check that
// the other runs as the same user.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(QString socketPath = defaultSocketPath(), QObject *parent = nullptr);
    ~SingleInstance() override;

    static QString defaultSocketPath();

    // Hands `link` (may be empty: just show the window) to a running app. Returns true when
    // one is there, and this process should exit: it took the link, or refused one that is
    // not a single line of at most 64 KiB (never acted on cut short; a warning says so), or
    // has it waiting while it is too busy to answer.
    bool handOver(const QString &link);
    bool handOver(const Activation &activation);
    // Starts listening as the running app. Returns false when the socket cannot be made.
    bool listen();

    // Connections served at once; more are closed as they come, so that connections held
    // open cannot use up the app's descriptors.
    static constexpr int kMaxConnections = 16;
    // How long one connection may take to send its line before it is closed.
    static constexpr int kConnectionDeadlineMs = 3000;

Q_SIGNALS:
    // A later start asked to be shown, with its link (empty when it had none) and the token
    // its desktop gave it.
    void activated(const QString &link, const Activation &activation);

private:
    void acceptConnection();
    // Listens again when the server stopped (Qt stops it for good when an accept fails, as
    // it does once the process's descriptors ran out), unless another app took over.
    void keepListening();

    QString m_socketPath;
    QLocalServer m_server;
    QTimer m_watch;
    int m_connections = 0;
};
