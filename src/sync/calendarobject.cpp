#include "calendarobject.h"

#include "objectfields.h"
#include "objectsplice.h"
#include "sortkeys.h"

#include <calendar/icalendarexport.h>
#include <calendar/icalendarimport.h>
#include <calendar/libicalsupport.h>
#include <calendar/ownalarms.h>
#include <model/calendarhelper.h>
#include <store/eventrules.h>

#include <QUuid>

namespace {

using CalendarObject::Refusal;
using ICalendarImport::Entry;

// Ids made from UIDs that are no UUID: the same UID gives the same id on every device, so
// that two devices reading one object keep one event.
const QUuid kUidNamespace(QStringLiteral("c0af8c38-013b-4b67-9e5d-14339178d682"));

QString idFromUid(const QString &uid)
{
    const QString id = EventRules::eventIdFrom(uid);
    return id.isEmpty() ? QUuid::createUuidV5(kUidNamespace, uid).toString(QUuid::WithoutBraces).toUpper() : id;
}

// X- property values: texts as they are, flags TRUE or FALSE, numbers in decimal.
QByteArray encode(const QString &value) { return value.toUtf8(); }
QByteArray encode(bool value) { return value ? "TRUE" : "FALSE"; }
QByteArray encode(qint64 value) { return QByteArray::number(value); }

template<typename T>
std::optional<QByteArray> encoded(const T &value)
{
    return encode(value);
}

template<typename T>
std::optional<QByteArray> encoded(const std::optional<T> &value)
{
    return value ? std::optional(encode(*value)) : std::nullopt;
}

bool decode(const QByteArray &text, QString &out)
{
    out = QString::fromUtf8(text);
    return true;
}

bool decode(const QByteArray &text, bool &out)
{
    out = text.compare("TRUE", Qt::CaseInsensitive) == 0;
    return out || text.compare("FALSE", Qt::CaseInsensitive) == 0;
}

bool decode(const QByteArray &text, qint64 &out)
{
    bool ok = false;
    out = text.toLongLong(&ok);
    return ok;
}

template<typename T>
bool decode(const QByteArray &text, std::optional<T> &out)
{
    T value{};
    if (!decode(text, value))
        return false;
    out = std::move(value);
    return true;
}

QList<icalproperty *> propertiesNamed(icalcomponent *component, const char *name)
{
    QList<icalproperty *> found;
    for (icalproperty *p = icalcomponent_get_first_property(component, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_X_PROPERTY)) {
        const char *xName = icalproperty_get_x_name(p);
        if (xName && qstricmp(xName, name) == 0)
            found.append(p);
    }
    return found;
}

void removeProperties(icalcomponent *component, const QList<icalproperty *> &properties)
{
    for (icalproperty *p : properties) {
        icalcomponent_remove_property(component, p);
        icalproperty_free(p);
    }
}

std::optional<QByteArray> xValue(icalcomponent *component, const char *name)
{
    const QList<icalproperty *> found = propertiesNamed(component, name);
    const char *value = found.isEmpty() ? nullptr : icalproperty_get_value_as_string(found.constFirst());
    return value ? std::optional(QByteArray(value)) : std::nullopt;
}

// The property `name` with `value`, or none when there is no value.
void setXValue(icalcomponent *component, const char *name, const std::optional<QByteArray> &value)
{
    removeProperties(component, propertiesNamed(component, name));
    if (!value)
        return;
    icalproperty *property = icalproperty_new_x(value->constData());
    icalproperty_set_x_name(property, name);
    icalcomponent_add_property(component, property);
}

bool hasOwnProperties(icalcomponent *vevent)
{
    for (icalproperty *p = icalcomponent_get_first_property(vevent, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(vevent, ICAL_X_PROPERTY)) {
        const char *xName = icalproperty_get_x_name(p);
        if (xName && qstrnicmp(xName, ObjectFields::kPrefix, qstrlen(ObjectFields::kPrefix)) == 0)
            return true;
    }
    return false;
}

// An object as read: its calendar, the event itself (the VEVENT without RECURRENCE-ID) and
// what the import reads of that event.
struct Parsed
{
    LibIcal::Component root;
    icalcomponent *master = nullptr;
    qsizetype masterIndex = 0; // among the VEVENTs, in the text's order
    Entry entry;
};

// The import's reading (its size, structure and time zone checks) first; libical's tree of
// the same text for what the import does not read.
std::optional<Parsed> parse(const QByteArray &object, Refusal &refusal)
{
    refusal = Refusal::NotAnObject;
    const ICalendarImport::Reading reading = ICalendarImport::read(object);
    if (reading.status != ICalendarImport::Reading::Status::Read) {
        if (reading.status == ICalendarImport::Reading::Status::TooLarge)
            refusal = Refusal::TooLarge;
        return std::nullopt;
    }
    LibIcal::prepare();
    const QByteArray text = ICalendarImport::withoutByteOrderMark(object).toByteArray();
    Parsed parsed{LibIcal::Component(icalparser_parse_string(text.constData())), nullptr, 0, {}};
    if (!parsed.root || icalcomponent_isa(parsed.root.get()) != ICAL_VCALENDAR_COMPONENT)
        return std::nullopt;
    qsizetype index = 0;
    qsizetype masterIndex = -1;
    for (icalcomponent *vevent = icalcomponent_get_first_component(parsed.root.get(), ICAL_VEVENT_COMPONENT); vevent;
         vevent = icalcomponent_get_next_component(parsed.root.get(), ICAL_VEVENT_COMPONENT), ++index) {
        if (icalcomponent_get_first_property(vevent, ICAL_RECURRENCEID_PROPERTY))
            continue;
        if (parsed.master)
            return std::nullopt; // two events in one object
        parsed.master = vevent;
        masterIndex = index;
    }
    if (!parsed.master || reading.entries.size() != index)
        return std::nullopt;
    parsed.masterIndex = masterIndex;
    parsed.entry = reading.entries.at(masterIndex);
    if (parsed.entry.uid.isEmpty())
        return std::nullopt;
    refusal = Refusal::None;
    return parsed;
}

// The event as the object describes it, before the rules refuse anything. What it does not
// say is what an event of another program gets.
SyncedEvent fieldsOf(const Parsed &parsed)
{
    const Entry &entry = parsed.entry;
    icalcomponent *vevent = parsed.master;
    const ColorProvider *defaultTheme = EventRules::themeWithId(EventRules::kDefaultThemeId);
    SyncedEvent synced;
    EDate &event = synced.event;
    event.countdown = true;
    if (defaultTheme)
        EventRules::applyTheme(event, *defaultTheme);
    event.id = idFromUid(entry.uid);
    event.dateTitle = EventRules::fittedTitle(entry.title);
    event.ddate = entry.day ? EventRules::storedDay(*entry.day) : QString();

    // In Tallowick's own object an optional field without its property is absent; a value
    // that does not read keeps the default.
    const bool own = hasOwnProperties(vevent);
    ObjectFields::forEach([&](const char *name, auto member) {
        auto &field = event.*member;
        const auto text = xValue(vevent, name);
        if (text) {
            std::decay_t<decltype(field)> value{};
            if (decode(*text, value))
                field = std::move(value);
        } else if constexpr (!std::is_same_v<std::decay_t<decltype(field)>, QString>
                             && !std::is_same_v<std::decay_t<decltype(field)>, bool>) {
            if (own)
                field.reset();
        }
    });
    if (event.colorIndex && !EventRules::isKnownTheme(*event.colorIndex) && defaultTheme)
        EventRules::applyTheme(event, *defaultTheme);
    if (event.repeatNotification && (*event.repeatNotification < 0 || *event.repeatNotification > 3))
        event.repeatNotification.reset();

    // Another program's change to a standard property wins over the stored value it
    // contradicts: a yearly rule added or removed, Tallowick's alarms changed.
    const bool yearly = entry.repeat == Entry::Repeat::Yearly;
    if (event.repeatsYearly() != yearly)
        event.repeat = yearly ? std::optional(QString::fromLatin1(EDate::kRepeatYearly)) : std::nullopt;
    const QList<int> alarmDays = OwnAlarms::daysIn(vevent);
    if (OwnAlarms::daysFor(event) != alarmDays) {
        if (const auto code = OwnAlarms::codeFor(alarmDays))
            event.repeatNotification = code;
    }

    const auto key = xValue(vevent, ObjectFields::kSortKey);
    if (key && SortKeys::isValid(QString::fromUtf8(*key)))
        synced.sortKey = QString::fromUtf8(*key);
    return synced;
}

// The event an object describes, refused or not; nothing when it is no object.
std::optional<SyncedEvent> described(const QByteArray &object)
{
    Refusal refusal = Refusal::None;
    const auto parsed = parse(object, refusal);
    return parsed ? std::optional(fieldsOf(*parsed)) : std::nullopt;
}

// Tallowick's own properties of the event; with `current`, only those whose value differs.
// Returns the names of those written (or removed, for an absent value).
QList<QByteArray> writeOwnProperties(icalcomponent *vevent, const SyncedEvent &synced, const SyncedEvent *current)
{
    QList<QByteArray> written;
    ObjectFields::forEach([&](const char *name, auto member) {
        if (!current || current->event.*member != synced.event.*member) {
            setXValue(vevent, name, encoded(synced.event.*member));
            written.append(name);
        }
    });
    if (!current || current->sortKey != synced.sortKey) {
        setXValue(vevent, ObjectFields::kSortKey,
                  synced.sortKey.isEmpty() ? std::nullopt : std::optional(synced.sortKey.toUtf8()));
        written.append(ObjectFields::kSortKey);
    }
    return written;
}

// The export's calendar of the one event, as libical's tree; nothing without a day.
std::optional<std::pair<LibIcal::Component, icalcomponent *>> exported(const EDate &event, const QDateTime &stamp)
{
    LibIcal::prepare();
    LibIcal::Component root(icalparser_parse_string(ICalendarExport::calendar({event}, stamp).constData()));
    icalcomponent *vevent = root ? icalcomponent_get_first_component(root.get(), ICAL_VEVENT_COMPONENT) : nullptr;
    if (!vevent)
        return std::nullopt;
    return std::pair(std::move(root), vevent);
}

} // namespace

namespace CalendarObject {

std::optional<QByteArray> of(const SyncedEvent &synced, const QDateTime &stamp)
{
    auto fresh = exported(synced.event, stamp);
    if (!fresh)
        return std::nullopt;
    // A calendar's name belongs to the collection, not to each of its objects.
    removeProperties(fresh->first.get(), propertiesNamed(fresh->first.get(), "X-WR-CALNAME"));
    writeOwnProperties(fresh->second, synced, nullptr);
    return LibIcal::text(fresh->first.get());
}

std::optional<QByteArray> writtenOver(const QByteArray &serverCopy, const SyncedEvent &synced, const QDateTime &stamp)
{
    // The splice goes by lines; a byte order mark before the first would hide its BEGIN.
    const QByteArray serverObject = ICalendarImport::withoutByteOrderMark(serverCopy).toByteArray();
    Refusal refusal = Refusal::None;
    auto parsed = parse(serverObject, refusal);
    auto fresh = exported(synced.event, stamp);
    if (!parsed || !fresh)
        return std::nullopt;
    icalcomponent *vevent = parsed->master;
    icalcomponent *source = fresh->second;
    const EDate &event = synced.event;
    const SyncedEvent current = fieldsOf(*parsed);

    // What changes is gathered in a component of its own and spliced into the server's text.
    const LibIcal::Component changes(icalcomponent_new_vevent());
    ObjectSplice::Edit edit;
    edit.eventIndex = parsed->masterIndex;
    const auto replace = [&](icalproperty_kind kind) {
        edit.removedNames.append(QByteArray(icalproperty_kind_to_string(kind)).toUpper());
        for (icalproperty *p = icalcomponent_get_first_property(source, kind); p;
             p = icalcomponent_get_next_property(source, kind))
            icalcomponent_add_property(changes.get(), icalproperty_new_clone(p));
    };
    replace(ICAL_DTSTAMP_PROPERTY);
    if (current.event.dateTitle != event.dateTitle)
        replace(ICAL_SUMMARY_PROPERTY);
    const bool dayChanged = parsed->entry.day != CalendarHelper::dayOf(event.ddate);
    if (dayChanged) {
        replace(ICAL_DTSTART_PROPERTY);
        replace(ICAL_DTEND_PROPERTY);
        replace(ICAL_DURATION_PROPERTY);
    }
    if (dayChanged || (parsed->entry.repeat == Entry::Repeat::Yearly) != event.repeatsYearly())
        replace(ICAL_RRULE_PROPERTY);
    if (OwnAlarms::daysIn(vevent) != OwnAlarms::daysFor(event)) {
        edit.removeOwnAlarms = true;
        edit.ownAlarmTime = OwnAlarms::timeIn(vevent);
        for (icalcomponent *alarm = icalcomponent_get_first_component(source, ICAL_VALARM_COMPONENT); alarm;
             alarm = icalcomponent_get_next_component(source, ICAL_VALARM_COMPONENT))
            icalcomponent_add_component(changes.get(), icalcomponent_new_clone(alarm));
    }
    // Into another program's object all of them, so that it reads back as this record.
    for (const QByteArray &name : writeOwnProperties(changes.get(), synced, hasOwnProperties(vevent) ? &current : nullptr))
        edit.removedNames.append(name.toUpper());

    // The changes' lines without their BEGIN:VEVENT and END:VEVENT.
    edit.addedLines = LibIcal::text(changes.get());
    edit.addedLines = edit.addedLines.mid(edit.addedLines.indexOf('\n') + 1);
    edit.addedLines.chop(edit.addedLines.size() - edit.addedLines.lastIndexOf("END:VEVENT"));
    const QByteArray written = ObjectSplice::apply(serverObject, edit);
    // It must say what a fresh object of the event says: text whose lines the splice took
    // otherwise than libical did is not sent.
    const auto intended = of(synced, stamp);
    if (!intended || described(written) != described(*intended))
        return std::nullopt;
    return written;
}

Reading read(const QByteArray &object)
{
    Refusal refusal = Refusal::None;
    const auto parsed = parse(object, refusal);
    if (!parsed)
        return {std::nullopt, refusal};
    const Entry &entry = parsed->entry;
    if (entry.cancelled)
        return {std::nullopt, Refusal::Cancelled};
    SyncedEvent synced = fieldsOf(*parsed);
    if (synced.event.dateTitle.isEmpty())
        return {std::nullopt, Refusal::NoTitle};
    if (!entry.day || !EventRules::isStorableDay(*entry.day))
        return {std::nullopt, Refusal::NoDate};
    if (entry.repeat == Entry::Repeat::Other)
        return {std::nullopt, Refusal::OtherRepeat};
    return {std::move(synced), Refusal::None};
}

} // namespace CalendarObject
