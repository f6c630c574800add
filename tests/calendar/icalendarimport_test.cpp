#include <calendar/icalendarexport.h>
#include <calendar/icalendarimport.h>
#include <support/testenvironment.h>
#include <support/testevents.h>

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

using ICalendarImport::Entry;
using ICalendarImport::Reading;

QByteArray fixture(const char *name)
{
    return readFile(QStringLiteral(TALLOWICK_CALENDAR_FILES "/") + QLatin1String(name));
}

QByteArray calendarOf(const QByteArray &body)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n" + body + "END:VCALENDAR\r\n";
}

QStringList titles(const Reading &reading)
{
    QStringList titles;
    for (const Entry &entry : reading.entries)
        titles.append(entry.title);
    return titles;
}

class Reader : public ::testing::Test
{
protected:
    ScopedTimeZone zone{"Asia/Seoul"};
};

} // namespace

TEST_F(Reader, BirthdaysWithYearlyRulesAndTheRulesTallowickCannotFollow)
{
    const Reading reading = ICalendarImport::read(fixture("birthdays-google.ics"));
    ASSERT_EQ(reading.status, Reading::Status::Read);
    ASSERT_EQ(reading.entries.size(), 6);
    const Entry &mum = reading.entries.at(0);
    EXPECT_EQ(mum.uid, QStringLiteral("2dqf8bd0vi3p5j0n5kd7vgd6lo@google.com"));
    EXPECT_EQ(mum.title, QStringLiteral("Mum's birthday"));
    EXPECT_EQ(mum.day, QDate(1990, 5, 15));
    // Bare, with its month and day spelled out, and on 29 February: every year.
    for (int i : {0, 1, 2})
        EXPECT_EQ(reading.entries.at(i).repeat, Entry::Repeat::Yearly) << i;
    EXPECT_EQ(reading.entries.at(2).day, QDate(2000, 2, 29));
    // The second Sunday of May, or three years only: not a day Tallowick can repeat.
    EXPECT_EQ(reading.entries.at(3).repeat, Entry::Repeat::Other);
    EXPECT_EQ(reading.entries.at(4).repeat, Entry::Repeat::Other);
    // One occurrence moved: part of Mum's series, not an event of its own.
    EXPECT_TRUE(reading.entries.at(5).changesOneOccurrence);
    EXPECT_FALSE(mum.changesOneOccurrence);
}

TEST_F(Reader, TimedEventsFallOnTheirLocalDayThroughTheFilesTimeZone)
{
    // "W. Europe Standard Time" is known only from the file's VTIMEZONE (CET, CEST from the
    // last Sunday of March): 23:30 on 10 March there is 07:30 on the 11th in Seoul.
    Reading reading = ICalendarImport::read(fixture("timed-outlook.ics"));
    ASSERT_EQ(reading.status, Reading::Status::Read);
    EXPECT_EQ(titles(reading), (QStringList{"Late call with Seoul", "Dentist", "Flight home", "Team dinner"}));
    EXPECT_EQ(reading.entries.at(0).day, QDate(2026, 3, 11));
    EXPECT_EQ(reading.entries.at(1).day, QDate(2026, 7, 1));
    EXPECT_EQ(reading.entries.at(2).day, QDate(2026, 12, 25)); // 20:00 UTC
    EXPECT_TRUE(reading.entries.at(3).cancelled);
    EXPECT_FALSE(reading.entries.at(0).reminders); // a 15-minute alarm is none of Tallowick's

    ScopedTimeZone newYork("America/New_York");
    reading = ICalendarImport::read(fixture("timed-outlook.ics"));
    EXPECT_EQ(reading.entries.at(0).day, QDate(2026, 3, 10));
    EXPECT_EQ(reading.entries.at(2).day, QDate(2026, 12, 24));
    // A floating time is the same wall-clock day everywhere.
    const Reading floating = ICalendarImport::read(
        calendarOf("BEGIN:VEVENT\r\nUID:f\r\nDTSTART:20260310T233000\r\nSUMMARY:Floating\r\nEND:VEVENT\r\n"));
    EXPECT_EQ(floating.entries.at(0).day, QDate(2026, 3, 10));
}

