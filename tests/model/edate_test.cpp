#include <model/edate.h>
#include <platform/plistcodec.h>

#include <QHash>
#include <QSet>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

EDate sampleEvent()
{
    return EDate{QStringLiteral("2026-12-24"), 1003, QStringLiteral("FFE3E3"), QStringLiteral("8C1C3A"),
                 QStringLiteral("E5566F"),     QStringLiteral("FF9AA2"), QStringLiteral("Trip ✈️"),
                 QStringLiteral("Love"),       QStringLiteral("FFDE74"), false, 3, true,
                 QStringLiteral("0B9E4D7A-2C61-4F08-A3D2-5E8B7C6A9D02")};
}

EDate withoutOptionals()
{
    EDate event = sampleEvent();
    event.colorIndex.reset();
    event.repeatNotification.reset();
    event.countdown.reset();
    return event;
}

} // namespace

TEST(EDateCoding, OptionalFieldsAreLeftOutWhenAbsentAndRoundTrip)
{
    const EDate event = withoutOptionals();
    const QVariantMap keyed = event.toKeyed();
    EXPECT_EQ(keyed.size(), 10);
    EXPECT_FALSE(keyed.contains(QStringLiteral("colorIndex")));
    EXPECT_FALSE(keyed.contains(QStringLiteral("countdown")));
    EXPECT_EQ(EDate::fromKeyed(keyed), event);
    EXPECT_EQ(EDate::fromJson(event.toJson()), event);
}

TEST(EDateCoding, AllThirteenKeysRoundTripThroughJsonAndBinaryPlist)
{
    const EDate event = sampleEvent();
    EXPECT_EQ(event.toKeyed().size(), 13);
    const QByteArray json = QJsonDocument(event.toJson()).toJson(QJsonDocument::Compact);
    EXPECT_EQ(EDate::fromJson(QJsonDocument::fromJson(json).object()), event);

    const QByteArray plist = encodeEventList({event, withoutOptionals()});
    ASSERT_TRUE(plist.startsWith("bplist00"));
    const auto decoded = decodeEventList(plist);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, (QList<EDate>{event, withoutOptionals()}));
}

TEST(EDateCoding, ZeroAndNegativeOptionalIntegersArePresentValues)
{
    EDate event = sampleEvent();
    event.repeatNotification = 0;
    event.colorIndex = -7;
    const auto decoded = decodeEventList(encodeEventList({event}));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->at(0).repeatNotification, std::optional<qint64>(0));
    EXPECT_EQ(decoded->at(0).colorIndex, std::optional<qint64>(-7));
}

TEST(EDateDecoding, MissingOrMistypedRequiredKeyFails)
{
    const QVariantMap keyed = sampleEvent().toKeyed();
    for (const char *key : {"ddate", "bgColor", "fontColor", "lineColor", "circleColor", "dateTitle", "barType",
                            "barColor", "notification", "id"}) {
        QVariantMap missing = keyed;
        missing.remove(QLatin1String(key));
        EXPECT_FALSE(EDate::fromKeyed(missing)) << key;
        QVariantMap mistyped = keyed;
        mistyped.insert(QLatin1String(key), QVariant::fromValue<qlonglong>(5));
        EXPECT_FALSE(EDate::fromKeyed(mistyped)) << key;
    }
}

TEST(EDateDecoding, OptionalKeysMayBeNullButNotMistyped)
{
    const auto decoded = EDate::fromJson(QJsonDocument::fromJson(R"({"ddate":"2024-05-01","bgColor":"a",
        "fontColor":"b","lineColor":"c","circleColor":"d","dateTitle":"","barType":"FlatBar","barColor":"e",
        "notification":true,"id":"X","colorIndex":null,"countdown":null,"repeatNotification":null,"extra":[1]})")
                                             .object());
    ASSERT_TRUE(decoded.has_value());
    EXPECT_FALSE(decoded->colorIndex);
    EXPECT_FALSE(decoded->countdown);
    EXPECT_TRUE(decoded->notification);

    QVariantMap keyed = sampleEvent().toKeyed();
    keyed.insert(QStringLiteral("countdown"), QStringLiteral("true"));
    EXPECT_FALSE(EDate::fromKeyed(keyed));
    keyed = sampleEvent().toKeyed();
    keyed.insert(QStringLiteral("colorIndex"), 2.5);
    EXPECT_FALSE(EDate::fromKeyed(keyed));
    keyed.insert(QStringLiteral("colorIndex"), 2.0); // a JSON number without fraction is an integer
    EXPECT_EQ(EDate::fromKeyed(keyed)->colorIndex, std::optional<qint64>(2));
}

TEST(EDateDecoding, OneBadRecordFailsTheWholeList)
{
    QVariantList list{sampleEvent().toKeyed(), sampleEvent().toKeyed()};
    QVariantMap broken = list[1].toMap();
    broken.remove(QStringLiteral("barColor"));
    list[1] = broken;
    EXPECT_FALSE(decodeEventList(PlistCodec::toBinary(list)));
    EXPECT_FALSE(decodeEventList(PlistCodec::toBinary(QVariantMap{})));
    EXPECT_FALSE(decodeEventList(QByteArray("not a plist")));
    EXPECT_FALSE(decodeEventListJson(QByteArray("[1]")));
}

