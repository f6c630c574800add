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
