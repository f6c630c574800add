#include "datecontext.h"

#include <QTextBoundaryFinder>

#include <unicode/gregocal.h>
#include <unicode/timezone.h>

#include <atomic>
#include <cstdlib>

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
    if (!m_longFormat) {
        m_longFormat.reset(icu::DateFormat::createDateInstance(icu::DateFormat::kLong, m_locale));
        if (!m_longFormat)
            return std::nullopt;
        m_longFormat->setLenient(false);
        m_longFormat->setTimeZone(*m_zone);
    }
    return parseWhole(*m_longFormat, text);
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
    if (!m_dayFormat)
        return {};
    icu::UnicodeString out;
    m_dayFormat->format(instant, out);
    return fromUnicode(out);
}

QString DateContext::formatDisplay(UDate instant, const char *pattern)
{
    UErrorCode status = U_ZERO_ERROR;
    if (!m_displayFormat) {
        m_displayFormat = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString::fromUTF8(pattern), m_locale, status);
        if (U_FAILURE(status)) {
            m_displayFormat.reset();
            return {};
        }
        m_displayFormat->setTimeZone(*m_zone);
    } else if (pattern != m_displayPattern) {
        m_displayFormat->applyPattern(icu::UnicodeString::fromUTF8(pattern));
    }
    m_displayPattern = pattern;
    icu::UnicodeString out;
    m_displayFormat->format(instant, out);
    return fromUnicode(out);
}
