#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

// A Radicale of its own for a test: a throwaway folder, users "alice" (password "alicepw")
// and "bob" ("bobpw") each owning only their own calendars, on a free loopback port, stopped
// when the object goes.
class RadicaleServer
{
public:
    // Whether Debian's radicale is there to start (Debian's python, not whichever is first on PATH).
    static bool installed();

    RadicaleServer();
    ~RadicaleServer();
    RadicaleServer(const RadicaleServer &) = delete;
    RadicaleServer &operator=(const RadicaleServer &) = delete;

    // Empty when the server answers; otherwise why it does not.
    QString failure() const { return m_failure; }
    QUrl root() const { return m_root; }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QUrl m_root;
    QString m_failure;
};
