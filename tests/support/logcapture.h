#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects the log lines ("category: message") written while it lives, the diagnostics that
// are off by default included.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    const QStringList &lines() const;

private:
    QtMessageHandler m_previous;
};
