#pragma once

#include <QByteArray>
#include <QString>
#include <support/testenvironment.h>

// Sets (or, with a null value, unsets) an environment variable for the object's life.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char *name, const QByteArray &value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
    const char *m_name;
    bool m_set;
    QByteArray m_saved;
};

// The folder the fake widget plug-in is built into.
QString fakePluginDir();
