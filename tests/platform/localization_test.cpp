#include <platform/localization.h>
#include <support/testenvironment.h>

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTime>
#include <QMap>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <array>
#include <gtest/gtest.h>

namespace {

// One message of a translation table as its file holds it.
struct TableMessage
{
    bool numerus = false;
    QStringList texts;  // the translation, or its plural forms
};

// The messages of the table of `language`, by key; empty when there is no such file.
QMap<QString, TableMessage> readTable(const QString &language)
{
    QFile file(QStringLiteral(TALLOWICK_TABLES "/tallowick_%1.ts").arg(language));
    QMap<QString, TableMessage> messages;
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString key;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("message")) {
            key = xml.attributes().value(QLatin1String("id")).toString();
            messages[key].numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("translation") && !messages[key].numerus) {
            messages[key].texts.append(xml.readElementText());
        } else if (xml.name() == QLatin1String("numerusform")) {
            messages[key].texts.append(xml.readElementText());
        }
    }
    EXPECT_FALSE(xml.hasError()) << language.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

} // namespace

TEST(Localization, TextsComeFromTheTableOfTheCurrentLanguage)
{
    const std::pair<const char *, const char *> expected[] = {
        {"en_US", "Today is the day!"},
        {"sv_SE", "Today is the day!"}, // no table of its own: English
        {"ko_KR", "오늘이 바로 그날이에요!"},
        {"ja_JP", "今日がその日です！"},
        {"zh_CN", "就是今天！"},
        {"de_DE", "Heute ist der Tag!"},
        {"fr_FR", "C'est aujourd'hui\u00A0!"},
        {"es_ES", "¡Hoy es el día!"},
        {"pt_BR", "Hoje é o dia!"},
        {"it_IT", "Oggi è il giorno!"},
        {"nl_NL", "Vandaag is de dag!"},
        {"pl_PL", "To już dziś!"},
        {"ru_RU", "Этот день настал!"},
        {"tr_TR", "Beklenen gün geldi!"},
        {"ar_EG", "اليوم هو اليوم المنتظر!"},
    };
    for (const auto &[locale, text] : expected) {
        ScopedLocale scoped{QLatin1String(locale)};
        EXPECT_EQ(qtTrId("Notification.today"), QString::fromUtf8(text)) << locale;
        EXPECT_EQ(Localization::languageCode(), QString::fromLatin1(locale).left(2));
    }
    ScopedLocale arabic{QStringLiteral("ar_EG")};
    EXPECT_TRUE(Localization::isRightToLeft());
    ScopedLocale german{QStringLiteral("de_DE")};
    EXPECT_FALSE(Localization::isRightToLeft());
}

TEST(Localization, EveryTableHasEveryKeyOfTheEnglishOneTranslated)
{
    // A key missing from a table shows its readers the raw key; an empty text shows nothing.
    const QMap<QString, TableMessage> english = readTable(QStringLiteral("en"));
    ASSERT_GT(english.size(), 80);
    const QStringList &languages = Localization::shippedLanguages();
    EXPECT_EQ(languages.size(), 14) << languages.join(QLatin1Char(' ')).toStdString();
    for (const QString &language : languages) {
        const QMap<QString, TableMessage> table = readTable(language);
        ASSERT_FALSE(table.isEmpty()) << language.toStdString();
        // Every plural text of a table has as many forms as the language's reminder text.
        const qsizetype forms = table.value(QStringLiteral("Notification.daysleft")).texts.size();
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            const std::string where = language.toStdString() + " " + it.key().toStdString();
            if (!table.contains(it.key())) {
                ADD_FAILURE() << where << " is missing";
                continue;
            }
            const TableMessage &message = table.value(it.key());
            EXPECT_EQ(message.numerus, it->numerus) << where;
            EXPECT_EQ(message.texts.size(), message.numerus ? forms : 1) << where;
            for (const QString &text : message.texts)
                EXPECT_FALSE(text.trimmed().isEmpty()) << where << " is empty";
            // The same numbered places, so that no number or title goes missing.
            for (const QString &text : message.texts) {
                for (const char *place : {"%1", "%2", "%3"})
                    EXPECT_EQ(text.contains(QLatin1String(place)), it->texts.constFirst().contains(QLatin1String(place)))
                        << where << " " << place;
            }
        }
        for (auto it = table.cbegin(); it != table.cend(); ++it)
            EXPECT_TRUE(english.contains(it.key())) << language.toStdString() << " " << it.key().toStdString() << " is not an English key";
    }
}

// The app runs on a desktop: what it asks the person to do is a click, not a tap (the
// descriptions of the maker's phone apps aside). Checked in English, where the words are known.
TEST(Localization, TheTextsSpeakOfClicksNotTaps)
{
    const QMap<QString, TableMessage> english = readTable(QStringLiteral("en"));
    const QRegularExpression tap(QStringLiteral("\\btap(s|ping)?\\b"), QRegularExpression::CaseInsensitiveOption);
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        if (it.key().endsWith(QLatin1String(".sub")))
            continue;
        for (const QString &text : it->texts)
            EXPECT_FALSE(text.contains(tap)) << it.key().toStdString() << ": " << text.toStdString();
    }
}

