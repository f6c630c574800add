#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <support/testenvironment.h>

#include <memory>

// Tallowick's programs, run as separate processes on this test's files: the XDG folders of
// the test's TemporaryHome, no display, no session bus, and one fixed clock for every process.

namespace Programs {

QString app();      // tallowick
QString cli();      // tallowick-cli
QString home();     // tallowick-home
QString saveLoop(); // the tests' own program that saves until it is killed

// The environment every program of a test runs in.
QProcessEnvironment environment();
// The arguments with the clock fixed at `now` (--now), for every program but the save loop.
QStringList withClock(const QString &program, const QStringList &arguments, const QDateTime &now);

struct Run
{
    bool finished = false;
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs a program to its end (at most `timeoutMs`).
Run run(const QString &program, const QStringList &arguments, const QDateTime &now, int timeoutMs = 30000);

// A program that runs until the test stops it (SIGTERM, then SIGKILL when it will not end).
// What it prints goes to a file, so it never waits on a full pipe while the test is busy.
class Running
{
public:
    Running(const QString &program, const QStringList &arguments, const QDateTime &now);
    ~Running();
    Running(const Running &) = delete;
    Running &operator=(const Running &) = delete;

    QProcess &process() { return m_process; }
    void stop();
    // Everything it printed so far (stdout and stderr together).
    QByteArray output();

private:
    QTemporaryDir m_logFolder;
    QProcess m_process;
};

} // namespace Programs
