#include <support/testevents.h>
#include <sync/sortkeys.h>

#include <gtest/gtest.h>

#include <random>

namespace {

// Keys made between neighbours anywhere in a growing list, the ends and the same gap over
// and over included, are valid, new and in order.
TEST(SortKeys, AKeyFitsBetweenAnyTwo)
{
    std::mt19937 random(23);
    QStringList keys;
    for (int i = 0; i < 3000; ++i) {
        // every fourth goes to the front, to press one gap
        const qsizetype at = i % 4 == 0 ? 0 : qsizetype(random() % (keys.size() + 1));
        const QString before = at > 0 ? keys.at(at - 1) : QString();
        const QString after = at < keys.size() ? keys.at(at) : QString();
        const QString key = SortKeys::between(before, after);
        ASSERT_TRUE(SortKeys::isValid(key)) << key.toStdString();
        ASSERT_TRUE((before.isEmpty() || before < key) && (after.isEmpty() || key < after))
            << before.toStdString() << " < " << key.toStdString() << " < " << after.toStdString();
        keys.insert(at, key);
    }
    EXPECT_LE(keys.constFirst().size(), 200);
}

TEST(SortKeys, KeysThatGiveNoGapGiveAKeyAfterTheFirst)
{
    for (const auto &[before, after] : {std::pair("V", "V"), std::pair("b", "a"), std::pair("a", "not a key!")}) {
        const QString key = SortKeys::between(QLatin1String(before), QLatin1String(after));
        EXPECT_TRUE(SortKeys::isValid(key) && key > QLatin1String(before)) << before << " " << after;
    }
    for (const char *invalid : {"", "a0", "a-b", "ä"})
        EXPECT_FALSE(SortKeys::isValid(QString::fromUtf8(invalid))) << invalid;
}

TEST(SortKeys, KeyedEventsFirstThenByDayThenById)
{
    const auto event = [](int n, const char *day, const char *key) {
        return SyncedEvent{TestEvent::numbered(n).on(day), QLatin1String(key)};
    };
    QList<SyncedEvent> events{event(1, "2030-01-01", ""),    event(2, "2029-01-01", ""),  event(3, "2031-01-01", "b"),
                              event(4, "2030-01-01", "a0V"), event(5, "no day", ""),      event(6, "2029-06-01", "b"),
                              event(7, "2029-01-01", "bad key!"), event(0, "2030-01-01", "")};
    SortKeys::sort(events);
    QStringList order;
    for (const SyncedEvent &e : events)
        order.append(e.event.dateTitle);
    EXPECT_EQ(order, QStringList({"E4", "E6", "E3", "E2", "E7", "E0", "E1", "E5"}));
}

} // namespace
