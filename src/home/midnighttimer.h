#pragma once

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QTimer>

// Signals when a new local day begins, by the shared Clock in the process's time zone. It
// watches the calendar day rather than an instant, so a clock or zone change that lands on
// another day counts as a new day too.
class MidnightTimer : public QObject
{
    Q_OBJECT

public:
    explicit MidnightTimer(QObject *parent = nullptr);

    // The first moment of the local day after the one `now` falls on: midnight, or the first
    // time that exists where a clock change skips midnight.
    static QDateTime nextMidnightAfter(const QDateTime &now);

    // Takes today as the current day and waits for the next one.
    void start();
    void stop();
    // The midnight it waits for; invalid while stopped.
    QDateTime nextFire() const { return m_nextFire; }

    // Signals midnight() if the day has changed since the last signal (or start), then waits
    // for the next midnight. Called by its timer, and by anyone who knows the clock moved;
    // does nothing while stopped.
    void poll();

Q_SIGNALS:
    void midnight();

private:
    void arm();

    QTimer m_timer;
    QDate m_day;
    QDateTime m_nextFire;
};
