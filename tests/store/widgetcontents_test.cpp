#include <platform/settingsstore.h>
#include <store/userdata.h>
#include <support/testenvironment.h>
#include <support/testevents.h>

#include <model/widgetcontent.h>
#include <platform/atomicfile.h>
#include <platform/clock.h>
#include <support/testenvironment.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

class Contents : public ::testing::Test
{
protected:
    TemporaryHome home;
    ScopedTimeZone zone{"Asia/Seoul"};
    FixedClock clock{QDateTime(QDate(2026, 12, 8), QTime(1, 2, 3, 500), QTimeZone::utc())};

    static QByteArray fileBytes()
    {
        QFile file(widgetContentsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(Contents, TheFileHoldsTheNineKeysAndTheIdPerEventInListOrder)
{
    QList<EDate> events = numberedEvents(3);
    events[1].countdown.reset();
    events[1].lineColor = QStringLiteral("123456");
    events[1].circleColor = QStringLiteral("ABCDEF");
    events[2].countdown = false;
    seedEvents(events);
    const UserData store;

    const QByteArray bytes = fileBytes();
    EXPECT_FALSE(bytes.contains('\n'));
    EXPECT_FALSE(bytes.contains(": "));
    const QJsonArray array = QJsonDocument::fromJson(bytes).array();
    ASSERT_EQ(array.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const QJsonObject object = array.at(i).toObject();
        EXPECT_EQ(object.keys(), (QStringList{"barType", "bgColor", "circleColor", "countdown", "date", "dateTitle",
                                              "ddate", "fontColor", "id", "pageNumber"}));
        EXPECT_EQ(object.value(QStringLiteral("id")).toString(), events[i].id);
        EXPECT_EQ(object.value(QStringLiteral("pageNumber")).toInt(), i);
        EXPECT_EQ(object.value(QStringLiteral("dateTitle")).toString(), events[i].dateTitle);
        // Seconds since 2001-01-01 00:00:00 UTC, with the fraction.
        EXPECT_DOUBLE_EQ(object.value(QStringLiteral("date")).toDouble(), 818384523.5);
    }
    EXPECT_EQ(array.at(1).toObject().value(QStringLiteral("circleColor")).toString(), QStringLiteral("123456"));
    EXPECT_TRUE(array.at(1).toObject().value(QStringLiteral("countdown")).toBool());
    EXPECT_FALSE(array.at(2).toObject().value(QStringLiteral("countdown")).toBool());
}

TEST_F(Contents, DeletingRenumbersThePages)
{
    seedEvents(numberedEvents(3));
    UserData store;
    store.deleteEvent(1);
    const auto records = decodeWidgetContents(fileBytes());
    ASSERT_TRUE(records.has_value());
    ASSERT_EQ(records->size(), 2);
    EXPECT_EQ(records->at(0).dateTitle, QStringLiteral("E0"));
    EXPECT_EQ(records->at(1).dateTitle, QStringLiteral("E2"));
    EXPECT_EQ(records->at(1).pageNumber, std::optional<qint64>(1));
}

TEST_F(Contents, ReadersAcceptMissingPagesAndRefuseIncompleteRecords)
{
    const QList<WidgetContent> records{WidgetContent::fromEvent(numberedEvents(1).at(0), Clock::now(), 0)};
    const auto roundTrip = decodeWidgetContents(encodeWidgetContents(records));
    ASSERT_TRUE(roundTrip.has_value());
    EXPECT_EQ(*roundTrip, records);

    const QByteArray noPages = R"([{"date":1.5,"ddate":"2024-05-01","bgColor":"a","fontColor":"b","circleColor":"c",
        "dateTitle":"T","countdown":true,"barType":"FlatBar"},{"date":0,"ddate":"x","bgColor":"a","fontColor":"b",
        "circleColor":"c","dateTitle":"U","countdown":false,"barType":"Box","pageNumber":null}])";
    const auto decoded = decodeWidgetContents(noPages);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_FALSE(decoded->at(0).pageNumber);
    EXPECT_FALSE(decoded->at(1).pageNumber);
    // Files written before events had ids have none; an id that is not text is no id.
    EXPECT_FALSE(decoded->at(0).eventId);
    EXPECT_FALSE(decodeWidgetContents(QByteArray(noPages).replace(R"("dateTitle":"T")", R"("dateTitle":"T","id":7)")));

