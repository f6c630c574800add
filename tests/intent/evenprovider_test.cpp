#include "publishedcontents.h"

#include <intent/evenprovider.h>
#include <support/logcapture.h>
#include <support/testenvironment.h>

#include <QFile>
#include <gtest/gtest.h>

namespace {

class EvenProviderTest : public ::testing::Test
{
protected:
    TemporaryHome home;
};

bool anyLineContains(const QStringList &lines, const QString &text)
{
    return std::any_of(lines.begin(), lines.end(), [&](const QString &line) { return line.contains(text); });
}

} // namespace

TEST_F(EvenProviderTest, ListsThePublishedEventsInFileOrder)
{
    QList<WidgetContent> records = publishedRecords({"Trip", "Exam", "Trip"});
    records[1].pageNumber = 12;
    publishContents(records);

    const QList<EventDetails> details = EvenProvider::readContents();
    EXPECT_EQ(details, (QList<EventDetails>{{"0", "Trip"}, {"12", "Exam"}, {"2", "Trip"}}));
}

TEST_F(EvenProviderTest, ARecordWithoutAPageIsOnPageZero)
{
    publishRawContents(R"([{"date":1.5,"ddate":"2027-01-01","bgColor":"a","fontColor":"b","circleColor":"c",
        "dateTitle":"No page","countdown":true,"barType":"FlatBar"},{"date":2,"ddate":"2027-01-02","bgColor":"a",
        "fontColor":"b","circleColor":"c","dateTitle":"Null page","countdown":false,"barType":"Box","pageNumber":null}])");

    EXPECT_EQ(EvenProvider::readContents(), (QList<EventDetails>{{"0", "No page"}, {"0", "Null page"}}));
}

TEST_F(EvenProviderTest, NoFileMeansNoEventsAndNoComplaint)
{
    ASSERT_FALSE(QFile::exists(widgetContentsPath()));
    const LogCapture log;
    EXPECT_TRUE(EvenProvider::readContents().isEmpty());
    EXPECT_FALSE(anyLineContains(log.lines(), QStringLiteral("Error")));
}

TEST_F(EvenProviderTest, AnUnreadableFileIsTreatedAsMissing)
{
    publishContents(publishedRecords({"Trip"}));
    QFile::setPermissions(widgetContentsPath(), QFileDevice::Permissions());
    if (QFile(widgetContentsPath()).open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running with rights that read any file";
    const LogCapture log;
    EXPECT_TRUE(EvenProvider::readContents().isEmpty());
    EXPECT_FALSE(anyLineContains(log.lines(), QStringLiteral("Error")));
}

TEST_F(EvenProviderTest, AnUndecodableFileIsReportedAndGivesNoEvents)
{
    for (const QByteArray &bytes : {QByteArray("{not json"), QByteArray(),
                                    QByteArray(R"([{"date":1,"ddate":"x","bgColor":"a","fontColor":"b",
                                        "circleColor":"c","countdown":true,"barType":"FlatBar"}])")}) {
        publishRawContents(bytes);
        const LogCapture log;
        EXPECT_TRUE(EvenProvider::readContents().isEmpty()) << bytes.constData();
        EXPECT_TRUE(log.lines().contains(QStringLiteral("tallowick.intent: Error: Can't decode contents")))
            << log.lines().join(QLatin1Char('\n')).toStdString();
    }
}

TEST_F(EvenProviderTest, ReadingIsLoggedWithTheRecords)
{
    publishContents(publishedRecords({"Trip"}));
    const LogCapture log;
    EvenProvider::readContents();
    const QStringList &lines = log.lines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines.at(0).startsWith(QStringLiteral("tallowick.intent: readContents [")));
    EXPECT_TRUE(lines.at(1).startsWith(QStringLiteral("tallowick.intent: allEvents === [")));
    EXPECT_TRUE(lines.at(1).contains(QStringLiteral("dateTitle: \"Trip\"")));
}
