#include "countspan.h"

#include "calendarhelper.h"
#include "edate.h"

#include <platform/clock.h>

#include <unicode/gregocal.h>
#include <unicode/measfmt.h>
#include <unicode/measunit.h>
#include <unicode/numberformatter.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A proleptic Gregorian calendar in UTC: days as dates, with no zone's hours in the way.
icu::Calendar *plainCalendar()
{
    thread_local std::unique_ptr<icu::GregorianCalendar> calendar = [] {
        UErrorCode status = U_ZERO_ERROR;
        auto made = std::make_unique<icu::GregorianCalendar>(*icu::TimeZone::getGMT(), status);
        made->setGregorianChange(U_DATE_MIN, status);
        return U_SUCCESS(status) ? std::move(made) : nullptr;
    }();
    return calendar.get();
}

// Whole `field`s from the calendar's date to `target`, the calendar moved on by as many.
qint64 wholeFrom(icu::Calendar &calendar, UDate target, UCalendarDateFields field)
{
    UErrorCode status = U_ZERO_ERROR;
    const int32_t amount = calendar.fieldDifference(target, field, status);
    return U_SUCCESS(status) ? amount : 0;
}

icu::MeasureUnit icuUnit(CountUnit unit)
{
    switch (unit) {
    case CountUnit::Years:
        return icu::MeasureUnit::getYear();
    case CountUnit::Months:
        return icu::MeasureUnit::getMonth();
    case CountUnit::Weeks:
        return icu::MeasureUnit::getWeek();
    case CountUnit::Days:
        break;
    }
    return icu::MeasureUnit::getDay();
}

QString fromIcu(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

// The time locale's measure format, kept while the locale stays.
icu::MeasureFormat *measureFormat()
{
    thread_local std::string localeName;
    thread_local std::unique_ptr<icu::MeasureFormat> format;
    const icu::Locale &locale = icu::Locale::getDefault();
    if (!format || localeName != locale.getName()) {
        UErrorCode status = U_ZERO_ERROR;
        format = std::make_unique<icu::MeasureFormat>(locale, UMEASFMT_WIDTH_WIDE, status);
        if (U_FAILURE(status))
            format.reset();
        localeName = locale.getName();
    }
    return format.get();
}

bool isNegative(const CountWords::Meaning &meaning)
{
    return meaning.kind == CountWords::Meaning::Kind::DaysAgo;
}

} // namespace

namespace CountSpans {

CountSpan between(const QDate &from, const QDate &to, CountUnit unit)
{
    const QDate start = std::min(from, to);
    const QDate end = std::max(from, to);
    const qint64 days = start.daysTo(end);
    switch (unit) {
    case CountUnit::Days:
        return {{CountUnit::Days, days}};
    case CountUnit::Weeks:
        return {{CountUnit::Weeks, days / 7}, {CountUnit::Days, days % 7}};
    case CountUnit::Months:
    case CountUnit::Years:
        break;
    }
    icu::Calendar *calendar = plainCalendar();
    if (!calendar)
        return {{CountUnit::Days, days}};
    calendar->clear();
    calendar->set(start.year(), start.month() - 1, start.day());
    UErrorCode status = U_ZERO_ERROR;
    const UDate startInstant = calendar->getTime(status);
    const UDate endInstant = startInstant + double(days) * U_MILLIS_PER_DAY;
    CountSpan span;
    if (unit == CountUnit::Years)
        span.append({CountUnit::Years, wholeFrom(*calendar, endInstant, UCAL_YEAR)});
    span.append({CountUnit::Months, wholeFrom(*calendar, endInstant, UCAL_MONTH)});
    span.append({CountUnit::Days, wholeFrom(*calendar, endInstant, UCAL_DATE)});
    return span;
}

EventCount ofEvent(const EDate &event)
{
    using Kind = CountWords::Meaning::Kind;
    const QString count = CalendarHelper::getDayCount(event);
    const CountWords::Meaning meaning = CountWords::meaningOf(count, CalendarHelper::countedDate(event), event.countdown);
    const QDate today = Clock::now().date();
    switch (meaning.kind) {
    case Kind::DaysLeft:
        return {meaning, between(today, today.addDays(meaning.days), event.unit())};
    case Kind::DaysAgo:
        return {meaning, between(today.addDays(-meaning.days), today, event.unit())};
    case Kind::DayNumber:
        // Its date is day 1: the days gone are one fewer.
        return {meaning, between(today.addDays(1 - meaning.days), today, event.unit())};
    case Kind::Today:
        return {meaning, between(today, today, event.unit())};
    case Kind::Unknown:
        break;
    }
    return {meaning, {}};
}

CountSpan shownParts(const CountSpan &span)
{
    CountSpan parts;
    for (const SpanPart &part : span) {
        if (part.amount != 0)
            parts.append(part);
    }
    return parts;
}

QString text(const CountSpan &parts)
{
    icu::MeasureFormat *format = measureFormat();
    if (parts.isEmpty() || !format)
        return {};
    UErrorCode status = U_ZERO_ERROR;
    std::vector<icu::Measure> measures;
    measures.reserve(parts.size());
    for (const SpanPart &part : parts)
        measures.emplace_back(icu::Formattable(int64_t(part.amount)), icuUnit(part.unit).clone(), status);
    icu::UnicodeString out;
    icu::FieldPosition ignored(icu::FieldPosition::DONT_CARE);
    format->formatMeasures(measures.data(), int32_t(measures.size()), out, ignored, status);
    return U_SUCCESS(status) ? fromIcu(out) : QString();
}

QString unitWord(CountUnit unit, qint64 amount)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::number::FormattedNumber formatted = icu::number::NumberFormatter::withLocale(icu::Locale::getDefault())
                                                       .unit(icuUnit(unit))
                                                       .unitWidth(UNUM_UNIT_WIDTH_FULL_NAME)
                                                       .formatInt(amount, status);
    const icu::UnicodeString whole = formatted.toString(status);
    if (U_FAILURE(status))
        return {};
    icu::ConstrainedFieldPosition position;
    position.constrainField(UFIELD_CATEGORY_NUMBER, UNUM_MEASURE_UNIT_FIELD);
    if (!formatted.nextPosition(position, status) || U_FAILURE(status))
        return fromIcu(whole);
    return fromIcu(whole.tempSubStringBetween(position.getStart(), position.getLimit()));
}

Shown shown(const EDate &event)
{
    const EventCount count = ofEvent(event);
    const CountSpan parts = shownParts(count.span);
    if (event.unit() == CountUnit::Days || parts.isEmpty())
        return {CalendarHelper::getDayCount(event), {}};
    const SpanPart &first = parts.first();
    QString beneath = unitWord(first.unit, first.amount);
    if (parts.size() > 1)
        beneath += QStringLiteral(" · ") + text(parts.mid(1));
    return {QString::number(isNegative(count.meaning) ? -first.amount : first.amount), beneath};
}

QString spokenSpan(const EDate &event)
{
    if (event.unit() == CountUnit::Days)
        return {};
    return text(shownParts(ofEvent(event).span));
}

} // namespace CountSpans
