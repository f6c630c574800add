#include "datecontext.h"

#include <QTextBoundaryFinder>

#include <unicode/dtptngen.h>
#include <unicode/gregocal.h>
#include <unicode/timezone.h>

#include <atomic>
#include <cstdlib>
#include <string_view>

namespace {

// Grows with every invalidateAll(); each thread's context remembers the one it was made in.
std::atomic<quint64> settingsGeneration{0};

quint64 processGeneration()
{
    return settingsGeneration.load(std::memory_order_relaxed);
}
constexpr qsizetype kDayStartCacheLimit = 256;


icu::UnicodeString toUnicode(const QString &text)
{
    return icu::UnicodeString(reinterpret_cast<const UChar *>(text.utf16()), static_cast<int32_t>(text.size()));
}

QString fromUnicode(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

// Strict parse of the whole text, as the platform's date formatters parse by default.
std::optional<UDate> parseWhole(icu::DateFormat &format, const QString &text)
{
    const icu::UnicodeString unicode = toUnicode(text);
    icu::ParsePosition position(0);
    const UDate parsed = format.parse(unicode, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != unicode.length())
        return std::nullopt;
    return parsed;
}

// The calendar of ISO 8601 and RFC 5545: Gregorian rules for every day, also before the
// Gregorian reform of 1582 (where ICU's calendar otherwise turns Julian), so that a day before
// it means the same day whether typed, linked, imported or counted.
void makeProleptic(icu::Calendar *calendar)
{
    if (auto *gregorian = dynamic_cast<icu::GregorianCalendar *>(calendar)) {
        UErrorCode status = U_ZERO_ERROR;
        gregorian->setGregorianChange(U_DATE_MIN, status);
    }
}

void makeProleptic(icu::DateFormat &format)
{
    makeProleptic(const_cast<icu::Calendar *>(format.getCalendar()));
}

// Fixed numeric patterns read and write the same text in every locale (Latin digits, the
// Gregorian calendar), so dates written under one language read back under any other.
std::unique_ptr<icu::SimpleDateFormat> fixedFormat(const char *pattern, const icu::TimeZone &zone)
{
    UErrorCode status = U_ZERO_ERROR;
    auto format = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString(pattern),
                                                          icu::Locale("en_US_POSIX"), status);
    if (U_FAILURE(status))
        return nullptr;
    format->setLenient(false);
    format->setTimeZone(zone);
    makeProleptic(*format);
    return format;
}

QString format(const icu::DateFormat &format, UDate instant)
{
    icu::UnicodeString out;
    format.format(instant, out);
    return fromUnicode(out);
}

// The date the person picked is a Gregorian day (the form's wheels and the stored text are),
// so it is shown in the Gregorian calendar in every locale: a Buddhist, Hijri or Persian date
// beside it would read as another day. Digits and words stay the locale's own.
icu::Locale gregorian(const icu::Locale &locale)
{
    icu::Locale shown(locale);
    UErrorCode status = U_ZERO_ERROR;
    shown.setKeywordValue("calendar", "gregorian", status);
    return U_SUCCESS(status) ? shown : locale;
}

// The best pattern of `locale` for a skeleton: the fields wanted, in the language's own
// order, separators and words.
icu::UnicodeString patternForSkeleton(const icu::Locale &locale, const char *skeleton)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(gregorian(locale), status));
    if (U_FAILURE(status) || !generator)
        return icu::UnicodeString(skeleton);
    const icu::UnicodeString pattern = generator->getBestPattern(icu::UnicodeString(skeleton), status);
    return U_FAILURE(status) ? icu::UnicodeString(skeleton) : pattern;
}

icu::UnicodeString displayPattern(const icu::Locale &locale)
{
    const std::string_view language = locale.getLanguage();
    if (language == "ko")
        return icu::UnicodeString::fromUTF8("yyyy년 M월 d일");
    if (language == "ja" || language == "zh")
        return icu::UnicodeString::fromUTF8("yyyy年 M月 d日");
    if (language == "en" || language.empty())
        return icu::UnicodeString("d.MMM.yy");
    // The short form of the locale's own data, rather than "d.MMM.yy" with another month:
    // many abbreviations end in a stop of their own ("Dez.", "janv.", "дек."), or in another
    // mark ("दिस॰", "דצמ׳"), or hold stops inside ("ธ.ค."), some months are written with a
    // word before them (Catalan "de des."), and some languages put the year first (Hungarian
    // "26. dec. 18."). Where a language writes short dates with the month as a number
    // (Czech "18. 12. 26"), that is its short date.
    return patternForSkeleton(locale, "dMMMyy");
}

icu::UnicodeString wholeDatePattern(const icu::Locale &locale)
{
    return patternForSkeleton(locale, "yMMMMd");
}

std::unique_ptr<icu::SimpleDateFormat> patternFormat(const icu::Locale &locale, const icu::TimeZone &zone,
                                                     const icu::UnicodeString &pattern)
{
    UErrorCode status = U_ZERO_ERROR;
    auto format = std::make_unique<icu::SimpleDateFormat>(pattern, gregorian(locale), status);
    if (U_FAILURE(status))
        return nullptr;
    format->setTimeZone(zone);
    makeProleptic(*format);
    return format;
}

} // namespace

qsizetype characterCount(const QString &text)
{
    bool ascii = true;
    for (QChar c : text) {
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii)
        return text.size();
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (finder.toNextBoundary() > 0)
        ++count;
    return count;
}

