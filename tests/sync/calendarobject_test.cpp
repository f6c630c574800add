#include <calendar/icalendarexport.h>
#include <model/resources.h>
#include <store/eventrules.h>
#include <support/testevents.h>
#include <sync/calendarobject.h>

#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

using CalendarObject::Refusal;

const QDateTime kStamp(QDate(2026, 12, 1), QTime(9, 30), Qt::UTC);

std::string describe(const std::optional<SyncedEvent> &synced)
{
    if (!synced)
        return "(nothing)";
    return (QJsonDocument(synced->event.toJson()).toJson(QJsonDocument::Compact) + " key=" + synced->sortKey.toUtf8())
        .toStdString();
}

QByteArray calendarOf(const QByteArray &body)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\n" + body + "END:VCALENDAR\r\n";
}

QList<QByteArray> linesOf(const QByteArray &text)
{
    QByteArray unfolded = text;
    unfolded.replace("\r\n ", "");
    QList<QByteArray> lines = unfolded.split('\n');
    for (QByteArray &line : lines)
        line = line.trimmed();
    return lines;
}

// Every kind of event the list holds comes back from its object as the same record.
TEST(CalendarObject, EveryKindOfEventReadsBackAsItsRecord)
{
    const EDate base = TestEvent::numbered(1).titled(QStringLiteral("Trip"));
    QList<SyncedEvent> cases{
        {base, QStringLiteral("V")},
        {TestEvent::from(base).yearly(), QStringLiteral("a0V")},
        {TestEvent::from(base).on("2028-02-29").yearly(), {}},
        {TestEvent::from(base).counting(false).reminder(2), {}},
        {TestEvent::from(base).counting(std::nullopt), {}},
        {TestEvent::from(base).theme(std::nullopt), {}},
        {TestEvent::from(base).titled(QStringLiteral("한국어 🎉 ä")), {}},
        {TestEvent::from(base).countedIn(QStringLiteral("months")), {}},
    };
    for (const qint64 code : {0, 1, 2, 3})
        cases.append({TestEvent::from(base).reminder(code), {}});
    EDate flagged = base;
    flagged.notification = true;
    flagged.repeat = QStringLiteral("monthly"); // a kind of a later version, kept as written
    cases.append({flagged, {}});
    for (const ColorProvider &theme : colorSets()) {
        EDate themed = base;
        EventRules::applyTheme(themed, theme);
        cases.append({themed, {}});
    }
    for (const EDate &sample : defaultEvents())
        cases.append({sample, QStringLiteral("z")});

    for (const SyncedEvent &synced : cases) {
        const auto object = CalendarObject::of(synced, kStamp);
        ASSERT_TRUE(object) << describe(synced);
        const CalendarObject::Reading reading = CalendarObject::read(*object);
        EXPECT_EQ(reading.refusal, Refusal::None) << describe(synced);
        EXPECT_TRUE(reading.synced == synced) << describe(synced) << "\nread back " << describe(reading.synced) << "\n"
                                              << object->toStdString();
        EXPECT_TRUE(object->contains("UID:" + synced.event.id.toUtf8()));
    }
    EXPECT_FALSE(CalendarObject::of({TestEvent::from(base).on("no date"), {}}, kStamp));
}

// Another program's parts of an object, byte for byte as it wrote them (a folded line too).
const QByteArray kZone = "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:STANDARD\r\nDTSTART:19701025T030000\r\n"
                         "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\n"
                         "END:STANDARD\r\nEND:VTIMEZONE\r\n";
const QByteArray kOtherProperties = "DESCRIPTION:Bring passports\\, tickets\r\nCATEGORIES:TRAVEL,FAMILY\r\n"
                                    "X-OTHER;X-PARAM=1:kept as it is\r\n and folded\r\n";
const QByteArray kOtherAlarm = "BEGIN:VALARM\r\nACTION:AUDIO\r\nTRIGGER:-PT30M\r\nEND:VALARM\r\n";
const QByteArray kOverride = "BEGIN:VEVENT\r\nUID:0E8B2D63-6C7A-4C1E-9F0E-6A1B2C3D4E5F\r\nDTSTAMP:20260101T000000Z\r\n"
                             "RECURRENCE-ID;VALUE=DATE:20280501\r\nDTSTART;TZID=Europe/Berlin:20280502T090000\r\n"
                             "SUMMARY:Moved this once\r\nEND:VEVENT\r\n";
