#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

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

// Runs the event loop until `done` holds or `timeoutMs` passed; returns whether it holds.
// The timeout is only an upper bound for a failing test, never a measure of speed.
bool waitUntil(const std::function<bool()> &done, int timeoutMs = 10000);

// The folder the fake widget plug-in is built into.
QString fakePluginDir();
