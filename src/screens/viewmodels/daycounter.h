#pragma once

#include <QObject>
#include <QTimer>
#include <QVariant>
#include <QtQml/qqml.h>

// Day counts and display dates for the screens. `minute` changes at every turn of the
// minute, so a binding that reads it is re-evaluated and a count is never stale:
//   text: CalendarHelper.minute, CalendarHelper.getDayCount(ddate, countdown)
class DayCounter : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(CalendarHelper)
    QML_SINGLETON
    Q_PROPERTY(qint64 minute READ minute NOTIFY minuteChanged)

public:
    explicit DayCounter(QObject *parent = nullptr);

    qint64 minute() const { return m_minute; }

    // The circle's text for a stored date; `countdown` may be undefined (counts down).
    Q_INVOKABLE QString getDayCount(const QString &ddate, const QVariant &countdown) const;
    // The short display date in the user's language.
    Q_INVOKABLE QString getRightDateFormat(const QString &ddate) const;
    // An event's page said as one sentence, for assistive technology: "New Year, January 1,
    // 2027, 23 days left", "Together, day 1030 since February 14, 2024".
    Q_INVOKABLE QString spokenPage(const QString &title, const QString &ddate, bool countdown) const;

Q_SIGNALS:
    void minuteChanged();

private:
    void scheduleNextTick();

    QTimer m_timer;
    qint64 m_minute = 0;
};
