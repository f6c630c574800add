#include <platform/localization.h>
#include <support/testenvironment.h>

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <gtest/gtest.h>

TEST(Localization, TextsComeFromTheTableOfTheCurrentLanguage)
{
    const std::pair<const char *, const char *> expected[] = {
        {"en_US", "Today is the day!"},
        {"fr_FR", "Today is the day!"}, // no table of its own: English
        {"ko_KR", "오늘이 바로 그날이에요!"},
        {"ja_JP", "今日がその日です！"},
        {"zh_CN", "就是今天！"},
    };
    for (const auto &[locale, text] : expected) {
        ScopedLocale scoped{QLatin1String(locale)};
        EXPECT_EQ(qtTrId("Notification.today"), QString::fromUtf8(text)) << locale;
        EXPECT_EQ(Localization::languageCode(), QString::fromLatin1(locale).left(2));
    }
}

TEST(Localization, EveryLanguageHasEveryKey)
{
    // The English table lists every key; a key missing from another table would show its
    // readers the raw key instead of a text.
    QFile english(QStringLiteral(TALLOWICK_ENGLISH_TABLE));
    ASSERT_TRUE(english.open(QIODevice::ReadOnly));
    const QString table = QString::fromUtf8(english.readAll());
    QStringList keys;
    for (const QRegularExpressionMatch &match : QRegularExpression(QStringLiteral("<message id=\"([^\"]+)\">")).globalMatch(table))
        keys.append(match.captured(1));
    ASSERT_GT(keys.size(), 50);

    QHash<QString, QString> englishTexts;
    {
        ScopedLocale scoped{QStringLiteral("en_US")};
        for (const QString &key : keys)
            englishTexts.insert(key, qtTrId(key.toUtf8().constData()));
    }
    for (const char *locale : {"ko_KR", "ja_JP", "zh_CN"}) {
        ScopedLocale scoped{QLatin1String(locale)};
        for (const QString &key : keys) {
            const QString text = qtTrId(key.toUtf8().constData());
            EXPECT_FALSE(text.isEmpty()) << locale << " " << key.toStdString();
            if (englishTexts.value(key) != key) {
                EXPECT_NE(text, key) << locale << " " << key.toStdString();
            }
        }
    }
}

namespace {

Localization::Settings settings(const char *language, const char *lcAll, const char *lcMessages, const char *lang,
                                const char *lcTime = "")
{
    return {QString::fromLatin1(language), QString::fromLatin1(lcAll), QString::fromLatin1(lcMessages),
            QString::fromLatin1(lcTime), QString::fromLatin1(lang)};
}

} // namespace

TEST(Localization, TheLanguageFollowsThePersonsSettingsAsDesktopProgramsDo)
{
    using Localization::languageFor;
    // LANGUAGE's list comes first, in its order, skipping languages without a table.
    EXPECT_EQ(languageFor(settings("ja:ko", "", "", "en_US.UTF-8")), QLatin1String("ja"));
    EXPECT_EQ(languageFor(settings("eo:sv_SE:ko_KR", "", "", "en_US.UTF-8")), QLatin1String("ko"));
    EXPECT_EQ(languageFor(settings("en_GB:ko", "", "", "ja_JP.UTF-8")), QLatin1String("en"));
    // Then the messages locale: LC_ALL over LC_MESSAGES over LANG.
    EXPECT_EQ(languageFor(settings("", "ja_JP.UTF-8", "ko_KR.UTF-8", "zh_CN.UTF-8")), QLatin1String("ja"));
    EXPECT_EQ(languageFor(settings("", "", "ko_KR.UTF-8", "zh_CN.UTF-8")), QLatin1String("ko"));
    EXPECT_EQ(languageFor(settings("", "", "", "zh_TW.UTF-8")), QLatin1String("zh"));
    EXPECT_EQ(languageFor(settings("eo", "", "", "ko_KR@euro")), QLatin1String("ko"));
    // A language without a table reads English.
    EXPECT_EQ(languageFor(settings("", "", "", "sv_SE.UTF-8")), QLatin1String("en"));
    // A C messages locale means untranslated texts, whatever LANGUAGE says (as in gettext).
    EXPECT_EQ(languageFor(settings("ko", "C", "", "ja_JP.UTF-8")), QLatin1String("en"));
    EXPECT_EQ(languageFor(settings("ko", "", "POSIX", "ja_JP.UTF-8")), QLatin1String("en"));
    EXPECT_EQ(languageFor(settings("ko", "", "", "")), QLatin1String("en"));
}

TEST(Localization, DatesFollowTheTimeLocale)
{
    using Localization::formatLocaleFor;
    EXPECT_EQ(formatLocaleFor(settings("ko", "", "ja_JP.UTF-8", "en_US.UTF-8")), QLatin1String("en_US"));
    EXPECT_EQ(formatLocaleFor(settings("", "", "", "en_US.UTF-8", "ko_KR.UTF-8")), QLatin1String("ko_KR"));
    EXPECT_EQ(formatLocaleFor(settings("", "zh_TW.UTF-8", "", "en_US.UTF-8", "ko_KR.UTF-8")), QLatin1String("zh_TW"));
    EXPECT_EQ(formatLocaleFor(settings("ko", "", "", "C")), QString());
}
