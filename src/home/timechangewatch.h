#pragma once

#include <QElapsedTimer>
#include <QString>

// Notices a new time zone (TZ, or the system zone file when TZ is unset) and a wall clock
// that was set or jumped (a suspend, a manual change), by comparing with what it saw last.
class TimeChangeWatch
{
public:
    explicit TimeChangeWatch(QString zoneFile = QStringLiteral("/etc/localtime"));

    // Takes the present zone and clock as what later checks compare with.
    void reset();
    // True when the zone changed, or the wall clock moved more than the time that passed
    // (give or take half a minute), since the last check or reset. Takes a new baseline.
    bool check();

private:
    QString zoneSignature() const;

    QString m_zoneFile;
    QString m_zone;
    qint64 m_wallMs = 0;
    QElapsedTimer m_elapsed;
};
