#pragma once

#include <model/edate.h>

#include <QObject>
#include <QString>
#include <QtQml/qqml.h>

// One event as every screen sees it: the row of EventListModel for that event. A row stays
// the same object while its event lives, whatever changes or moves; when the event leaves
// the list (deleted here or elsewhere) the row says so with `gone` and keeps its last values,
// so a sheet still showing it can close in good order.
class EventRow : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Rows belong to an EventListModel")
    Q_PROPERTY(QString eventId READ eventId CONSTANT)
    Q_PROPERTY(int index READ index NOTIFY indexChanged)
    Q_PROPERTY(bool gone READ gone NOTIFY goneChanged)
    Q_PROPERTY(QString dateTitle READ dateTitle NOTIFY changed)
    Q_PROPERTY(QString ddate READ ddate NOTIFY changed)
    // An event without a direction counts down.
    Q_PROPERTY(bool countdown READ countdown NOTIFY changed)
    // Comes back every year (CalendarHelper.countedDate gives the day it counts to).
    Q_PROPERTY(bool yearly READ yearly NOTIFY changed)
    // The theme applied last; -1 for an event that never had one.
    Q_PROPERTY(qint64 themeId READ themeId NOTIFY changed)
    Q_PROPERTY(QString bgColor READ bgColor NOTIFY changed)
    Q_PROPERTY(QString fontColor READ fontColor NOTIFY changed)
    Q_PROPERTY(QString lineColor READ lineColor NOTIFY changed)
    Q_PROPERTY(QString circleColor READ circleColor NOTIFY changed)
    Q_PROPERTY(QString barType READ barType NOTIFY changed)
    Q_PROPERTY(QString barColor READ barColor NOTIFY changed)
    // The stored reminder option code; -1 when none was chosen.
    Q_PROPERTY(int reminderCode READ reminderCode NOTIFY changed)

public:
    EventRow(const EDate &event, int index, QObject *parent = nullptr);

    // The stored record (not `event`, which would hide QObject::event).
    const EDate &record() const { return m_event; }
    QString eventId() const { return m_event.id; }
    int index() const { return m_index; }
    bool gone() const { return m_gone; }
    QString dateTitle() const { return m_event.dateTitle; }
    QString ddate() const { return m_event.ddate; }
    bool countdown() const { return m_event.countdown.value_or(true); }
    bool yearly() const { return m_event.repeatsYearly(); }
    qint64 themeId() const { return m_event.colorIndex.value_or(-1); }
    QString bgColor() const { return m_event.bgColor; }
    QString fontColor() const { return m_event.fontColor; }
    QString lineColor() const { return m_event.lineColor; }
    QString circleColor() const { return m_event.circleColor; }
    QString barType() const { return m_event.barType; }
    QString barColor() const { return m_event.barColor; }
    int reminderCode() const { return m_event.repeatNotification ? int(*m_event.repeatNotification) : -1; }

    // The model's updates.
    void setEvent(const EDate &event);
    void setIndex(int index);
    void markGone();

Q_SIGNALS:
    void changed();
    void indexChanged();
    void goneChanged();

private:
    EDate m_event;
    int m_index = 0;
    bool m_gone = false;
};
