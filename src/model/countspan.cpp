#include "countspan.h"

#include "calendarhelper.h"
#include "edate.h"

#include <platform/clock.h>

#include <unicode/gregocal.h>
#include <unicode/listformatter.h>
#include <unicode/measunit.h>
#include <unicode/numberformatter.h>

#include <array>
#include <memory>
#include <optional>
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

// The time locale's list of units ("6 weeks, 3 days", "6 semaines et 3 jours"), kept while
// the locale stays.
icu::ListFormatter *unitList()
{
    thread_local std::string localeName;
    thread_local std::unique_ptr<icu::ListFormatter> list;
    const icu::Locale &locale = icu::Locale::getDefault();
    if (!list || localeName != locale.getName()) {
        UErrorCode status = U_ZERO_ERROR;
        list.reset(icu::ListFormatter::createInstance(locale, ULISTFMT_TYPE_UNITS, ULISTFMT_WIDTH_WIDE, status));
        if (U_FAILURE(status))
            list.reset();
        localeName = locale.getName();
    }
    return list.get();
}

// The time locale's formatter of an amount of `unit` with the unit's full name, kept while the
// locale stays: making one takes most of the time of a count's words.
const icu::number::LocalizedNumberFormatter &unitFormatter(CountUnit unit)
{
    thread_local std::string localeName;
    thread_local std::array<std::optional<icu::number::LocalizedNumberFormatter>, 4> formatters;
    const icu::Locale &locale = icu::Locale::getDefault();
    if (localeName != locale.getName()) {
        formatters = {};
        localeName = locale.getName();
    }
    std::optional<icu::number::LocalizedNumberFormatter> &formatter = formatters.at(std::size_t(unit));
    if (!formatter)
        formatter = icu::number::NumberFormatter::withLocale(locale).unit(icuUnit(unit)).unitWidth(UNUM_UNIT_WIDTH_FULL_NAME);
    return *formatter;
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
    icu::ListFormatter *list = unitList();
    if (parts.isEmpty() || !list)
        return {};
    UErrorCode status = U_ZERO_ERROR;
    std::vector<icu::UnicodeString> measures;
    measures.reserve(parts.size());
    for (const SpanPart &part : parts)
        measures.push_back(unitFormatter(part.unit).formatInt(part.amount, status).toString(status));
    icu::UnicodeString out;
    list->format(measures.data(), int32_t(measures.size()), out, status);
    return U_SUCCESS(status) ? fromIcu(out) : QString();
}

QString unitWord(CountUnit unit, qint64 amount)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::number::FormattedNumber formatted = unitFormatter(unit).formatInt(amount, status);
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
    if (event.unit() == CountUnit::Days)
        return {CalendarHelper::getDayCount(event), {}};
    const EventCount count = ofEvent(event);
    const CountSpan parts = shownParts(count.span);
    if (parts.isEmpty())
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
