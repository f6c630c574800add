#!/usr/bin/python3
"""Reminders reach the person whoever started what: on a new profile with reminders allowed and
one chosen, only the app is started, a little before 10:00 on its own clock (--now). The
reminder reaches python-dbusmock's notification daemon at 10:00 all the same, delivered by the
home screen the app started in the background on the same clock; the app also set up the home
screen's autostart entry, which desktop-file-validate accepts. Removed with tallowick-cli, the
entry stays removed when the app starts again. Run under dbus-run-session:

    dbus-run-session -- tests/notifications/reminders_without_home_test.py BIN_DIR
"""
import json
import os
import shutil
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


if not shutil.which("desktop-file-validate"):
    print("SKIP: desktop-file-validate is not installed (desktop-file-utils)")
    sys.exit(77)

scratch = tempfile.TemporaryDirectory()
env = dict(os.environ, XDG_CONFIG_HOME=f"{scratch.name}/config", XDG_DATA_HOME=f"{scratch.name}/data",
           XDG_RUNTIME_DIR=f"{scratch.name}/runtime", HOME=scratch.name, TZ="Asia/Seoul", LANG="en_US.UTF-8",
           LC_ALL="en_US.UTF-8", QT_QPA_PLATFORM="offscreen", QT_QUICK_BACKEND="software")
env.pop("DISPLAY", None)
env.pop("WAYLAND_DISPLAY", None)
os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
entry = f"{scratch.name}/config/autostart/tallowick-home.desktop"


def cli(*arguments):
    return subprocess.run([CLI, "--now", "2026-12-10T09:00:00", *arguments], env=env, check=True,
                          capture_output=True, text=True).stdout


def home_processes():
    """The home screens of this test's profile (found by the runtime folder in their environment)."""
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                if not f.read().startswith(HOME.encode() + b"\0"):
                    continue
            with open(f"/proc/{pid}/environ", "rb") as f:
                if f"XDG_RUNTIME_DIR={env['XDG_RUNTIME_DIR']}".encode() in f.read().split(b"\0"):
                    found.append(int(pid))
        except OSError:
            pass
    return found


def stop(process):
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


# An exam on the 13th with "three days before": its first reminder is at 10:00 on the 10th.
cli("add", "Exam", "2026-12-13")
cli("notifications", "allow")
cli("remind", "0", "three")
check(not os.path.exists(entry), "no autostart entry before the app ran")

mock = subprocess.Popen([sys.executable, "-m", "dbusmock", "--template", "notification_daemon",
                         "--parameters", json.dumps({"capabilities": "body actions"})],
                        env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
bus = dbus.SessionBus()
check(wait_for(lambda: bus.name_has_owner(SERVICE)), "the notification daemon is on the bus")
recorder = dbus.Interface(bus.get_object(SERVICE, PATH), "org.freedesktop.DBus.Mock")


def notify_calls():
    return [call[1] for call in recorder.GetMethodCalls("Notify")]


# Only the app, 15 seconds before 10:00 on its clock.
started = time.monotonic()
app = subprocess.Popen([APP, "--now", "2026-12-10T09:59:45"], env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
check(wait_for(lambda: home_processes(), 30), "the app starts the home screen")
check(wait_for(lambda: len(notify_calls()) >= 1, 45), "the reminder reaches the daemon")
arrived = time.monotonic() - started
calls = notify_calls()
# Shown at 10:00 of the app's clock, not at once: the home screen runs on the same clock.
check(arrived >= 13, f"shown when 10:00 came, {arrived:.1f} s after the start at 09:59:45")
check(len(calls) == 1 and calls[0][3] == "Exam" and calls[0][4] == "3 days left",
      f"one reminder of the exam: {[(c[3], c[4]) for c in calls]}")
pending = json.loads(cli("pending", "--json"))
check(len(pending) == 3, f"the three reminders after it stay pending ({len(pending)})")

# The app set up the login start, in the background, and the desktop takes the entry.
check(os.path.isfile(entry), "the app wrote the autostart entry")
text = open(entry).read() if os.path.isfile(entry) else ""
check(f"\nExec={HOME} --background\n" in text, "the entry starts the home screen in the background")
validated = subprocess.run(["desktop-file-validate", entry], capture_output=True, text=True)
check(validated.returncode == 0 and not validated.stdout.strip(),
      f"desktop-file-validate accepts it: {validated.stdout.strip()}")

# Removed by the person, it stays removed when the app starts again.
cli("notifications", "no-autostart")
stop(app)
app = subprocess.Popen([APP, "--now", "2026-12-10T10:05:00"], env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
time.sleep(4)
check(app.poll() is None and not os.path.exists(entry), "the removed entry is not written again")
stop(app)

for pid in home_processes():
    os.kill(pid, signal.SIGTERM)
check(wait_for(lambda: not home_processes(), 10), "the home screen ends when told")
stop(mock)
print(f"{len(failures)} failed" if failures else "all passed")
sys.exit(1 if failures else 0)
