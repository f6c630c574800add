#!/usr/bin/python3
"""The home screen on an X server with a window manager (Xvfb and openbox), used as a person
would, with the real widget plug-in:

- started with no widget, it opens the window that adds one; the keys alone add a large widget
  of the second event;
- a second start brings that window forward (and exits 0), a start in the background does
  nothing;
- each widget's window is titled after its event, out of taskbars and pagers, below other
  windows, on every workspace (_NET_WM_STATE, _NET_WM_DESKTOP, read with xprop and wmctrl);
- a widget saved off the screen shows wholly on it;
- Quit in a widget's menu ends the home screen.

    tests/home/x11_home_test.py BIN_DIR [PICTURES_DIR]

Exits 77 (skipped) when Xvfb, openbox, xprop, wmctrl or xdotool is missing.
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "support"))
from scriptcheck import check, failures, wait_for  # noqa: E402

BIN = os.path.abspath(sys.argv[1])
PICTURES = sys.argv[2] if len(sys.argv) > 2 else None
HOME, CLI = os.path.join(BIN, "tallowick-home"), os.path.join(BIN, "tallowick-cli")
SCREEN = (1280, 800)

missing = [tool for tool in ("Xvfb", "openbox", "xprop", "wmctrl", "xdotool") if not shutil.which(tool)]
if missing:
    print(f"SKIP: not installed: {' '.join(missing)}")
    sys.exit(77)


scratch = tempfile.TemporaryDirectory()
env = dict(os.environ, XDG_CONFIG_HOME=f"{scratch.name}/config", XDG_DATA_HOME=f"{scratch.name}/data",
           XDG_RUNTIME_DIR=f"{scratch.name}/runtime", HOME=scratch.name, TZ="Asia/Seoul", LANG="en_US.UTF-8",
           LC_ALL="en_US.UTF-8", DBUS_SESSION_BUS_ADDRESS=f"unix:path={scratch.name}/no-bus")
for name in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "TALLOWICK_WIDGETS_PATH"):
    env.pop(name, None)
os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)

# An X server of our own on a free display, and a window manager on it.
read_end, write_end = os.pipe()
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24",
                         "-nolisten", "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
os.close(write_end)
with os.fdopen(read_end) as displayfd:
    env["DISPLAY"] = ":" + displayfd.readline().strip()
openbox = subprocess.Popen(["openbox", "--sm-disable"], env=env, stderr=subprocess.DEVNULL)
time.sleep(1)
started = []


def x(*command):
    return subprocess.run(command, env=env, capture_output=True, text=True).stdout.strip()


def start_home(*arguments):
    process = subprocess.Popen([HOME, *arguments], env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    started.append(process)
    return process


def windows_titled(title):
    return [line.split(None, 1)[0] for line in x("wmctrl", "-l").splitlines() if line.endswith(" " + title)]


def picture(name):
    if PICTURES and shutil.which("import"):
        os.makedirs(PICTURES, exist_ok=True)
        x("import", "-window", "root", os.path.join(PICTURES, name))


def key(*keys):
    x("xdotool", "key", "--delay", "120", *keys)


def cleanup():
    for process in started + [openbox, xvfb]:
        if process.poll() is None:
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()


try:
    # The first-start events, as the list shows them.
    titles = [line.split("\t")[3] for line in
              subprocess.run([CLI, "list"], env=env, capture_output=True, text=True, check=True).stdout.splitlines()]

    # 1. From the menu with no widget: the window that adds one, driven by the keys alone.
    home = start_home()
    add_window = wait_for(lambda: windows_titled("Add a Widget — Tallowick"))
    check(bool(add_window), "with no widget, the window that adds one opens")
    check(wait_for(lambda: x("xdotool", "getactivewindow", "getwindowname") == "Add a Widget — Tallowick", 5),
          "it has the keyboard")
    picture("x11-add-window.png")
    # The focus starts on the size chosen (Medium): Down chooses Large; Tab goes to the event,
    # Down chooses the first one after "First event"; Return adds.
    key("Down", "Tab", "Down", "Return")
    check(wait_for(lambda: not windows_titled("Add a Widget — Tallowick"), 5), "Return adds and closes the window")
    listed = subprocess.run([HOME, "--list"], env=env, capture_output=True, text=True).stdout.splitlines()
    check(len(listed) == 1 and listed[0].split("\t")[1:3] == ["large", titles[0]],
          f"a large widget of {titles[0]} was added: {listed}")

    # 2. A second start brings the window forward and exits; in the background it does nothing.
    second = subprocess.run([HOME], env=env, capture_output=True, text=True, timeout=30)
    check(second.returncode == 0 and not second.stderr, f"a second start exits 0 quietly ({second.returncode}, {second.stderr!r})")
    check(bool(wait_for(lambda: windows_titled("Add a Widget — Tallowick"), 10)), "and the window comes forward")
    check(wait_for(lambda: x("xdotool", "getactivewindow", "getwindowname") == "Add a Widget — Tallowick", 5),
          "with the keyboard")
    key("Escape")
    background = subprocess.run([HOME, "--background"], env=env, capture_output=True, text=True, timeout=30)
    check(background.returncode == 0, "a start in the background exits 0")
    time.sleep(1)
    check(not windows_titled("Add a Widget — Tallowick"), "and opens no window")
    home.send_signal(signal.SIGTERM)
    home.wait(10)

    # 3. Two more widgets, one saved far off the screen; the hints of each window.
    subprocess.run([HOME, "--add", "medium", "--event", titles[1], "--at", "300,120"], env=env, check=True,
                   capture_output=True)
    subprocess.run([HOME, "--add", "small", "--event", titles[2], "--at", "3000,3000"], env=env, check=True,
                   capture_output=True)
    home = start_home()
    for title in titles[:3]:
        check(bool(wait_for(lambda: windows_titled(f"{title} — Tallowick"))), f"a window titled after {title}")
    time.sleep(1)
    picture("x11-widgets.png")
    for title in titles[:3]:
        for window in windows_titled(f"{title} — Tallowick"):
            states = x("xprop", "-id", window, "_NET_WM_STATE")
            # (Openbox keeps a window on every workspace by _NET_WM_DESKTOP alone and drops
            # the STICKY state that other window managers read.)
            for state in ("SKIP_TASKBAR", "SKIP_PAGER", "BELOW"):
                check(f"_NET_WM_STATE_{state}" in states, f"{title}: {state} ({states})")
            check(x("xprop", "-id", window, "_NET_WM_DESKTOP").endswith("= 4294967295"), f"{title}: every workspace")
            check("_NET_WM_WINDOW_TYPE_NORMAL" in x("xprop", "-id", window, "_NET_WM_WINDOW_TYPE"),
                  f"{title}: a normal window, not a tool window a window manager may hide")
    # wmctrl -lG: id, desktop (-1: all), x, y, width, height, host, title.
    geometry = {line.split(None, 7)[7]: [int(v) for v in line.split()[1:6]] for line in x("wmctrl", "-lG").splitlines()}
    desktop, left, top, width, height = geometry.get(f"{titles[2]} — Tallowick", [0] * 5)
    check(desktop == -1, "wmctrl lists it on every desktop")
    check(0 <= left and left + width <= SCREEN[0] and 0 <= top and top + height <= SCREEN[1] and width == 170,
          f"the widget saved at 3000,3000 shows wholly on the screen: {left},{top} {width}x{height}")

    # 4. Quit from a widget's menu: right-click, the last item, Return.
    window = windows_titled(f"{titles[1]} — Tallowick")[0]
    x("xdotool", "mousemove", "--window", window, "100", "80", "click", "3")
    time.sleep(1)
    picture("x11-widget-menu.png")
    key("Up", "Return")
    try:
        code = home.wait(10)
    except subprocess.TimeoutExpired:
        code = None
    check(code == 0, f"Quit ends the home screen ({code})")
    check(not windows_titled(f"{titles[1]} — Tallowick"), "and its widgets go")
finally:
    cleanup()

print(f"{len(failures)} failed" if failures else "all passed")
sys.exit(1 if failures else 0)
