#include "storetesting.h"

#include <QDate>
#include <gtest/gtest.h>

QList<EDate> numberedEvents(int count)
{
    QList<EDate> events;
    for (int i = 0; i < count; ++i) {
        events.append(EDate{QDate(2030, 1, 1).addDays(i).toString(Qt::ISODate), 1, QStringLiteral("FFF4E0"),
                            QStringLiteral("2B2D42"), QStringLiteral("FF7580"), QStringLiteral("FFB4A2"),
                            QStringLiteral("E%1").arg(i), QStringLiteral("FlatBar"), QStringLiteral("FF7580"), false,
                            std::nullopt, true, QStringLiteral("00000000-0000-4000-8000-%1").arg(i, 12, 10, QLatin1Char('0'))});
    }
    return events;
}

void seedSavedEvents(const QList<EDate> &events)
{
    ASSERT_TRUE(SettingsStore().setValue(UserData::kEventsKey, encodeEventList(events)));
}

QList<EDate> savedEvents()
{
    return decodeEventList(SettingsStore().value(UserData::kEventsKey).toByteArray()).value_or(QList<EDate>());
}
