#include "publishedcontents.h"

#include <support/logcapture.h>
#include <support/testenvironment.h>
#include <model/calendarhelper.h>
#include <widgets/provider.h>

#include <QFile>
#include <gtest/gtest.h>

namespace {

class ProviderTest : public ::testing::Test
{
protected:
    TemporaryHome home;
    Provider provider;

    QList<WidgetContent> timelineFor(const std::optional<Event> &chosen) const
    {
        return provider.getTimeline(SelectEventIntent{chosen}).entries;
    }
};

} // namespace

TEST_F(ProviderTest, UnconfiguredShowsTheFirstPublishedEvent)
{
    const QList<WidgetContent> records = publishedRecords({"A", "B", "C"});
    publishContents(records);
    EXPECT_EQ(timelineFor(std::nullopt), QList<WidgetContent>{records.at(0)});
}

TEST_F(ProviderTest, ConfiguredShowsTheEventWithTheChosenTitle)
{
    const QList<WidgetContent> records = publishedRecords({"A", "B", "C"});
    publishContents(records);
    const QList<WidgetContent> entries = timelineFor(Event("1", "B"));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.at(0), records.at(1));
    EXPECT_EQ(entries.at(0).pageNumber, std::optional<qint64>(1));
}

TEST_F(ProviderTest, TheTitleDecidesNotTheIdentifier)
{
    // The app reordered its events after the widget was configured: B moved to page 0.
    publishContents(publishedRecords({"B", "A"}));
    EXPECT_EQ(titlesOf(timelineFor(Event("1", "B"))), QStringList{"B"});
    EXPECT_EQ(timelineFor(Event("1", "B")).at(0).pageNumber, std::optional<qint64>(0));
}

TEST_F(ProviderTest, RepeatedTitlesGiveOneEntryEachInFileOrder)
{
    QList<WidgetContent> records = publishedRecords({"T", "U", "T"});
    records[2].ddate = QStringLiteral("2030-01-01");
    publishContents(records);
    EXPECT_EQ(timelineFor(Event("0", "T")), (QList<WidgetContent>{records.at(0), records.at(2)}));
}

TEST_F(ProviderTest, ARetitledOrDeletedEventLeavesTheTimelineEmpty)
{
    publishContents(publishedRecords({"A", "D", "C"}));
    EXPECT_TRUE(timelineFor(Event("1", "B")).isEmpty());
    // Titles match whole and with their case.
    EXPECT_TRUE(timelineFor(Event("1", "a")).isEmpty());
    EXPECT_TRUE(timelineFor(Event("1", "A ")).isEmpty());
}

TEST_F(ProviderTest, AnEventTitledZeroShowsLikeAnUnconfiguredWidget)
{
    const QList<WidgetContent> records = publishedRecords({"First", "0"});
    publishContents(records);
    EXPECT_EQ(timelineFor(Event("1", "0")), QList<WidgetContent>{records.at(0)});
}

TEST_F(ProviderTest, UnconfiguredWithNothingPublishedShowsTheSample)
{
    struct Case
    {
        const char *name;
        std::optional<QByteArray> file;
    };
    const Case cases[] = {{"missing", std::nullopt}, {"empty list", QByteArray("[]")}, {"corrupt", QByteArray("[{")}};
    for (const Case &c : cases) {
        TemporaryHome fresh;
        if (c.file)
            publishRawContents(*c.file);
        EXPECT_EQ(timelineFor(std::nullopt), QList<WidgetContent>{Provider::defaultEntry()}) << c.name;
        // A configured widget has no use for a sample of some other event.
        EXPECT_TRUE(timelineFor(Event("0", "A")).isEmpty()) << c.name;
    }
}

TEST_F(ProviderTest, AnUndecodableFileIsReported)
{
    publishRawContents(R"([{"date":1,"ddate":"2027-01-01","bgColor":"a","fontColor":"b","circleColor":"c",
        "countdown":true,"barType":"FlatBar","pageNumber":0}])");
    const LogCapture log;
    EXPECT_TRUE(timelineFor(Event("0", "A")).isEmpty());
    EXPECT_TRUE(log.lines().contains(QStringLiteral("tallowick.widgets: Error: Can't decode contents")));
}

TEST_F(ProviderTest, AMissingFileIsNoError)
{
    const LogCapture log;
    timelineFor(Event("0", "A"));
    for (const QString &line : log.lines())
        EXPECT_FALSE(line.contains(QStringLiteral("Error"))) << line.toStdString();
}