const QByteArray kForeignObject = calendarOf(
    kZone + "BEGIN:VEVENT\r\nUID:0E8B2D63-6C7A-4C1E-9F0E-6A1B2C3D4E5F\r\nDTSTAMP:20260101T000000Z\r\n"
    "DTSTART;VALUE=DATE:20270501\r\nDTEND;VALUE=DATE:20270502\r\nSUMMARY:A summer trip to the seaside town\r\n"
    "RRULE:FREQ=YEARLY\r\n" + kOtherProperties + kOtherAlarm
    + "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:ours\r\nTRIGGER:PT600M\r\nEND:VALARM\r\n"
    "END:VEVENT\r\n" + kOverride);

// What other programs put into an object survives Tallowick's writing its own fields into it.
TEST(CalendarObject, WritingOverKeepsWhatOtherProgramsWrote)
{
    const CalendarObject::Reading foreign = CalendarObject::read(kForeignObject);
    ASSERT_TRUE(foreign.synced) << int(foreign.refusal);
    EXPECT_EQ(foreign.synced->event.repeatNotification, 1) << "PT600M is 10:00 on the day";

    // Unchanged, the long title stays whole and the server's start, rule and alarms stay.
    const auto unchanged = CalendarObject::writtenOver(kForeignObject, *foreign.synced, kStamp);
    ASSERT_TRUE(unchanged);
    const QList<QByteArray> unchangedLines = linesOf(*unchanged);
    for (const char *line : {"SUMMARY:A summer trip to the seaside town", "TRIGGER:PT600M", "RRULE:FREQ=YEARLY"})
        EXPECT_TRUE(unchangedLines.contains(line)) << line;
    EXPECT_TRUE(CalendarObject::read(*unchanged).synced == foreign.synced);

    SyncedEvent changed = *foreign.synced;
    changed.event.dateTitle = QStringLiteral("Seaside");
    changed.event.ddate = QStringLiteral("2027-06-03");
    changed.event.repeatNotification = 2;
    changed.event.countdown = false;
    changed.sortKey = QStringLiteral("a1");
    const auto written = CalendarObject::writtenOver(kForeignObject, changed, kStamp);
    ASSERT_TRUE(written);
    for (const QByteArray &kept : {kZone, kOtherProperties, kOtherAlarm, kOverride})
        EXPECT_TRUE(written->contains(kept)) << kept.toStdString() << "\n" << written->toStdString();
    const QList<QByteArray> lines = linesOf(*written);
    for (const char *gone : {"TRIGGER:PT600M", "SUMMARY:A summer trip to the seaside town", "RRULE:FREQ=YEARLY"})
        EXPECT_FALSE(lines.contains(gone)) << gone << " (a count-up event does not repeat)";
    EXPECT_TRUE(lines.contains("DTSTART;VALUE=DATE:20270603"));
    EXPECT_TRUE(CalendarObject::read(*written).synced == changed) << describe(CalendarObject::read(*written).synced);

    // Written over once more unchanged, nothing but its stamp is written anew.
    const auto again = CalendarObject::writtenOver(*written, changed, kStamp.addDays(1));
    ASSERT_TRUE(again);
    EXPECT_EQ(ICalendarExport::withoutStamps(*again), ICalendarExport::withoutStamps(*written));
    EXPECT_NE(*again, *written);
    EXPECT_FALSE(CalendarObject::writtenOver("no calendar", changed, kStamp));

    // A copy that starts with a byte order mark is the same object.
    const QByteArray marked = "\xEF\xBB\xBF" + kForeignObject;
    EXPECT_TRUE(CalendarObject::read(marked).synced == foreign.synced);
    const auto overMarked = CalendarObject::writtenOver(marked, changed, kStamp);
    ASSERT_TRUE(overMarked);
    EXPECT_EQ(*overMarked, *written);
}

