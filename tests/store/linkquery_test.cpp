#include <store/linkquery.h>

#include <gtest/gtest.h>

namespace {

QUrl link(const char *text)
{
    return QUrl(QString::fromUtf8(text), QUrl::StrictMode);
}

} // namespace

TEST(QueryParameters, ReadPairsTheWaySharedLinksAreWritten)
{
    const auto params = queryParameters(link("https://x.test/?dateTitle=Trip+to%20Rome&flag&countdown=true&a=1=2&a=3"));
    EXPECT_EQ(params.value(QStringLiteral("dateTitle")), QStringLiteral("Trip to Rome"));
    EXPECT_EQ(params.value(QStringLiteral("countdown")), QStringLiteral("true"));
    EXPECT_FALSE(params.contains(QStringLiteral("flag")));            // no "=": skipped
    EXPECT_EQ(params.value(QStringLiteral("a")), QStringLiteral("3")); // later pair wins
    EXPECT_EQ(queryParameters(link("https://x.test/?a=1=2")).value(QStringLiteral("a")), QStringLiteral("1"));
    EXPECT_TRUE(queryParameters(link("https://x.test/")).isEmpty());
}

TEST(QueryItems, KeepOrderAndTellAMissingValueFromAnEmptyOne)
{
    const auto items = queryItems(link("tallowick://open?pageNumber=2&x&y=&z=%E2%9C%93"));
    ASSERT_TRUE(items.has_value());
    ASSERT_EQ(items->size(), 4);
    EXPECT_EQ(items->at(0), (QueryItem{QStringLiteral("pageNumber"), QStringLiteral("2")}));
    EXPECT_EQ(items->at(1), (QueryItem{QStringLiteral("x"), std::nullopt}));
    EXPECT_EQ(items->at(2), (QueryItem{QStringLiteral("y"), QString()}));
    EXPECT_EQ(items->at(3).value, QString::fromUtf8("✓"));
    EXPECT_FALSE(queryItems(link("https://x.test/path")));
}

TEST(LinkIntegers, AcceptAnOptionalSignAndDigitsWithin64Bits)
{
    EXPECT_EQ(parseLinkInteger(QStringLiteral("+2")), 2);
    EXPECT_EQ(parseLinkInteger(QStringLiteral("-12")), -12);
    EXPECT_EQ(parseLinkInteger(QStringLiteral("9223372036854775807")), Q_INT64_C(9223372036854775807));
    EXPECT_EQ(parseLinkInteger(QStringLiteral("-9223372036854775808")), std::numeric_limits<qint64>::min());
    for (const char *bad : {"", "+", "abc", " 2", "2 ", "2.0", "1e3", "9223372036854775808", "99999999999999999999999"})
        EXPECT_FALSE(parseLinkInteger(QLatin1String(bad))) << bad;
}
