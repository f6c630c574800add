#include "testevents.h"

#include <platform/settingsstore.h>
#include <store/userdata.h>

#include <gtest/gtest.h>

TestEvent TestEvent::numbered(int n, QDate first)
{
    TestEvent event;
    event.m_event = EDate{first.addDays(n).toString(Qt::ISODate), 1, QStringLiteral("FFF4E0"), QStringLiteral("2B2D42"),
                          QStringLiteral("FF7580"), QStringLiteral("FFB4A2"), QStringLiteral("E%1").arg(n),
                          QStringLiteral("FlatBar"), QStringLiteral("FF7580"), false, std::nullopt, true,
                          QStringLiteral("00000000-0000-4000-8000-%1").arg(n, 12, 10, QLatin1Char('0'))};
    return event;
}

TestEvent TestEvent::from(const EDate &event)
{
    TestEvent made;
    made.m_event = event;
    return made;
}

TestEvent &TestEvent::titled(const QString &title)
{
    m_event.dateTitle = title;
    return *this;
}

TestEvent &TestEvent::on(const QString &ddate)
{
    m_event.ddate = ddate;
    return *this;
}

TestEvent &TestEvent::on(QDate day)
{
    return on(day.toString(Qt::ISODate));
}

TestEvent &TestEvent::withId(const QString &id)
{
    m_event.id = id;
    return *this;
}

TestEvent &TestEvent::counting(std::optional<bool> down)
{
    m_event.countdown = down;
    return *this;
}

TestEvent &TestEvent::yearly()
{
    m_event.repeat = QString::fromLatin1(EDate::kRepeatYearly);
    return *this;
}

TestEvent &TestEvent::countedIn(const QString &unit)
{
    m_event.countUnit = unit;
    return *this;
}

TestEvent &TestEvent::theme(std::optional<qint64> id)
{
    m_event.colorIndex = id;
    return *this;
}

TestEvent &TestEvent::colours(const QString &background, const QString &font, const QString &line,
                              const QString &circle, const QString &barType, const QString &barColor)
{
    m_event.bgColor = background;
    m_event.fontColor = font;
    m_event.lineColor = line;
    m_event.circleColor = circle;
    m_event.barType = barType;
    m_event.barColor = barColor;
    return *this;
}

TestEvent &TestEvent::reminder(std::optional<qint64> code)
{
    m_event.repeatNotification = code;
    return *this;
}

QList<EDate> numberedEvents(int count, QDate first)
{
    QList<EDate> events;
    for (int i = 0; i < count; ++i)
        events.append(TestEvent::numbered(i, first));
    return events;
}

void seedEvents(const QList<EDate> &events)
{
    ASSERT_TRUE(SettingsStore().setValue(UserData::kEventsKey, encodeEventList(events)));
}

QList<EDate> savedEvents()
{
    return decodeEventList(SettingsStore().value(UserData::kEventsKey).toByteArray()).value_or(QList<EDate>());
}