// Own alarms written at another reminder time are still Tallowick's: they read as the choice
// and a new choice replaces them, while another program's alarm stays.
TEST(CalendarObject, OwnAlarmsAtAnotherTimeOfDayAreStillOwn)
{
    for (const QByteArray &trigger : {QByteArray("PT7H5M"), QByteArray("PT0S"), QByteArray("PT23H59M")}) {
        const QByteArray object = QByteArray(kForeignObject).replace("TRIGGER:PT600M", "TRIGGER:" + trigger);
        const CalendarObject::Reading foreign = CalendarObject::read(object);
        ASSERT_TRUE(foreign.synced) << trigger.constData();
        EXPECT_EQ(foreign.synced->event.repeatNotification, 1) << trigger.constData();
        SyncedEvent changed = *foreign.synced;
        changed.event.repeatNotification = 2;
        const auto written = CalendarObject::writtenOver(object, changed, kStamp);
        ASSERT_TRUE(written) << trigger.constData();
        EXPECT_TRUE(written->contains(kOtherAlarm)) << written->toStdString();
        EXPECT_FALSE(linesOf(*written).contains("TRIGGER:" + trigger)) << written->toStdString();
        EXPECT_EQ(CalendarObject::read(*written).synced->event.repeatNotification, 2) << trigger.constData();
    }
}

// Each change Tallowick makes to its own object reads back, and leaves the other fields' lines.
TEST(CalendarObject, EachChangeToItsOwnObjectReadsBack)
{
    const SyncedEvent base{TestEvent::numbered(2).yearly().reminder(1), QStringLiteral("V")};
    const QByteArray object = *CalendarObject::of(base, kStamp);
    const auto changed = [&](auto change) {
        SyncedEvent copy = base;
        change(copy);
        return copy;
    };
    const EDate themed = [&] {
        EDate event = base.event;
        EventRules::applyTheme(event, colorSets().constLast());
        return event;
    }();
    const QList<SyncedEvent> cases{
        changed([](SyncedEvent &s) { s.event.dateTitle = QStringLiteral("New title"); }),
        changed([](SyncedEvent &s) { s.event.ddate = QStringLiteral("2032-02-29"); }),
        changed([](SyncedEvent &s) { s.event.repeat.reset(); }),
        changed([](SyncedEvent &s) { s.event.repeatNotification = 3; }),
        changed([](SyncedEvent &s) { s.event.repeatNotification.reset(); }),
        changed([](SyncedEvent &s) { s.event.countdown = false; }),
        changed([&](SyncedEvent &s) { s.event = themed; }),
        changed([](SyncedEvent &s) { s.sortKey = QStringLiteral("U"); }),
        changed([](SyncedEvent &s) { s.sortKey.clear(); }),
    };
    for (const SyncedEvent &synced : cases) {
        const auto written = CalendarObject::writtenOver(object, synced, kStamp);
        ASSERT_TRUE(written) << describe(synced);
        EXPECT_TRUE(CalendarObject::read(*written).synced == synced)
            << describe(synced) << "\nread back " << describe(CalendarObject::read(*written).synced);
        // Lines of unchanged fields stay: the event's UID and transparency among them.
        const QList<QByteArray> lines = linesOf(*written);
        EXPECT_TRUE(lines.contains("UID:" + base.event.id.toUtf8()) && lines.contains("TRANSP:TRANSPARENT"));
    }
}

// Another program's object: a count-down event in the default theme, its title cut, its start
// the local day, reminders from Tallowick's own alarm triggers only, no place in the order.
TEST(CalendarObject, AnotherProgramsEventGetsTheDefaults)
{
    // 16:30 UTC is 01:30 the next day in Seoul, the tests' zone.
    const QByteArray object = calendarOf(
        "BEGIN:VEVENT\r\nUID:lunch-42@example.org\r\nDTSTAMP:20260101T000000Z\r\nDTSTART:20270410T163000Z\r\n"
        "SUMMARY:  Lunch with the whole team at the harbour  \r\n"
        "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-P6DT14H\r\nEND:VALARM\r\n"
        "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\nEND:VEVENT\r\n");
    const CalendarObject::Reading reading = CalendarObject::read(object);
    ASSERT_TRUE(reading.synced);
    const EDate &event = reading.synced->event;
    EDate expected = TestEvent::numbered(0)
                         .titled(EventRules::fittedTitle(QStringLiteral("Lunch with the whole team at the harbour")))
                         .on("2027-04-11")
                         .withId(event.id);
    EventRules::applyTheme(expected, *EventRules::themeWithId(EventRules::kDefaultThemeId));
    EXPECT_TRUE(event == expected) << describe(reading.synced);
    EXPECT_EQ(EventRules::titleLength(event.dateTitle), EventRules::kMaxTitleLength);
    EXPECT_EQ(reading.synced->sortKey, QString());
    // A UID that is no UUID gives an id that is one, the same on every reading.
    EXPECT_EQ(EventRules::eventIdFrom(event.id), event.id);
    EXPECT_EQ(CalendarObject::read(object).synced->event.id, event.id);
    // An own alarm on the 7th day before alone matches no reminder choice; all eight do.
    EXPECT_EQ(event.repeatNotification, std::nullopt);
    QByteArray sevenDays = "BEGIN:VEVENT\r\nUID:x\r\nDTSTART;VALUE=DATE:20270410\r\nSUMMARY:Week\r\n";
    for (const char *trigger : {"PT10H", "-PT14H", "-P1DT14H", "-P2DT14H", "-P3DT14H", "-P4DT14H", "-P5DT14H", "-P6DT14H"})
        sevenDays += "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:" + QByteArray(trigger) + "\r\nEND:VALARM\r\n";
    EXPECT_EQ(CalendarObject::read(calendarOf(sevenDays + "END:VEVENT\r\n")).synced->event.repeatNotification, 3);
}

