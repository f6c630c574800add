#include "testenvironment.h"

#include <platform/clock.h>
#include <platform/localization.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <QFile>
#include <QThread>

#include <ctime>
#include <sys/stat.h>

namespace {

const char *const kXdgNames[3] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"};

void applyTimeZone(const QByteArray &zone)
{
    if (zone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
    tzset();
}

} // namespace

TemporaryHome::TemporaryHome()
{
    const QString paths[3] = {configHome(), dataHome(), runtimeDir()};
    for (int i = 0; i < 3; ++i) {
        m_saved[i] = qgetenv(kXdgNames[i]);
        QDir().mkpath(paths[i]);
        QFile::setPermissions(paths[i], QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(kXdgNames[i], paths[i].toUtf8());
    }
}

TemporaryHome::~TemporaryHome()
{
    for (int i = 0; i < 3; ++i)
        qputenv(kXdgNames[i], m_saved[i]);
}

ScopedTimeZone::ScopedTimeZone(const char *zone)
    : m_saved(qEnvironmentVariableIsSet("TZ") ? qgetenv("TZ") : QByteArray())
{
    applyTimeZone(QByteArray(zone));
}

ScopedTimeZone::~ScopedTimeZone()
{
    applyTimeZone(m_saved);
}

ScopedLocale::ScopedLocale(const QString &name)
    : m_saved(Localization::localeName())
{
    Localization::setCurrentLocale(name);
}

ScopedLocale::~ScopedLocale()
{
    Localization::setCurrentLocale(m_saved);
}

QDateTime localTime(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

FixedClock::FixedClock(const QDateTime &instant)
{
    Clock::setFixed(instant);
}

FixedClock::~FixedClock()
{
    Clock::useSystemTime();
}

void FixedClock::set(const QDateTime &instant)
{
    Clock::setFixed(instant);
}

void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

int permissionBits(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 0777);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}