// The plural forms a language's rules choose, seen through the compiled tables.
TEST(Localization, NumbersTakeTheirLanguagesPlural)
{
    const int numbers[] = {0, 1, 2, 5, 11, 21, 101};
    const std::pair<const char *, std::array<const char *, 7>> expected[] = {
        {"en_US", {"0 days left", "1 day left", "2 days left", "5 days left", "11 days left", "21 days left", "101 days left"}},
        {"de_DE", {"Noch 0 Tage", "Noch 1 Tag", "Noch 2 Tage", "Noch 5 Tage", "Noch 11 Tage", "Noch 21 Tage", "Noch 101 Tage"}},
        {"fr_FR", {"Plus que 0 jour", "Plus que 1 jour", "Plus que 2 jours", "Plus que 5 jours", "Plus que 11 jours",
                   "Plus que 21 jours", "Plus que 101 jours"}},
        {"es_ES", {"Quedan 0 días", "Queda 1 día", "Quedan 2 días", "Quedan 5 días", "Quedan 11 días", "Quedan 21 días",
                   "Quedan 101 días"}},
        {"pt_BR", {"Falta 0 dia", "Falta 1 dia", "Faltam 2 dias", "Faltam 5 dias", "Faltam 11 dias", "Faltam 21 dias",
                   "Faltam 101 dias"}},
        {"it_IT", {"Mancano 0 giorni", "Manca 1 giorno", "Mancano 2 giorni", "Mancano 5 giorni", "Mancano 11 giorni",
                   "Mancano 21 giorni", "Mancano 101 giorni"}},
        {"nl_NL", {"Nog 0 dagen", "Nog 1 dag", "Nog 2 dagen", "Nog 5 dagen", "Nog 11 dagen", "Nog 21 dagen", "Nog 101 dagen"}},
        {"pl_PL", {"Zostało 0 dni", "Został 1 dzień", "Zostały 2 dni", "Zostało 5 dni", "Zostało 11 dni", "Zostało 21 dni",
                   "Zostało 101 dni"}},
        {"ru_RU", {"Осталось 0 дней", "Остался 1 день", "Осталось 2 дня", "Осталось 5 дней", "Осталось 11 дней",
                   "Остался 21 день", "Остался 101 день"}},
        {"ar_EG", {"لم يبقَ أي يوم", "بقي يوم واحد", "بقي يومان", "بقيت 5 أيام", "بقي 11 يومًا", "بقي 21 يومًا", "بقي 101 يوم"}},
        // One form, whatever the number.
        {"tr_TR", {"0 gün kaldı", "1 gün kaldı", "2 gün kaldı", "5 gün kaldı", "11 gün kaldı", "21 gün kaldı", "101 gün kaldı"}},
    };
    for (const auto &[locale, texts] : expected) {
        ScopedLocale scoped{QLatin1String(locale)};
        for (size_t i = 0; i < std::size(numbers); ++i)
            EXPECT_EQ(qtTrId("Notification.daysleft", numbers[i]), QString::fromUtf8(texts[i])) << locale << " " << numbers[i];
    }
    // The choice goes by the whole number: 22 and 112 in Russian and Polish, 102 in Arabic.
    ScopedLocale russian{QStringLiteral("ru_RU")};
    EXPECT_EQ(qtTrId("Notification.daysleft", 22), QStringLiteral("Осталось 22 дня"));
    EXPECT_EQ(qtTrId("Notification.daysleft", 112), QStringLiteral("Осталось 112 дней"));
    ScopedLocale polish{QStringLiteral("pl_PL")};
    EXPECT_EQ(qtTrId("Notification.daysleft", 22), QStringLiteral("Zostały 22 dni"));
    EXPECT_EQ(qtTrId("Notification.daysleft", 112), QStringLiteral("Zostało 112 dni"));
    ScopedLocale arabic{QStringLiteral("ar_EG")};
    EXPECT_EQ(qtTrId("Notification.daysleft", 102), QStringLiteral("بقي 102 يوم"));
    EXPECT_EQ(qtTrId("Notification.daysleft", 103), QStringLiteral("بقيت 103 أيام"));
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
    // A region without a table of its own reads its language's: Austrian German, European
    // Portuguese (Brazil's table), Taiwanese Chinese.
    EXPECT_EQ(languageFor(settings("de_AT:fr", "", "", "en_US.UTF-8")), QLatin1String("de"));
    EXPECT_EQ(languageFor(settings("", "", "", "pt_PT.UTF-8")), QLatin1String("pt_BR"));
    EXPECT_EQ(languageFor(settings("pt_BR", "", "", "de_DE.UTF-8")), QLatin1String("pt_BR"));
    EXPECT_EQ(languageFor(settings("", "ar_EG.UTF-8", "", "")), QLatin1String("ar"));
    // A language without a table reads English.
    EXPECT_EQ(languageFor(settings("", "", "", "sv_SE.UTF-8")), QLatin1String("en"));
    EXPECT_EQ(languageFor(settings("", "", "", "eo")), QLatin1String("en"));
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

// With no locale at all (the C locale) dates are English, as ICU gives them; times too: the C
// locale's own short time carries seconds ("10:00:00").
TEST(Localization, WithoutAnyLocaleTimesAreEnglishWithoutSeconds)
{
    if (qEnvironmentVariableIsSet("TALLOWICK_C_LOCALE_CHILD")) {
        ASSERT_EQ(QLocale::system().language(), QLocale::C);
        Localization::installTranslations(*QCoreApplication::instance());
        EXPECT_EQ(QLocale().toString(QTime(10, 0), QLocale::ShortFormat),
                  QLocale(QLocale::English, QLocale::UnitedStates).toString(QTime(10, 0), QLocale::ShortFormat));
        EXPECT_FALSE(QLocale().toString(QTime(10, 0), QLocale::ShortFormat).contains(QLatin1String("00:00")));
        return;
    }
    // In a process of its own started without any language setting.
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_TIME", "LANG"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("TALLOWICK_C_LOCALE_CHILD"), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=Localization.WithoutAnyLocaleTimesAreEnglishWithoutSeconds")});
    ASSERT_TRUE(child.waitForFinished(30000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
}