// Another program's changes to the standard properties of Tallowick's object win over the
// stored values they contradict.
TEST(CalendarObject, StandardPropertiesChangedElsewhereWin)
{
    const SyncedEvent synced{TestEvent::numbered(3).yearly().reminder(2), QStringLiteral("b")};
    QByteArray object = *CalendarObject::of(synced, kStamp);
    QByteArray edited;
    for (const QByteArray &line : linesOf(object)) {
        if (line.startsWith("RRULE") || line.startsWith("TRIGGER") || line.isEmpty())
            continue;
        edited += (line.startsWith("SUMMARY") ? QByteArray("SUMMARY:Renamed") : line) + "\r\n";
    }
    const auto reading = CalendarObject::read(edited);
    ASSERT_TRUE(reading.synced) << edited.toStdString();
    SyncedEvent expected = synced;
    expected.event.dateTitle = QStringLiteral("Renamed");
    expected.event.repeat.reset();
    expected.event.repeatNotification = 0;
    EXPECT_TRUE(reading.synced == expected) << describe(reading.synced);
}

TEST(CalendarObject, ObjectsWithoutAnEventAreRefused)
{
    const QByteArray head = "BEGIN:VEVENT\r\nUID:u\r\nDTSTART;VALUE=DATE:20270101\r\n";
    const struct
    {
        QByteArray object;
        Refusal refusal;
    } cases[] = {
        {"BEGIN:VCALENDAR\r\nEND:VCAL", Refusal::NotAnObject},
        {calendarOf(""), Refusal::NotAnObject},
        {calendarOf(head + "SUMMARY:A\r\nEND:VEVENT\r\n" + head + "SUMMARY:B\r\nEND:VEVENT\r\n"), Refusal::NotAnObject},
        {calendarOf("BEGIN:VEVENT\r\nUID:u\r\nRECURRENCE-ID;VALUE=DATE:20270101\r\nDTSTART;VALUE=DATE:20270102\r\n"
                    "SUMMARY:A\r\nEND:VEVENT\r\n"),
         Refusal::NotAnObject},
        {calendarOf("BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20270101\r\nSUMMARY:No UID\r\nEND:VEVENT\r\n"), Refusal::NotAnObject},
        {calendarOf(head + "SUMMARY:A\r\nSTATUS:CANCELLED\r\nEND:VEVENT\r\n"), Refusal::Cancelled},
        {calendarOf(head + "SUMMARY: \r\nEND:VEVENT\r\n"), Refusal::NoTitle},
        {calendarOf("BEGIN:VEVENT\r\nUID:u\r\nSUMMARY:A\r\nEND:VEVENT\r\n"), Refusal::NoDate},
        {calendarOf(head + "SUMMARY:A\r\nRRULE:FREQ=WEEKLY\r\nEND:VEVENT\r\n"), Refusal::OtherRepeat},
        {calendarOf(head + "SUMMARY:A\r\n" + QByteArray(9 * 1024 * 1024, 'x') + "\r\nEND:VEVENT\r\n"), Refusal::TooLarge},
    };
    for (const auto &c : cases) {
        const CalendarObject::Reading reading = CalendarObject::read(c.object);
        EXPECT_EQ(reading.refusal, c.refusal) << c.object.left(300).toStdString();
        EXPECT_FALSE(reading.synced);
    }
}

} // namespace
