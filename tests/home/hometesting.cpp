#include "hometesting.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

ScopedEnvironment::ScopedEnvironment(const char *name, const QByteArray &value)
    : m_name(name)
    , m_set(qEnvironmentVariableIsSet(name))
    , m_saved(qgetenv(name))
{
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}

ScopedEnvironment::~ScopedEnvironment()
{
    if (m_set)
        qputenv(m_name, m_saved);
    else
        qunsetenv(m_name);
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

QString fakePluginDir()
{
    return QStringLiteral(FAKE_WIDGETS_DIR);
}
