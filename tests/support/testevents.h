#pragma once

#include <model/edate.h>

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// Events for tests, made one way: a complete, valid record (a count-down event in the plain
// theme 1's colours, with its own id) changed by what a test is about, e.g.
//     EDate trip = TestEvent::numbered(2).titled("Trip").on("2027-05-01").yearly();
class TestEvent
{
public:
    // "E<n>", n days after `first`, with an id made from n (the same n, the same id).
    static TestEvent numbered(int n, QDate first = QDate(2030, 1, 1));
    // Another test event, or one of the app's own, to change.
    static TestEvent from(const EDate &event);

    TestEvent &titled(const QString &title);
    TestEvent &on(const QString &ddate);
    TestEvent &on(QDate day);
    TestEvent &withId(const QString &id);
    // Counting down (true), up (false), or without a stored direction.
    TestEvent &counting(std::optional<bool> down);
    TestEvent &yearly();
    TestEvent &countedIn(const QString &unit);
    // The theme's id as stored; the colours stay as they are unless `colours` changes them.
    TestEvent &theme(std::optional<qint64> id);
    TestEvent &colours(const QString &background, const QString &font, const QString &line, const QString &circle,
                       const QString &barType, const QString &barColor);
    TestEvent &reminder(std::optional<qint64> code);

    EDate record() const { return m_event; }
    operator EDate() const { return m_event; }

private:
    EDate m_event;
};

// `count` numbered events ("E0", "E1", ...) a day apart from `first`.
QList<EDate> numberedEvents(int count, QDate first = QDate(2030, 1, 1));

// Saves `events` as the list every program finds at its next start.
void seedEvents(const QList<EDate> &events);
// The list as saved on disk right now (empty when there is none or it does not decode).
QList<EDate> savedEvents();