TEST(EDateEquality, IsStructuralOverAllFieldsWithCanonicalText)
{
    const EDate a = sampleEvent();
    EDate b = a;
    b.dateTitle = QStringLiteral("Other");
    EXPECT_NE(a, b);
    b = a;
    b.id = QStringLiteral("11111111-2C61-4F08-A3D2-5E8B7C6A9D02");
    EXPECT_NE(a, b);
    b = a;
    b.repeatNotification.reset();
    EXPECT_NE(a, b);

    // "é" precomposed and as e + combining accent are the same text.
    EDate composed = a;
    composed.dateTitle = QString::fromUtf8("Caf\u00e9");
    EDate decomposed = a;
    decomposed.dateTitle = QString::fromUtf8("Cafe\u0301");
    EXPECT_EQ(composed, decomposed);
    EXPECT_EQ(qHash(composed), qHash(decomposed));
    EXPECT_NE(qHash(a), qHash(b));
}

TEST(EDateHashing, AbsentAndPresentOptionalsHashDifferently)
{
    EDate zero = sampleEvent();
    zero.repeatNotification = 0;
    EDate absent = sampleEvent();
    absent.repeatNotification.reset();
    EXPECT_NE(qHash(zero), qHash(absent));
    QSet<EDate> set{zero, absent, zero};
    EXPECT_EQ(set.size(), 2);
}

TEST(EDateRepeat, TheKeyIsWrittenOnlyForRepeatingEventsAndRoundTrips)
{
    EXPECT_FALSE(sampleEvent().toKeyed().contains(QStringLiteral("repeat")));
    EDate yearly = sampleEvent();
    yearly.repeat = QLatin1String(EDate::kRepeatYearly);
    const QVariantMap keyed = yearly.toKeyed();
    EXPECT_EQ(keyed.size(), 14);
    EXPECT_EQ(keyed.value(QStringLiteral("repeat")), QVariant(QStringLiteral("yearly")));
    EXPECT_TRUE(yearly.repeatsYearly());
    EXPECT_NE(yearly, sampleEvent());
    EXPECT_NE(qHash(yearly), qHash(sampleEvent()));

    const auto decoded = decodeEventList(encodeEventList({yearly, sampleEvent()}));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, (QList<EDate>{yearly, sampleEvent()}));
    EXPECT_EQ(EDate::fromJson(yearly.toJson()), yearly);

    // A count-up event counts from its one day, whatever it carries.
    yearly.countdown = false;
    EXPECT_FALSE(yearly.repeatsYearly());
}

TEST(EDateRepeat, ReadersIgnoreKeysTheyDoNotKnowAndKeepKindsTheyDoNotKnow)
{
    // A list as a later version might write it: a repeating event with keys this one does not
    // know, in both the settings file's binary property list and JSON.
    QVariantMap later = sampleEvent().toKeyed();
    later.insert(QStringLiteral("repeat"), QStringLiteral("yearly"));
    later.insert(QStringLiteral("repeatEnds"), QStringLiteral("2040-01-01"));
    later.insert(QStringLiteral("tags"), QVariantList{QStringLiteral("family")});
    const auto fromPlist = decodeEventList(PlistCodec::toBinary(QVariantList{later, sampleEvent().toKeyed()}));
    ASSERT_TRUE(fromPlist.has_value());
    ASSERT_EQ(fromPlist->size(), 2);
    EXPECT_TRUE(fromPlist->at(0).repeatsYearly());
    EXPECT_EQ(fromPlist->at(0).dateTitle, sampleEvent().dateTitle);

    const auto fromJson = decodeEventListJson(R"([{"ddate":"2024-02-29","bgColor":"a","fontColor":"b",
        "lineColor":"c","circleColor":"d","dateTitle":"Leap","barType":"FlatBar","barColor":"e",
        "notification":false,"id":"X","repeat":"yearly","reminderTime":"09:00","unknown":{"a":1}}])");
    ASSERT_TRUE(fromJson.has_value());
    EXPECT_TRUE(fromJson->at(0).repeatsYearly());

    // A kind of repeating this version does not know counts as once, and survives a save.
    QVariantMap monthly = sampleEvent().toKeyed();
    monthly.insert(QStringLiteral("repeat"), QStringLiteral("monthly"));
    const auto kept = EDate::fromKeyed(monthly);
    ASSERT_TRUE(kept.has_value());
    EXPECT_FALSE(kept->repeatsYearly());
    EXPECT_EQ(kept->toKeyed().value(QStringLiteral("repeat")), QVariant(QStringLiteral("monthly")));

    // Like every optional key, it may be null but not of another type.
    monthly.insert(QStringLiteral("repeat"), QVariant::fromValue(nullptr));
    EXPECT_FALSE(EDate::fromKeyed(monthly)->repeat);
    monthly.insert(QStringLiteral("repeat"), true);
    EXPECT_FALSE(EDate::fromKeyed(monthly));
}

TEST(EDateCountUnit, TheKeyIsWrittenOnlyForALargerUnitAndAnUnknownOneCountsInDaysAndSurvives)
{
    EXPECT_FALSE(sampleEvent().toKeyed().contains(QStringLiteral("countUnit")));
    EXPECT_EQ(sampleEvent().unit(), CountUnit::Days);
    for (const char *stored : {"weeks", "months", "years", "fortnights"}) {
        EDate event = sampleEvent();
        event.countUnit = QString::fromLatin1(stored);
        const QVariantMap keyed = event.toKeyed();
        EXPECT_EQ(keyed.value(QStringLiteral("countUnit")), QVariant(QString::fromLatin1(stored)));
        const auto decoded = decodeEventList(encodeEventList({event}));
        ASSERT_TRUE(decoded.has_value());
        EXPECT_EQ(decoded->at(0), event) << stored;
        EXPECT_EQ(CountUnits::name(decoded->at(0).unit()),
                  QLatin1String(stored) == QLatin1String("fortnights") ? QStringLiteral("days") : QString::fromLatin1(stored));
    }
}