TEST_F(Reader, RulesAreReadAsTheirWritersMeantThemInEachZone)
{
    using Repeat = Entry::Repeat;
    const struct
    {
        const char *file;
        const char *uid;
        const char *zone;
        QDate day;
        Repeat repeat;
    } cases[] = {
        // Read past its byte order mark, not refused as no calendar.
        {"byte-order-mark.ics", "bom-1@outlook", "Europe/Berlin", {2015, 6, 20}, Repeat::Yearly},
        // Rules libical cannot read repeat all the same, in some way nobody can follow.
        {"unreadable-rules.ics", "count-minus-one", "Europe/Berlin", {2027, 1, 4}, Repeat::Other},
        {"unreadable-rules.ics", "misspelt-until", "Europe/Berlin", {2027, 1, 5}, Repeat::Other},
        {"unreadable-rules.ics", "unknown-frequency", "Europe/Berlin", {2027, 1, 6}, Repeat::Other},
        {"unreadable-rules.ics", "extra-dates", "Europe/Berlin", {2027, 3, 1}, Repeat::Other},
        // The 2nd of every month; Chinese New Year (6 February in 2027); 1 March in common years.
        {"yearly-otherwise.ics", "monthly-on-the-2nd", "Europe/Berlin", {2027, 1, 2}, Repeat::Other},
        {"yearly-otherwise.ics", "chinese-new-year", "Europe/Berlin", {2026, 2, 17}, Repeat::Other},
        {"yearly-otherwise.ics", "leap-day-forward", "Europe/Berlin", {2024, 2, 29}, Repeat::Other},
        // 28 February in common years, as Tallowick shows a 29 February.
        {"yearly-otherwise.ics", "leap-day-backward", "Europe/Berlin", {2024, 2, 29}, Repeat::Yearly},
        {"yearly-otherwise.ics", "leap-day-last", "Europe/Berlin", {2024, 2, 29}, Repeat::Yearly},
        // 1 August at 19:00 in Los Angeles is 2 August in Berlin: every year on its own day there.
        {"evening-los-angeles.ics", "summer-party@google.com", "Europe/Berlin", {2026, 8, 2}, Repeat::Yearly},
        {"evening-los-angeles.ics", "summer-party@google.com", "America/Los_Angeles", {2026, 8, 1}, Repeat::Yearly},
    };
    for (const auto &c : cases) {
        ScopedTimeZone zone(c.zone);
        const Reading reading = ICalendarImport::read(fixture(c.file));
        ASSERT_EQ(reading.status, Reading::Status::Read) << c.file;
        const auto entry = std::find_if(reading.entries.begin(), reading.entries.end(),
                                        [&](const Entry &e) { return e.uid == QLatin1String(c.uid); });
        ASSERT_NE(entry, reading.entries.end()) << c.uid;
        EXPECT_EQ(entry->day, c.day) << c.uid << " in " << c.zone;
        EXPECT_EQ(entry->repeat, c.repeat) << c.uid << " in " << c.zone;
    }
}

TEST_F(Reader, FoldedLinesAndEscapesAreUnfolded)
{
    const Reading reading = ICalendarImport::read(fixture("folded-lines.ics"));
    ASSERT_EQ(reading.status, Reading::Status::Read);
    EXPECT_EQ(titles(reading), (QStringList{QStringLiteral("Graduation day, at last"), QString::fromUtf8("할머니 팔순 잔치"),
                                            QStringLiteral("Tea, cake; and a \\ backslash")}));
}

