#include <model/bartype.h>
#include <model/datecontext.h>
#include <model/resources.h>
#include <platform/localization.h>
#include <support/testenvironment.h>

#include <QSet>
#include <gtest/gtest.h>

TEST(PackagedThemes, CoverEveryBarKindAndTheIdsLinksAndFormsStartFrom)
{
    const QList<ColorProvider> &themes = colorSets();
    ASSERT_GE(themes.size(), 12);
    QSet<qint64> ids;
    QSet<QString> kinds;
    for (const ColorProvider &theme : themes) {
        EXPECT_FALSE(ids.contains(theme.id)) << "duplicate theme id " << theme.id;
        ids.insert(theme.id);
        EXPECT_TRUE(barTypeFromName(theme.barType)) << qPrintable(theme.barType);
        kinds.insert(theme.barType);
        for (const QString &colour : {theme.bgColor, theme.fontColor, theme.lineColor, theme.circleColor, theme.barColor})
            EXPECT_EQ(colour.size(), 6) << qPrintable(colour);
    }
    EXPECT_TRUE(ids.contains(1));
    EXPECT_TRUE(ids.contains(1003));
    for (BarType type : kAllBarTypes)
        EXPECT_TRUE(kinds.contains(barTypeName(type))) << qPrintable(barTypeName(type));
}

TEST(PackagedDefaultEvents, AreAFewCompleteEventsWithDistinctIds)
{
    const QList<EDate> &events = defaultEvents();
    ASSERT_GE(events.size(), 2);
    ASSERT_LE(events.size(), 4);
    QSet<QString> ids;
    for (const EDate &event : events) {
        EXPECT_EQ(event.id.size(), 36);
        EXPECT_EQ(event.id, event.id.toUpper());
        ids.insert(event.id);
        EXPECT_EQ(event.ddate.size(), 10);
        EXPECT_FALSE(event.dateTitle.isEmpty());
    }
    EXPECT_EQ(ids.size(), events.size());
}

TEST(PackagedDefaultEvents, StartInThePersonsLanguage)
{
    QList<EDate> english;
    {
        ScopedLocale scoped{QStringLiteral("en_US")};
        english = defaultEvents();
    }
    EXPECT_EQ(titlesOf(english), (QStringList{QStringLiteral("New Year"), QStringLiteral("Summer trip"), QStringLiteral("Together")}));
    {
        ScopedLocale german{QStringLiteral("de_DE")};
        EXPECT_EQ(titlesOf(defaultEvents()),
                  (QStringList{QStringLiteral("Neujahr"), QStringLiteral("Sommerurlaub"), QStringLiteral("Zusammen")}));
    }
    for (const QString &language : Localization::shippedLanguages()) {
        ScopedLocale scoped{language};
        const QList<EDate> events = defaultEvents();
        ASSERT_EQ(events.size(), english.size());
        for (qsizetype i = 0; i < events.size(); ++i) {
            // Only the title is the language's: what else the event is stays as packaged.
            EDate same = events.at(i);
            same.dateTitle = english.at(i).dateTitle;
            EXPECT_EQ(same, english.at(i)) << language.toStdString();
            // Titles keep the rule every event keeps: 1 to 20 characters, trimmed.
            const QString title = events.at(i).dateTitle;
            EXPECT_EQ(title, title.trimmed()) << language.toStdString();
            EXPECT_GE(characterCount(title), 1) << language.toStdString();
            EXPECT_LE(characterCount(title), 20) << language.toStdString();
            if (language != QLatin1String("en")) {
                EXPECT_NE(title, english.at(i).dateTitle) << language.toStdString() << " keeps the English title";
            }
        }
    }
}

TEST(PackagedThemes, DecodingRequiresEveryKeyWithItsType)
{
    const QByteArray good = R"([{"id":7,"barType":"Box","bgColor":"a","fontColor":"b","lineColor":"c",
        "circleColor":"d","barColor":"e"}])";
    ASSERT_TRUE(decodeThemeList(good));
    EXPECT_EQ(decodeThemeList(good)->at(0).id, 7);
    EXPECT_FALSE(decodeThemeList(QByteArray(good).replace("\"id\":7", "\"id\":\"7\"")));
    EXPECT_FALSE(decodeThemeList(QByteArray(good).replace("\"id\":7", "\"id\":7.5")));
    EXPECT_FALSE(decodeThemeList(QByteArray(good).replace("\"barColor\":\"e\"", "\"barColor\":1")));
    EXPECT_FALSE(decodeThemeList(QByteArray(good).replace(",\"barColor\":\"e\"", "")));
    EXPECT_FALSE(decodeThemeList("{}"));
}

TEST(PackagedResourcesDeathTest, AMissingResourceStopsWithItsName)
{
    EXPECT_DEATH(loadResourceBytes(QStringLiteral("Missing.json")), "Couldn't find Missing.json in main bundle.");
}
