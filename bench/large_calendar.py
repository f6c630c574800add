#!/usr/bin/python3
"""Writes a calendar the size of a busy person's years of exports (10,000 events, just under
the import's 8 MiB limit) for measuring `tallowick-cli import FILE`:

    bench/large_calendar.py /tmp/large.ics
    /usr/bin/time -v tallowick-cli import /tmp/large.ics

The events are what calendar programs export: timed meetings in the file's own time zones,
all-day birthdays with yearly rules, weekly series, reminders, long folded descriptions,
attendees. The same file every run (a fixed seed)."""

import random
import sys

EVENTS = 10_000
LIMIT = 8 * 1024 * 1024

ZONES = """BEGIN:VTIMEZONE\r
TZID:W. Europe Standard Time\r
BEGIN:STANDARD\r
DTSTART:16010101T030000\r
TZOFFSETFROM:+0200\r
TZOFFSETTO:+0100\r
RRULE:FREQ=YEARLY;INTERVAL=1;BYDAY=-1SU;BYMONTH=10\r
END:STANDARD\r
BEGIN:DAYLIGHT\r
DTSTART:16010101T020000\r
TZOFFSETFROM:+0100\r
TZOFFSETTO:+0200\r
RRULE:FREQ=YEARLY;INTERVAL=1;BYDAY=-1SU;BYMONTH=3\r
END:DAYLIGHT\r
END:VTIMEZONE\r
BEGIN:VTIMEZONE\r
TZID:America/Los_Angeles\r
BEGIN:DAYLIGHT\r
TZOFFSETFROM:-0800\r
TZOFFSETTO:-0700\r
TZNAME:PDT\r
DTSTART:19700308T020000\r
RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r
END:DAYLIGHT\r
BEGIN:STANDARD\r
TZOFFSETFROM:-0700\r
TZOFFSETTO:-0800\r
TZNAME:PST\r
DTSTART:19701101T020000\r
RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r
END:STANDARD\r
END:VTIMEZONE\r
"""

WORDS = ("meeting review plan budget quarter team lunch call project launch design notes agenda "
         "follow-up travel dentist school parents evening concert garden birthday party").split()


def fold(line):
    """Lines longer than 75 octets continue on lines starting with a space."""
    data = line.encode()
    parts = [data[:75]]
    data = data[75:]
    while data:
        parts.append(b" " + data[:74])
        data = data[74:]
    return b"\r\n".join(parts).decode() + "\r\n"


def event(rng, i):
    year = rng.randint(2005, 2030)
    month = rng.randint(1, 12)
    day = rng.randint(1, 28)
    title = " ".join(rng.choice(WORDS) for _ in range(rng.randint(2, 5))).capitalize()
    kind = i % 4
    lines = ["BEGIN:VEVENT", f"UID:{i:08d}-{rng.getrandbits(64):016x}@example.com",
             f"DTSTAMP:{year}{month:02d}{day:02d}T090000Z", f"CREATED:{year}{month:02d}{day:02d}T090000Z",
             f"LAST-MODIFIED:{year}{month:02d}{day:02d}T091500Z"]
    if kind == 0:  # a birthday, every year
        lines += [f"DTSTART;VALUE=DATE:{year}{month:02d}{day:02d}", f"DTEND;VALUE=DATE:{year}{month:02d}{day + 1:02d}",
                  "RRULE:FREQ=YEARLY", "TRANSP:TRANSPARENT"]
    elif kind == 1:  # a weekly series in Outlook's zone
        lines += [f"DTSTART;TZID=W. Europe Standard Time:{year}{month:02d}{day:02d}T093000",
                  f"DTEND;TZID=W. Europe Standard Time:{year}{month:02d}{day:02d}T103000",
                  "RRULE:FREQ=WEEKLY;UNTIL=20311231T000000Z;INTERVAL=1;BYDAY=MO,WE"]
    elif kind == 2:  # a one-off in Los Angeles
        hour = rng.randint(7, 21)
        lines += [f"DTSTART;TZID=America/Los_Angeles:{year}{month:02d}{day:02d}T{hour:02d}0000",
                  f"DTEND;TZID=America/Los_Angeles:{year}{month:02d}{day:02d}T{hour:02d}4500"]
    else:  # a one-off in UTC
        lines += [f"DTSTART:{year}{month:02d}{day:02d}T140000Z", f"DTEND:{year}{month:02d}{day:02d}T150000Z"]
    lines.append(f"SUMMARY:{title}")
    description = " ".join(rng.choice(WORDS) for _ in range(rng.randint(25, 50)))
    lines.append("DESCRIPTION:" + description.replace(",", "\\,"))
    lines.append(f"LOCATION:Room {rng.randint(1, 400)}\\, Building {rng.choice('ABCDEFG')}")
    lines.append("ORGANIZER;CN=Alex Example:mailto:alex@example.com")
    for n in range(rng.randint(0, 2)):
        lines.append(f"ATTENDEE;CN=Person {n};ROLE=REQ-PARTICIPANT;PARTSTAT=ACCEPTED:mailto:p{n}@example.com")
    lines += ["STATUS:CONFIRMED", "SEQUENCE:0", "CLASS:PUBLIC"]
    if kind in (0, 1):
        lines += ["BEGIN:VALARM", "ACTION:DISPLAY", "DESCRIPTION:Reminder",
                  "TRIGGER:-PT15M" if kind == 1 else "TRIGGER;RELATED=START:PT10H", "END:VALARM"]
    lines.append("END:VEVENT")
    return "".join(fold(line) for line in lines)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    rng = random.Random(24)
    head = "BEGIN:VCALENDAR\r\nPRODID:-//Example//Calendar Export//EN\r\nVERSION:2.0\r\nCALSCALE:GREGORIAN\r\n"
    tail = "END:VCALENDAR\r\n"
    body = [event(rng, i) for i in range(EVENTS)]
    text = head + ZONES + "".join(body) + tail
    if len(text.encode()) > LIMIT:
        sys.exit(f"{len(text.encode())} bytes: more than the import takes")
    with open(sys.argv[1], "w", encoding="utf-8", newline="") as out:
        out.write(text)
    print(f"{sys.argv[1]}: {EVENTS} events, {len(text.encode())} bytes")


if __name__ == "__main__":
    main()