// Whatever time of day the reminders were exported at, they read back as the same choice.
TEST_F(Reader, TallowicksOwnAlarmsAreItsReminderChoicesAtAnyTimeOfDay)
{
    QList<EDate> events;
    for (const std::optional<qint64> code : {std::optional<qint64>(1), std::optional<qint64>(2), std::optional<qint64>(3),
                                             std::optional<qint64>(0), std::optional<qint64>()}) {
        events.append(TestEvent::numbered(int(events.size()), QDate(2027, 1, 1)).reminder(code));
    }
    for (const QTime time : {QTime(10, 0), QTime(0, 0), QTime(7, 5), QTime(23, 59)}) {
        SCOPED_TRACE(time.toString().toStdString());
        const Reading reading = ICalendarImport::read(ICalendarExport::calendar(events, QDateTime::currentDateTimeUtc(), time));
        ASSERT_EQ(reading.entries.size(), 5);
        EXPECT_EQ(reading.entries.at(0).reminders, NotiDays::one);
        EXPECT_EQ(reading.entries.at(1).reminders, NotiDays::three);
        EXPECT_EQ(reading.entries.at(2).reminders, NotiDays::seven);
        EXPECT_FALSE(reading.entries.at(3).reminders);
        EXPECT_FALSE(reading.entries.at(4).reminders);
    }
    // Alarms of another shape are no choice: a day before at noon beside the day itself, a
    // time that is no whole minute, eight days before, after the day.
    for (const QByteArray &triggers : {QByteArray("PT10H -PT12H"), QByteArray("PT10H30S"), QByteArray("PT10H -P7DT14H"),
                                      QByteArray("P1DT10H")}) {
        QByteArray alarms;
        for (const QByteArray &trigger : triggers.split(' '))
            alarms += "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:x\r\nTRIGGER:" + trigger + "\r\nEND:VALARM\r\n";
        const Reading other = ICalendarImport::read(
            calendarOf("BEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20270101\r\nSUMMARY:A\r\n" + alarms + "END:VEVENT\r\n"));
        ASSERT_EQ(other.entries.size(), 1) << triggers.constData();
        EXPECT_FALSE(other.entries.at(0).reminders) << triggers.constData();
    }
}

