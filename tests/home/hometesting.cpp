#include "hometesting.h"

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

QString fakePluginDir()
{
    return QStringLiteral(FAKE_WIDGETS_DIR);
}
