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
    // The sample is made at the time of asking: one instant for every ask of a test.
    FixedClock clock{localTime(2026, 12, 8, 9, 30)};
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

TEST_F(ProviderTest, ARepeatedTitleShowsTheFirstEventWithIt)
{
    QList<WidgetContent> records = publishedRecords({"T", "U", "T"});
    records[2].ddate = QStringLiteral("2030-01-01");
    publishContents(records);
    EXPECT_EQ(timelineFor(Event("0", "T")), QList<WidgetContent>{records.at(0)});
}

TEST_F(ProviderTest, AnOldConfigurationWhoseTitleIsGoneShowsTheFirstEvent)
{
    const QList<WidgetContent> records = publishedRecords({"A", "D", "C"});
    publishContents(records);
    EXPECT_EQ(timelineFor(Event("1", "B")), QList<WidgetContent>{records.at(0)});
    // Titles match whole and with their case.
    EXPECT_EQ(titlesOf(timelineFor(Event("1", "a"))), QStringList{"A"});
    EXPECT_EQ(titlesOf(timelineFor(Event("1", "D "))), QStringList{"A"});
}

TEST_F(ProviderTest, AnEventTitledZeroChosenShowsItself)
{
    QList<WidgetContent> records = publishedRecords({"First", "0"});
    publishContents(records);
    EXPECT_EQ(timelineFor(Event("1", "0")), QList<WidgetContent>{records.at(1)});
    // A record whose id looks like a page number is not the event of that page.
    records[0].eventId = QStringLiteral("1");
    publishContents(records);
    EXPECT_EQ(timelineFor(Event("1", "0")), QList<WidgetContent>{records.at(1)});
}

namespace {

QList<WidgetContent> withIds(QList<WidgetContent> records)
{
    for (qsizetype i = 0; i < records.size(); ++i)
        records[i].eventId = QStringLiteral("00000000-0000-4000-8000-%1").arg(i, 12, 10, QLatin1Char('0'));
    return records;
}

} // namespace

TEST_F(ProviderTest, AWidgetFollowsItsEventThroughRenameMoveAndThemeChange)
{
    QList<WidgetContent> records = withIds(publishedRecords({"A", "B", "C"}));
    publishContents(records);
    const Event b(*records.at(1).eventId, QStringLiteral("B"));
    EXPECT_EQ(titlesOf(timelineFor(b)), QStringList{"B"});

    // Renamed, moved to the front and given another theme in the app.
    WidgetContent changed = records.at(1);
    changed.dateTitle = QStringLiteral("Us two");
    changed.bgColor = QStringLiteral("123456");
    changed.pageNumber = 0;
    publishContents({changed, records.at(0), records.at(2)});
    const Provider::Timeline timeline = provider.getTimeline(SelectEventIntent{b});
    EXPECT_EQ(timeline.entries, QList<WidgetContent>{changed});
    // The configuration takes the new title, so the menu shows the event by its name.
    ASSERT_TRUE(timeline.configuration && timeline.configuration->eventTitle);
    EXPECT_EQ(*timeline.configuration->eventTitle, Event(*changed.eventId, QStringLiteral("Us two")));
    // Nothing to take over once it is up to date.
    EXPECT_FALSE(provider.getTimeline(SelectEventIntent{Event(*changed.eventId, QStringLiteral("Us two"))}).configuration);
}

TEST_F(ProviderTest, ADeletedEventFallsBackToTheFirstAndIsNeverLookedForByTitle)
{
    const QList<WidgetContent> records = withIds(publishedRecords({"A", "B"}));
    publishContents(records);
    // Its id names no event any more; another event with its old title is not it either.
    const Event gone(QStringLiteral("11111111-2222-4333-8444-555555555555"), QStringLiteral("B"));
    const Provider::Timeline timeline = provider.getTimeline(SelectEventIntent{gone});
    EXPECT_EQ(timeline.entries, QList<WidgetContent>{records.at(0)});
    // The configuration stays: should the event come back, the widget shows it again.
    EXPECT_FALSE(timeline.configuration);
}

TEST_F(ProviderTest, AConfigurationSavedByTitleIsResolvedOnceAndThenKeptById)
{
    const QList<WidgetContent> records = withIds(publishedRecords({"A", "B"}));
    publishContents(records);
    // Saved before events had ids: the page number, and the title.
    const Provider::Timeline first = provider.getTimeline(SelectEventIntent{Event("0", "B")});
    EXPECT_EQ(titlesOf(first.entries), QStringList{"B"});
    ASSERT_TRUE(first.configuration && first.configuration->eventTitle);
    EXPECT_EQ(first.configuration->eventTitle->identifier(), records.at(1).eventId);

    // From then on the id decides: a rename does not lose the widget its event.
    WidgetContent renamed = records.at(1);
    renamed.dateTitle = QStringLiteral("Exam");
    publishContents({records.at(0), renamed});
    EXPECT_EQ(titlesOf(timelineFor(*first.configuration->eventTitle)), QStringList{"Exam"});
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
}

// A home screen runs for weeks: a sample made once would count down to "YAY!" and below.
TEST_F(ProviderTest, TheSampleStaysAMonthAheadWhileTheHomeScreenRuns)
{
    const QDateTime start = localTime(2026, 12, 8, 9, 30);
    EXPECT_EQ(CalendarHelper::getDayCount(provider.placeholder().ddate, true), QStringLiteral("31"));
    clock.set(start.addDays(40));
    EXPECT_EQ(provider.placeholder().ddate, QStringLiteral("2027-02-17"));
    EXPECT_EQ(CalendarHelper::getDayCount(provider.getSnapshot().ddate, true), QStringLiteral("31"));
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
