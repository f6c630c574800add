// Date texts come from the settings file, the contents file and shared links. The first input
// byte picks the language and the time zone; the rest is the date text.
#include "fuzzsupport.h"

#include <model/calendarhelper.h>
#include <platform/clock.h>
#include <platform/localization.h>

#include <QRegularExpression>

#include <ctime>

namespace {

const char *const kLocales[] = {"en_US", "ko_KR", "ja_JP", "zh_CN"};
// Seoul keeps one offset; New York shifts its clocks at 02:00, Santiago at midnight (some days
// have no 00:00); Apia skipped 2011-12-30 altogether.
const char *const kZones[] = {"Asia/Seoul", "America/New_York", "America/Santiago", "Pacific/Apia"};

void useSettings(uint8_t choice)
{
    static int locale = -1;
    static int zone = -1;
    if (locale != (choice & 3)) {
        locale = choice & 3;
        Localization::setCurrentLocale(QLatin1String(kLocales[locale]));
    }
    if (zone != ((choice >> 2) & 3)) {
        zone = (choice >> 2) & 3;
        qputenv("TZ", kZones[zone]);
        tzset();
    }
}

bool isCountText(const QString &count)
{
    static const QRegularExpression number(QStringLiteral("\\A-?(0|[1-9][0-9]*)\\z"));
    return number.match(count).hasMatch();
}

bool isStoredDayForm(const QString &text)
{
    static const QRegularExpression day(QStringLiteral("\\A[0-9]{4}-[0-9]{2}-[0-9]{2}\\z"));
    return day.match(text).hasMatch();
}

QString describe(const QString &input, const QString &what, const QString &got)
{
    return QStringLiteral("date text \"%1\" (%2, TZ %3): %4 gave \"%5\"")
        .arg(input, Localization::localeName(), qEnvironmentVariable("TZ"), what, got);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    useSettings(data[0]);
    const QString input = fuzz::text(data + 1, size - 1);

    const std::optional<QDateTime> parsed = CalendarHelper::parse(input);
    const QDateTime date = CalendarHelper::toDate(input);
    FUZZ_REQUIRE(date.isValid(), describe(input, QStringLiteral("toDate"), date.toString(Qt::ISODate)));
    FUZZ_REQUIRE(!parsed || (parsed->isValid() && *parsed == date),
                 describe(input, QStringLiteral("parse"), parsed ? parsed->toString(Qt::ISODate) : QString()));
    // A text that is no date means now.
    if (!parsed)
        FUZZ_REQUIRE(date == Clock::now(), describe(input, QStringLiteral("toDate"), date.toString(Qt::ISODate)));

    // The stored form of any parsed day reads back as the same day.
    const QString stored = CalendarHelper::formatStoredDate(date);
    FUZZ_REQUIRE(CalendarHelper::formatStoredDate(CalendarHelper::toDayDate(stored)) == stored,
                 describe(input, QStringLiteral("stored form"), stored));

    const QString down = CalendarHelper::getDayCount(input, true);
    const QString up = CalendarHelper::getDayCount(input, false);
    const QString unset = CalendarHelper::getDayCount(input, std::nullopt);
    FUZZ_REQUIRE(unset == down, describe(input, QStringLiteral("count without direction"), unset));
    FUZZ_REQUIRE(down == QLatin1String("YAY!") || isCountText(down) || down == QLatin1String("00"),
                 describe(input, QStringLiteral("count down"), down));
    FUZZ_REQUIRE(isCountText(up) || up == QLatin1String("00"), describe(input, QStringLiteral("count up"), up));
    if (isCountText(up))
        FUZZ_REQUIRE(up.toLongLong() >= 1, describe(input, QStringLiteral("count up"), up));
    if (!parsed) {
        // Counted as today: the day itself, day 1 counting up.
        FUZZ_REQUIRE(down == QLatin1String("YAY!"), describe(input, QStringLiteral("count down"), down));
        FUZZ_REQUIRE(up == QLatin1String("1"), describe(input, QStringLiteral("count up"), up));
    } else if (isStoredDayForm(stored)) {
        // The count belongs to the day alone: the stored form of that day counts the same.
        // (Days beyond year 9999 or before year 1 have no ten-character stored form; their
        // stored text is no date again, as the length rule of date texts has it.)
        FUZZ_REQUIRE(CalendarHelper::getDayCount(stored, true) == down,
                     describe(input, QStringLiteral("count down against ") + stored, down));
        FUZZ_REQUIRE(CalendarHelper::getDayCount(stored, false) == up,
                     describe(input, QStringLiteral("count up against ") + stored, up));
    }

    const QString display = CalendarHelper::getRightDateFormat(input);
    if (!parsed)
        FUZZ_REQUIRE(display == input, describe(input, QStringLiteral("display date"), display));
    else
        FUZZ_REQUIRE(!display.isEmpty() && (!isStoredDayForm(stored) || display == CalendarHelper::getRightDateFormat(stored)),
                     describe(input, QStringLiteral("display date"), display));
    return 0;
}
