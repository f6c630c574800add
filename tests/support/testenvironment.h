#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <ostream>

// Points XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_RUNTIME_DIR at a fresh temporary folder for
// the object's life, so a test never meets another test's files (or the person's own).
class TemporaryHome
{
public:
    TemporaryHome();
    ~TemporaryHome();
    TemporaryHome(const TemporaryHome &) = delete;
    TemporaryHome &operator=(const TemporaryHome &) = delete;

    QString root() const { return m_dir.path(); }
    QString configHome() const { return root() + QStringLiteral("/config"); }
    QString dataHome() const { return root() + QStringLiteral("/data"); }
    QString runtimeDir() const { return root() + QStringLiteral("/runtime"); }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved[3];
};

// Sets the process's time zone (TZ) for the object's life.
class ScopedTimeZone
{
public:
    explicit ScopedTimeZone(const char *zone);
    ~ScopedTimeZone();

private:
    QByteArray m_saved;
};

// Sets the process's locale (ICU and Qt, and the translation table) for the object's life.
class ScopedLocale
{
public:
    explicit ScopedLocale(const QString &name);
    ~ScopedLocale();

private:
    QString m_saved;
};

// A local wall-clock time in the process's time zone.
QDateTime localTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// Fixes the shared clock at a local time for the object's life.
class FixedClock
{
public:
    explicit FixedClock(const QDateTime &instant);
    ~FixedClock();
    void set(const QDateTime &instant);
};

// Readable QString values in test failure messages.
void PrintTo(const QString &text, std::ostream *os);

// The permission bits (0777) of a file or folder; -1 when it does not exist.
int permissionBits(const QString &path);

// The whole content of a file; empty when it cannot be read.
QByteArray readFile(const QString &path);
// Writes a file as a test fixture (creating its folder), failing the test when it cannot.
void writeFile(const QString &path, const QByteArray &bytes);

// Runs the event loop until `done` holds or `timeoutMs` passed; returns whether it holds.
// The timeout is only an upper bound for a failing test, never a measure of speed.
bool waitUntil(const std::function<bool()> &done, int timeoutMs = 10000);

// The titles, in order, of events or of widget records.
template <typename Record>
QStringList titlesOf(const QList<Record> &records)
{
    QStringList titles;
    for (const Record &record : records)
        titles.append(record.dateTitle);
    return titles;
}