TEST_F(Reader, DamagedHugeAndHostileFilesAreRefusedWhole)
{
    const QByteArray good = fixture("birthdays-google.ics");
    const QByteArray refused[] = {
        QByteArray(),
        QByteArray("not a calendar"),
        good.left(good.size() / 2),                                   // cut short
        QByteArray(good).replace("END:VCALENDAR", ""),                // never ends
        QByteArray(good).replace("END:VEVENT", "END:VTODO"),          // ends what it did not begin
        QByteArray(good).insert(40, '\0'),                            // binary
        "BEGIN:VEVENT\r\nUID:x\r\nDTSTART;VALUE=DATE:20270101\r\nEND:VEVENT\r\n", // no calendar around it
        calendarOf(QByteArray("BEGIN:X-A\r\n").repeated(20) + QByteArray("END:X-A\r\n").repeated(20)), // too deep
    };
    for (const QByteArray &bytes : refused)
        EXPECT_EQ(ICalendarImport::read(bytes).status, Reading::Status::NotACalendar) << bytes.left(60).constData();

    QByteArray huge = calendarOf(QByteArray("X-FILL:") + QByteArray(ICalendarImport::kMaxBytes, 'x') + "\r\n");
    EXPECT_EQ(ICalendarImport::read(huge).status, Reading::Status::TooLarge);

    // Zones whose offset changes every second (or every day, or in thousands of rules) would
    // have libical list their changes since the rules' start for as long as memory lasts;
    // each is refused at once.
    const auto list = [](int from, int to) {
        QByteArray values;
        for (int i = from; i <= to; ++i)
            values += (values.isEmpty() ? "" : ",") + QByteArray::number(i);
        return values;
    };
    const auto busyZone = [](const QByteArray &parts) {
        return calendarOf("BEGIN:VTIMEZONE\r\nTZID:Busy\r\n" + parts + "END:VTIMEZONE\r\n"
                          "BEGIN:VEVENT\r\nUID:x\r\nDTSTART;TZID=Busy:20270101T100000\r\nSUMMARY:X\r\nEND:VEVENT\r\n");
    };
    const auto part = [](const QByteArray &rule, const QByteArray &start = "16010101T000000") {
        return "BEGIN:STANDARD\r\nDTSTART:" + start + "\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nRRULE:" + rule
            + "\r\nEND:STANDARD\r\n";
    };
    const QByteArray everySecond = ";BYHOUR=" + list(0, 23) + ";BYMINUTE=" + list(0, 59) + ";BYSECOND=" + list(0, 59);
    const QByteArray busyZones[] = {
        busyZone(part("FREQ=SECONDLY")),
        busyZone(part("FREQ=YEARLY" + everySecond)),
        busyZone(part("FREQ=YEARLY;BYMONTH=" + list(1, 12) + ";BYMONTHDAY=" + list(1, 31) + everySecond, "20000101T000000")),
        busyZone(part("FREQ=YEARLY;BYYEARDAY=" + list(1, 366))),
        busyZone(part("FREQ=YEARLY;BYWEEKNO=" + list(1, 53) + ";BYDAY=MO,TU,WE,TH,FR,SA,SU")),
        busyZone(part("FREQ=YEARLY;BYMONTH=3;BYDAY=SU", "00010101T000000").repeated(100)),
    };
    for (const QByteArray &zone : busyZones) {
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(ICalendarImport::read(zone).status, Reading::Status::NotACalendar) << zone.mid(120, 80).constData();
        EXPECT_LT(timer.elapsed(), 1000) << zone.mid(120, 80).constData();
    }
    // Events whose yearly rules never (or rarely) fall on a day they name, or every second
    // of the year: libical would search centuries for each one's occurrences.
    const QByteArray hostileRules[] = {
        "FREQ=YEARLY;BYMONTH=4;BYMONTHDAY=31",
        "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=1,30;BYDAY=MO",
        "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=1,28,29;BYSETPOS=4",
        "FREQ=YEARLY" + everySecond,
    };
    for (const QByteArray &rule : hostileRules) {
        QByteArray events;
        for (int i = 0; i < 200; ++i)
            events += "BEGIN:VEVENT\r\nUID:" + QByteArray::number(i) + "\r\nDTSTART:00010401T000000\r\nRRULE:" + rule
                + "\r\nSUMMARY:X\r\nEND:VEVENT\r\n";
        QElapsedTimer timer;
        timer.start();
        const Reading reading = ICalendarImport::read(calendarOf(events));
        EXPECT_LT(timer.elapsed(), 1000) << rule.left(60).constData();
        ASSERT_EQ(reading.entries.size(), 200);
        EXPECT_EQ(reading.entries.at(0).repeat, Entry::Repeat::Other) << rule.left(60).constData();
    }
    // A real zone's rule, with its week of days, is read.
    EXPECT_EQ(ICalendarImport::read(busyZone(part("FREQ=YEARLY;BYMONTH=3;BYDAY=SU;BYMONTHDAY=" + list(8, 14)))).status,
              Reading::Status::Read);

    // Events with nothing to read are read as such; the store refuses them one by one.
    const Reading sparse = ICalendarImport::read(calendarOf(
        "BEGIN:VEVENT\r\nUID:no-start\r\nSUMMARY:No start\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:bad-start\r\nDTSTART:2027130xT99\r\nSUMMARY:Bad start\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20270101\r\nEND:VEVENT\r\n"));
    ASSERT_EQ(sparse.status, Reading::Status::Read);
    ASSERT_EQ(sparse.entries.size(), 3);
    EXPECT_FALSE(sparse.entries.at(0).day);
    EXPECT_FALSE(sparse.entries.at(1).day);
    EXPECT_TRUE(sparse.entries.at(2).title.isEmpty());
    EXPECT_TRUE(sparse.entries.at(2).uid.isEmpty());
}
