#!/usr/bin/python3
"""Reminders as the desktop receives them: the real home screen and app on a private session
bus (run this under dbus-run-session) with python-dbusmock's notification daemon, which
records every call it is sent.

    dbus-run-session -- tests/notifications/desktop_notifications_test.py BIN_DIR

Checked: the exact Notify call of a reminder shown after time away (one per event, today's
count, the app's icon and desktop entry, normal urgency, the actions); a click ("default")
opening the app at that event's page; a notification service that comes onto the bus only
after the home screen started, after a jump of days in the clock.
"""
import json
import os
import signal
import subprocess
import sys
import tempfile
import time

import dbus

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "support"))
from scriptcheck import check, failures, wait_for  # noqa: E402

BIN = os.path.abspath(sys.argv[1])
CLI, HOME, APP = (os.path.join(BIN, name) for name in ("tallowick-cli", "tallowick-home", "tallowick"))
SERVICE, PATH = "org.freedesktop.Notifications", "/org/freedesktop/Notifications"


scratch = tempfile.TemporaryDirectory()
env = dict(os.environ, XDG_CONFIG_HOME=f"{scratch.name}/config", XDG_DATA_HOME=f"{scratch.name}/data",
           XDG_RUNTIME_DIR=f"{scratch.name}/runtime", HOME=scratch.name, TZ="Asia/Seoul", LANG="en_US.UTF-8",
           LC_ALL="en_US.UTF-8", QT_QPA_PLATFORM="offscreen", QT_QUICK_BACKEND="software",
           # The app started by a click says on its log which page it shows.
           QT_LOGGING_RULES="tallowick.store.debug=true")
env.pop("DISPLAY", None)
env.pop("WAYLAND_DISPLAY", None)
os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)


def cli(*arguments, now="2026-12-10T09:00:00"):
    return subprocess.run([CLI, "--now", now, *arguments], env=env, check=True, capture_output=True, text=True).stdout


def start_mock():
    mock = subprocess.Popen([sys.executable, "-m", "dbusmock", "--template", "notification_daemon",
                             "--parameters", json.dumps({"capabilities": "body actions"})],
                            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    bus = dbus.SessionBus()
    check(wait_for(lambda: bus.name_has_owner(SERVICE)), "the notification daemon is on the bus")
    return mock, dbus.Interface(bus.get_object(SERVICE, PATH), "org.freedesktop.DBus.Mock")


def notify_calls(mock_interface):
    return [call[1] for call in mock_interface.GetMethodCalls("Notify")]


def processes_of(program):
    """The processes running `program` with this test's runtime folder in their environment."""
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                if not f.read().startswith(program.encode() + b"\0"):
                    continue
            with open(f"/proc/{pid}/environ", "rb") as f:
                if f"XDG_RUNTIME_DIR={env['XDG_RUNTIME_DIR']}".encode() in f.read().split(b"\0"):
                    found.append(int(pid))
        except OSError:
            pass
    return found


def start_home(now, log):
    return subprocess.Popen([HOME, "--now", now], env=env, stdout=log, stderr=log)


def stop(process):
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


# An exam on the 20th with "seven days before", behind a trip: the exam is on page 1.
cli("add", "Exam", "2026-12-20")
cli("add", "Trip", "2027-03-01")
cli("notifications", "allow")
cli("remind", "1", "seven")
exam_id = json.loads(cli("list", "--json"))[1]["id"]

# Started on the 17th at 09:30 after days away: four reminders fell due, one is shown, with
# the count of now.
mock, recorder = start_mock()
home_log = open(f"{scratch.name}/home.log", "w+")
home = start_home("2026-12-17T09:30:00", home_log)
check(wait_for(lambda: len(notify_calls(recorder)) >= 1), "a reminder reaches the daemon")
time.sleep(1)
calls = notify_calls(recorder)
check(len(calls) == 1, f"one notification for the event's four due reminders (got {len(calls)})")
app_name, replaces_id, icon, summary, body, actions, hints, timeout = calls[0]
check(app_name == "Tallowick", f"app name {app_name}")
check(replaces_id == 0, f"replaces_id {replaces_id}")
check(icon == "org.tallowick.Tallowick", f"icon {icon}")
check(summary == "Exam", f"summary {summary}")
check(body == "3 days left", f"body {body!r}")
check(list(actions) == ["default", "Open", "open", "Open"], f"actions {list(actions)}")
check(hints.get("desktop-entry") == "org.tallowick.Tallowick", f"desktop-entry {hints.get('desktop-entry')}")
check(int(hints.get("urgency", -1)) == 1, f"urgency {hints.get('urgency')}")
check(timeout == -1, f"timeout {timeout}")
pending = json.loads(cli("pending", "--json", now="2026-12-17T09:30:00"))
check(len(pending) == 4, f"the reminders still ahead stay pending ({len(pending)})")

# A click: the app opens at the exam's page (started, since none runs).
recorder.EmitSignal(SERVICE, "ActionInvoked", "us", [dbus.UInt32(1), "default"])


def app_shows_exam():
    home_log.seek(0)
    return "tallowick.store: self.currentPage 1" in home_log.read()


check(wait_for(app_shows_exam, 30), "a click opens the app at the event's page")
# Only the app of this test's profile: another test may run an app of its own meanwhile.
for pid in processes_of(APP):
    os.kill(pid, signal.SIGTERM)
stop(home)
stop(mock)

# Two days later, early in a login: the home screen starts before any notification service.
# Its reminders wait for the service, then come once, with the count of that moment.
home = start_home("2026-12-19T11:00:00", home_log)
time.sleep(1.5)
check(home.poll() is None, "the home screen runs without a notification service")
home_log.seek(0)
check("Reminder:" not in home_log.read(), "nothing is printed and forgotten while a bus is there")
mock, recorder = start_mock()
check(wait_for(lambda: len(notify_calls(recorder)) >= 1), "the waiting reminder reaches the late daemon")
time.sleep(0.5)
calls = notify_calls(recorder)
check(len(calls) == 1 and calls[0][4] == "1 day left", f"one reminder, today's count: {[c[4] for c in calls]}")
stop(home)
stop(mock)

print(f"{len(failures)} failed" if failures else "all passed")
sys.exit(1 if failures else 0)