    EXPECT_FALSE(decodeWidgetContents(QByteArray(noPages).replace(R"(,"barType":"Box")", "")));
    EXPECT_FALSE(decodeWidgetContents(QByteArray(noPages).replace(R"("countdown":true)", R"("countdown":"yes")")));
    EXPECT_FALSE(decodeWidgetContents("garbage"));
    EXPECT_EQ(decodeWidgetContents("[]"), QList<WidgetContent>());
}

TEST_F(Contents, AnEmptyListPublishesAnEmptyArray)
{
    seedEvents({});
    const UserData store;
    EXPECT_EQ(store.count(), 0);
    EXPECT_EQ(fileBytes(), QByteArray("[]"));
}

TEST_F(Contents, PublishingWhatTheFileAlreadySaysWritesNothingButAnythingElseIsReplaced)
{
    seedEvents(numberedEvents(3));
    UserData store;
    const QByteArray published = fileBytes();
    ASSERT_FALSE(published.isEmpty());

    quint64 before = AtomicFile::writeCount();
    store.writeWidgetContents();
    EXPECT_EQ(AtomicFile::writeCount(), before);
    EXPECT_EQ(fileBytes(), published);

    // Someone else's bytes, or none: published again.
    for (const QByteArray &other : {QByteArray("[]"), QByteArray("not json"), QByteArray()}) {
        QFile file(widgetContentsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(other);
        file.close();
        before = AtomicFile::writeCount();
        store.writeWidgetContents();
        EXPECT_EQ(AtomicFile::writeCount(), before + 1) << other.constData();
        EXPECT_EQ(fileBytes(), published);
    }
    QFile::remove(widgetContentsPath());
    store.writeWidgetContents();
    EXPECT_EQ(fileBytes(), published);
}

TEST_F(Contents, AYearlyEventsRecordCountsToItsNextOccurrenceAndSaysWhichItIs)
{
    QList<EDate> events = numberedEvents(2);
    events[0].ddate = QStringLiteral("2016-05-01");
    events[0].repeat = QLatin1String(EDate::kRepeatYearly);
    events[0].countUnit = QStringLiteral("weeks");
    seedEvents(events);
    const UserData store;

    const QJsonArray array = QJsonDocument::fromJson(fileBytes()).array();
    ASSERT_EQ(array.size(), 2);
    const QJsonObject yearly = array.at(0).toObject();
    // Today's widget reads "ddate" alone: it counts and shows the occurrence to come.
    EXPECT_EQ(yearly.value(QStringLiteral("ddate")).toString(), QStringLiteral("2027-05-01"));
    EXPECT_EQ(yearly.value(QStringLiteral("repeat")).toString(), QStringLiteral("yearly"));
    EXPECT_EQ(yearly.value(QStringLiteral("firstDate")).toString(), QStringLiteral("2016-05-01"));
    EXPECT_EQ(yearly.value(QStringLiteral("occurrence")).toInt(), 11);
    // A larger unit comes along; a record in days is as it always was.
    EXPECT_EQ(yearly.value(QStringLiteral("countUnit")).toString(), QStringLiteral("weeks"));
    EXPECT_EQ(array.at(1).toObject().keys().size(), 10);

    const auto records = decodeWidgetContents(fileBytes());
    ASSERT_TRUE(records.has_value());
    EXPECT_TRUE(records->at(0).repeatsYearly());
    EXPECT_EQ(records->at(0).occurrence, std::optional<qint64>(11));
    EXPECT_EQ(records->at(0).unit(), CountUnit::Weeks);
    EXPECT_EQ(records->at(1).unit(), CountUnit::Days);
    EXPECT_FALSE(records->at(1).repeatsYearly());
    EXPECT_FALSE(records->at(1).occurrence);
    EXPECT_FALSE(decodeWidgetContents(fileBytes().replace(R"("occurrence":11)", R"("occurrence":"11")")));
}