DateContext::DateContext()
    : m_tzEnv(std::getenv("TZ") ? std::getenv("TZ") : "")
    , m_tzSet(std::getenv("TZ") != nullptr)
    , m_localeName(icu::Locale::getDefault().getName())
    , m_generation(processGeneration())
    , m_locale(icu::Locale::getDefault())
{
    // ICU caches the zone it detected first; ask again so a changed TZ is followed.
    icu::TimeZone::adoptDefault(icu::TimeZone::detectHostTimeZone());
    m_zone.reset(icu::TimeZone::createDefault());
    m_dayFormat = fixedFormat("yyyy-MM-dd", *m_zone);
    UErrorCode status = U_ZERO_ERROR;
    m_calendar = std::make_unique<icu::GregorianCalendar>(*m_zone, m_locale, status);
    if (U_FAILURE(status))
        m_calendar.reset();
    else
        makeProleptic(m_calendar.get());
}

DateContext::~DateContext() = default;

bool DateContext::matchesProcessSettings() const
{
    const char *tz = std::getenv("TZ");
    return m_generation == processGeneration()
        && m_localeName == icu::Locale::getDefault().getName() && m_tzSet == (tz != nullptr)
        && (!tz || m_tzEnv == tz);
}

namespace {

thread_local std::unique_ptr<DateContext> threadContext;

} // namespace

DateContext &DateContext::current()
{
    if (!threadContext || !threadContext->matchesProcessSettings())
        threadContext = std::make_unique<DateContext>();
    return *threadContext;
}

std::unique_ptr<DateContext> DateContext::releaseCurrent()
{
    return std::move(threadContext);
}

void DateContext::adoptAsCurrent(std::unique_ptr<DateContext> context)
{
    // current() still checks it against the process's settings before use.
    threadContext = std::move(context);
}

void DateContext::invalidateAll()
{
    settingsGeneration.fetch_add(1, std::memory_order_relaxed);
}

std::optional<UDate> DateContext::parseByLength(const QString &text)
{
    const qsizetype length = characterCount(text);
    if (length >= 11) {
        // Made on first use: most texts are days.
        if (!m_timestampFormat)
            m_timestampFormat = fixedFormat("yyyy-MM-dd'T'HH:mm:ssZ", *m_zone);
        return m_timestampFormat ? parseWhole(*m_timestampFormat, text) : std::nullopt;
    }
    if (length == 10)
        return parseDay(text);
    icu::DateFormat *format = longFormat();
    return format ? parseWhole(*format, text) : std::nullopt;
}

icu::DateFormat *DateContext::longFormat()
{
    if (!m_longFormat) {
        m_longFormat.reset(icu::DateFormat::createDateInstance(icu::DateFormat::kLong, m_locale));
        if (!m_longFormat)
            return nullptr;
        m_longFormat->setLenient(false);
        m_longFormat->setTimeZone(*m_zone);
    }
    return m_longFormat.get();
}

std::optional<UDate> DateContext::parseLongDate(const QString &text)
{
    icu::DateFormat *format = longFormat();
    const auto parsed = format ? parseWhole(*format, text) : std::nullopt;
    if (!parsed)
        return std::nullopt;
    // Only the text the locale itself writes for that day: a two-digit year or a missing
    // part would leave ICU to guess the century or the rest.
    icu::UnicodeString written;
    format->format(*parsed, written);
    return written == toUnicode(text) ? parsed : std::nullopt;
}

std::optional<UDate> DateContext::parseDay(const QString &text)
{
    return m_dayFormat ? parseWhole(*m_dayFormat, text) : std::nullopt;
}

std::optional<DateContext::DayStart> DateContext::startOfDay(UDate instant)
{
    if (!m_calendar)
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    m_calendar->setTime(instant, status);
    const int32_t year = m_calendar->get(UCAL_EXTENDED_YEAR, status);
    const int32_t month = m_calendar->get(UCAL_MONTH, status);
    const int32_t day = m_calendar->get(UCAL_DATE, status);
    if (U_FAILURE(status))
        return std::nullopt;
    m_calendar->clear();
    m_calendar->set(UCAL_EXTENDED_YEAR, year);
    m_calendar->set(UCAL_MONTH, month);
    m_calendar->set(UCAL_DATE, day);
    const UDate start = m_calendar->getTime(status);
    const int32_t julianDay = m_calendar->get(UCAL_JULIAN_DAY, status);
    if (U_FAILURE(status))
        return std::nullopt;
    return DayStart{start, julianDay};
}

std::optional<DateContext::DayStart> DateContext::startOfDayFor(const QString &ddate, UDate now)
{
    const auto cached = m_dayStarts.constFind(ddate);
    if (cached != m_dayStarts.cend())
        return *cached;
    const auto parsed = parseByLength(ddate);
    if (!parsed)
        return startOfDay(now); // depends on now: not remembered
    const auto start = startOfDay(*parsed);
    if (m_dayStarts.size() >= kDayStartCacheLimit)
        m_dayStarts.clear();
    m_dayStarts.insert(ddate, start);
    return start;
}

QString DateContext::formatDay(UDate instant)
{
    return m_dayFormat ? format(*m_dayFormat, instant) : QString();
}

QString DateContext::formatDisplay(UDate instant)
{
    if (!m_displayFormat)
        m_displayFormat = patternFormat(m_locale, *m_zone, displayPattern(m_locale));
    return m_displayFormat ? format(*m_displayFormat, instant) : QString();
}

QString DateContext::formatLong(UDate instant)
{
    if (!m_wholeFormat)
        m_wholeFormat = patternFormat(m_locale, *m_zone, wholeDatePattern(m_locale));
    return m_wholeFormat ? format(*m_wholeFormat, instant) : QString();
}
