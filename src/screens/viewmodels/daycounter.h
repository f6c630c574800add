#pragma once

#include <QObject>
#include <QTimer>
#include <QVariant>
#include <QVariantMap>
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
    // The day an event counts to: a yearly event's next occurrence ("yyyy-MM-dd"), else its
    // own date. What getDayCount and getRightDateFormat are given for an event.
    Q_INVOKABLE QString countedDate(const QString &ddate, bool yearly) const;
    // Which occurrence a yearly event counts to ("10th year"); empty for any other event and
    // for a yearly one before its first anniversary.
    Q_INVOKABLE QString occurrenceText(const QString &ddate, bool yearly) const;
    // The date an event's page and row show: the short display date of the day it counts to,
    // for a yearly event with which occurrence it is ("1.May.27 · 11th year").
    Q_INVOKABLE QString eventDate(const QString &ddate, bool yearly) const;
    // An event's page said as one sentence, for assistive technology: "New Year, January 1,
    // 2027, 23 days left", "Together, day 1030 since February 14, 2024"; a yearly event's with
    // its next occurrence: "Mum, May 1, 2027, 143 days left, 11th year"; in a larger `unit`
    // ("weeks") the count in it: "Birth, May 1, 2027, 20 weeks, 3 days left".
    Q_INVOKABLE QString spokenPage(const QString &title, const QString &ddate, bool countdown, bool yearly = false,
                                   const QString &unit = QString()) const;
    // How a page or a row shows an event's count in its `unit`: {"number": the big number,
    // "beneath": its unit and the rest ("weeks · 3 days"), empty in days}. See CountSpans::shown.
    Q_INVOKABLE QVariantMap shownCount(const QString &ddate, bool countdown, bool yearly, const QString &unit) const;

Q_SIGNALS:
    void minuteChanged();

private:
    void scheduleNextTick();

    QTimer m_timer;
    qint64 m_minute = 0;
};
