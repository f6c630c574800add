#!/usr/bin/python3
"""What Tallowick writes, read by programs that are not Tallowick: the iCalendar export read
by python3-icalendar, its yearly rules expanded by python3-recurring-ical-events over eight
years (a 29 February event included) with each occurrence's alarms at 10:00 on the day and
on the days before; and the settings file read by Python's plistlib.

    independent_readers_test.py BIN_DIR
"""
import datetime
import json
import os
import plistlib
import subprocess
import sys
import tempfile

import icalendar
import recurring_ical_events

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "support"))
from scriptcheck import check, failures  # noqa: E402

BIN = os.path.abspath(sys.argv[1])
CLI = os.path.join(BIN, "tallowick-cli")
NOW = "2026-01-10T09:00:00"


scratch = tempfile.TemporaryDirectory()
env = dict(os.environ, XDG_CONFIG_HOME=f"{scratch.name}/config", XDG_DATA_HOME=f"{scratch.name}/data",
           XDG_RUNTIME_DIR=f"{scratch.name}/runtime", HOME=scratch.name, TZ="Asia/Seoul", LANG="en_US.UTF-8",
           LC_ALL="en_US.UTF-8")
os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)


def cli(*arguments, binary=False):
    result = subprocess.run([CLI, "--now", NOW, *arguments], env=env, check=True, capture_output=True)
    return result.stdout if binary else result.stdout.decode()


# Four events of every kind, on top of the two packaged ones, with the three reminder choices.
# One title needs escaping and, being twenty emoji, a folded line.
cli("notifications", "allow")
cli("add", "Trip", "2026-12-18")
cli("add", "Since", "2020-01-01", "--count-up")
cli("add", "Leap; day, \\ ok", "2020-02-29", "--yearly")
cli("add", "\U0001F382" * 20, "2016-05-01", "--yearly")
listed = json.loads(cli("list", "--json"))
ids = {event["dateTitle"]: event["id"] for event in listed}
cli("remind", str([e["dateTitle"] for e in listed].index("\U0001F382" * 20)), "seven")
cli("remind", str([e["dateTitle"] for e in listed].index("Leap; day, \\ ok")), "three")
cli("remind", str([e["dateTitle"] for e in listed].index("Trip")), "one")

path = os.path.join(scratch.name, "events.ics")
cli("export", "--ics", path)
raw = open(path, "rb").read()
check(raw == cli("export", "--ics", "-", binary=True), "the file and standard output say the same")
check(all(len(line) <= 75 for line in raw.split(b"\r\n")), "every line folded to 75 octets")
calendar = icalendar.Calendar.from_ical(raw)
check(str(calendar["VERSION"]) == "2.0" and "Tallowick" in str(calendar["PRODID"]), "VERSION and PRODID")

events = {str(e["UID"]): e for e in calendar.walk("VEVENT")}
check(set(events) == set(ids.values()), f"one VEVENT per event, its UID the event's id: {sorted(events)}")
for event in listed:
    vevent = events[event["id"]]
    start, end = vevent["DTSTART"].dt, vevent["DTEND"].dt
    day = datetime.date.fromisoformat(event["ddate"])
    check(type(start) is datetime.date and start == day and end == day + datetime.timedelta(days=1),
          f"{event['dateTitle']!r}: an all-day event on {day}")
    check(str(vevent["SUMMARY"]) == event["dateTitle"], f"{event['dateTitle']!r}: its title")
    check(str(vevent["TRANSP"]) == "TRANSPARENT" and vevent["DTSTAMP"].dt.tzinfo is not None,
          f"{event['dateTitle']!r}: transparent, with a DTSTAMP in UTC")
    check(("RRULE" in vevent) == (event.get("repeat") == "yearly"), f"{event['dateTitle']!r}: a rule only when yearly")

# Eight years of occurrences, as a calendar program shows them.
first, last = datetime.date(2026, 1, 1), datetime.date(2034, 1, 1)
occurrences = {}
for vevent in recurring_ical_events.of(calendar).between(first, last):
    occurrences.setdefault(str(vevent["UID"]), []).append(vevent)


def days_of(title):
    return [v["DTSTART"].dt for v in occurrences.get(ids[title], [])]


birthday = "\U0001F382" * 20
check(days_of(birthday) == [datetime.date(year, 5, 1) for year in range(2026, 2034)],
      f"the birthday every 1 May: {days_of(birthday)}")
leap_days = [datetime.date(year, 2, 29 if year % 4 == 0 else 28) for year in range(2026, 2034)]
check(days_of("Leap; day, \\ ok") == leap_days, f"29 February on the 28th in common years: {days_of('Leap; day, ' + chr(92) + ' ok')}")
check(days_of("Trip") == [datetime.date(2026, 12, 18)], "an event that happens once, once")
check(days_of("Since") == [], "a count-up event is the one day it counts from")


def alarm_times(vevent):
    """When each alarm of this occurrence fires, local wall-clock time: all-day events start
    at the midnight that begins their day, wherever the calendar is read."""
    start = datetime.datetime.combine(vevent["DTSTART"].dt, datetime.time())
    times = []
    for alarm in vevent.walk("VALARM"):
        check(str(alarm["ACTION"]) == "DISPLAY" and str(alarm.get("DESCRIPTION", "")) != "", "a display alarm with a text")
        times.append(start + alarm["TRIGGER"].dt)
    return sorted(times)


def expected_times(day, days_before):
    return sorted(datetime.datetime.combine(day - datetime.timedelta(days=k), datetime.time(10)) for k in range(days_before + 1))


for title, days_before in ((birthday, 7), ("Leap; day, \\ ok", 3), ("Trip", 0)):
    for vevent in occurrences[ids[title]]:
        day = vevent["DTSTART"].dt
        check(alarm_times(vevent) == expected_times(day, days_before),
              f"{title[:8]!r} on {day}: alarms at 10:00 on the day and the {days_before} before")
check(not list(events[ids["Since"]].walk("VALARM")), "a count-up event has no alarms")
check(str(events[ids["Trip"]].walk("VALARM")[0]["DESCRIPTION"]) == "Today is the day!", "the alarm says what the reminder says")

# The settings file as any plist reader sees it: the event list is itself a binary plist.
with open(os.path.join(env["XDG_CONFIG_HOME"], "tallowick", "settings.plist"), "rb") as settings:
    saved = plistlib.loads(plistlib.load(settings)["magicDates"])
by_title = {event["dateTitle"]: event for event in saved}
check(by_title[birthday].get("repeat") == "yearly" and by_title[birthday]["ddate"] == "2016-05-01",
      "plistlib reads a yearly event with its repeat")
check("repeat" not in by_title["Trip"] and len(by_title["Trip"]) == 13, "an event that happens once has the thirteen keys it always had")

print(f"{len(failures)} failed")
sys.exit(1 if failures else 0)
