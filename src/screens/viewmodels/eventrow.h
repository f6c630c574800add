#pragma once

#include <model/edate.h>

#include <QObject>
#include <QString>
#include <QVariantMap>
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
    // The event itself, as one value: every field of the stored record under its own key
    // (an absent optional field is absent here too), with the two answers the screens need
    // made once in C++: "countdown" (an event without a direction counts down), "yearly"
    // (it comes back every year; CalendarHelper.countedDate gives the day it counts to) and
    // "unit" (the unit its count is shown in: "days", "weeks", "months" or "years").
    Q_PROPERTY(QVariantMap record READ recordView NOTIFY changed)

public:
    EventRow(const EDate &event, int index, QObject *parent = nullptr);

    // The stored record (not `event`, which would hide QObject::event).
    const EDate &record() const { return m_event; }
    QString eventId() const { return m_event.id; }
    int index() const { return m_index; }
    bool gone() const { return m_gone; }
    QVariantMap recordView() const;

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