TEST_F(ProviderTest, TimelinesAskAgainWhenTheirLastEntryIsDue)
{
    publishContents(publishedRecords({"A"}));
    EXPECT_EQ(provider.getTimeline(SelectEventIntent{}).policy, WidgetTimeline::ReloadPolicy::AtEnd);
    EXPECT_EQ(provider.getTimeline(SelectEventIntent{Event("3", "nothing")}).policy,
              WidgetTimeline::ReloadPolicy::AtEnd);
}

TEST_F(ProviderTest, EveryTimelineReadsTheFileAfresh)
{
    publishContents(publishedRecords({"A"}));
    EXPECT_EQ(titlesOf(timelineFor(std::nullopt)), QStringList{"A"});
    publishContents(publishedRecords({"New", "A"}));
    EXPECT_EQ(titlesOf(timelineFor(std::nullopt)), QStringList{"New"});
}

TEST_F(ProviderTest, PlaceholderAndSnapshotShowTheSampleWithoutReadingTheFile)
{
    publishRawContents("[{");
    const LogCapture log;
    EXPECT_EQ(provider.placeholder(), Provider::defaultEntry());
    EXPECT_EQ(provider.getSnapshot(), Provider::defaultEntry());
    EXPECT_TRUE(log.lines().isEmpty()) << log.lines().join(QLatin1Char('\n')).toStdString();

    publishContents(publishedRecords({"A"}));
    EXPECT_EQ(provider.getSnapshot(), Provider::defaultEntry());
    // Made once: later requests give the very same entry, instant included.
    EXPECT_EQ(&Provider::defaultEntry(), &Provider::defaultEntry());
}

TEST(DefaultEntry, IsAnEventAMonthAheadInTheSampleLook)
{
    ScopedTimeZone zone{"Asia/Seoul"};
    ScopedLocale locale{QStringLiteral("en_US")};
    const QDateTime now = localTime(2026, 12, 8, 9, 30);
    FixedClock clock{now};
    const WidgetContent entry = Provider::makeDefaultEntry(now);
    EXPECT_EQ(entry.date, now);
    EXPECT_EQ(entry.ddate, QStringLiteral("2027-01-08"));
    // A sample a month ahead counts the month, not "YAY!".
    EXPECT_EQ(CalendarHelper::getDayCount(entry.ddate, entry.countdown), QStringLiteral("31"));
    EXPECT_EQ(entry.bgColor, QStringLiteral("FF7580"));
    EXPECT_EQ(entry.fontColor, QStringLiteral("F7EDCC"));
    EXPECT_EQ(entry.circleColor, QStringLiteral("FFECAF"));
    EXPECT_EQ(entry.dateTitle, QStringLiteral("Your Event Title"));
    EXPECT_TRUE(entry.countdown);
    EXPECT_EQ(entry.barType, QStringLiteral("ThereelineBar"));
    EXPECT_EQ(entry.pageNumber, std::optional<qint64>(0));

    const WidgetContent shared = Provider::defaultEntry();
    EXPECT_EQ(shared.dateTitle, entry.dateTitle);
    EXPECT_EQ(shared.barType, entry.barType);
}

TEST(DefaultEntry, CountsTheMonthOnTheLocalCalendar)
{
    ScopedTimeZone zone{"Asia/Seoul"};
    ScopedLocale locale{QStringLiteral("en_US")};
    // Early morning in Seoul is still the day before in UTC.
    EXPECT_EQ(Provider::makeDefaultEntry(localTime(2026, 12, 8, 5, 0)).ddate, QStringLiteral("2027-01-08"));
    EXPECT_EQ(Provider::makeDefaultEntry(localTime(2026, 12, 8, 23, 59)).ddate, QStringLiteral("2027-01-08"));
    // A day the next month lacks becomes its last day.
    EXPECT_EQ(Provider::makeDefaultEntry(localTime(2027, 1, 31, 10, 0)).ddate, QStringLiteral("2027-02-28"));
    EXPECT_EQ(Provider::makeDefaultEntry(localTime(2028, 1, 30, 10, 0)).ddate, QStringLiteral("2028-02-29"));
}

TEST(DefaultEntry, IsShownInTheLanguageOfTheLocale)
{
    ScopedTimeZone zone{"Asia/Seoul"};
    ScopedLocale locale{QStringLiteral("ko_KR")};
    const WidgetContent entry = Provider::makeDefaultEntry(localTime(2026, 12, 8, 9, 0));
    EXPECT_EQ(CalendarHelper::getRightDateFormat(entry.ddate), QStringLiteral("2027년 1월 8일"));
}
