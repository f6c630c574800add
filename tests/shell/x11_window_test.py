#!/usr/bin/python3
"""The app's window on an X11 desktop: the real app on an X server of its own (Xvfb, a laptop's
1280x800 screen) with a window manager (openbox), driven and read as a person's desktop would.

    tests/shell/x11_window_test.py BIN_DIR

Checked: the first window fits the screen, the bottom menu inside it; the size the person gives
the window and the event it shows come back at the next start; a second start with a link and
the launcher's startup id raises the running app over another window.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "support"))
from scriptcheck import check, failures, fast_unwinding, wait_for  # noqa: E402

BIN = os.path.abspath(sys.argv[1])
APP = os.path.join(BIN, "tallowick")
CLI = os.path.join(BIN, "tallowick-cli")
SCREEN = (1280, 800)


def output(*command):
    return subprocess.run(command, env=env, capture_output=True, text=True).stdout.strip()


def xdotool(*arguments):
    # A key's release may reach a window its press closed: xdotool says so, and that is all.
    subprocess.run(["xdotool", *arguments], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def app_window():
    """The app's top-level window once it is mapped and framed by the window manager."""
    for window in output("xdotool", "search", "--onlyvisible", "--class", "org.tallowick.Tallowick").split():
        if "_NET_FRAME_EXTENTS" in output("xprop", "-id", window, "_NET_FRAME_EXTENTS") and "=" in output(
                "xprop", "-id", window, "_NET_FRAME_EXTENTS"):
            return window
    return None


def frame(window):
    """The window's frame on screen (left, top, right, bottom), its decorations included."""
    info = output("xwininfo", "-id", window)
    values = {}
    for line in info.splitlines():
        key, _, value = line.strip().partition(":")
        values[key] = value.strip()
    left, top = int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"])
    width, height = int(values["Width"]), int(values["Height"])
    extents = output("xprop", "-id", window, "_NET_FRAME_EXTENTS").partition("=")[2]
    l, r, t, b = (int(v) for v in extents.split(",")) if extents else (0, 0, 0, 0)
    return (left - l, top - t, left + width + r, top + height + b), (width, height)


def active_window():
    value = output("xprop", "-root", "_NET_ACTIVE_WINDOW").rpartition(" ")[2]
    return int(value, 16) if value.startswith("0x") else 0


def start_app(*arguments, extra_env=None):
    return subprocess.Popen([APP, "--now", "2026-12-08T09:00:00", *arguments], env=fast_unwinding(dict(env, **(extra_env or {}))),
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)


def page_colour(window, name):
    """The colour of the page's top-left corner, where its background shows."""
    shot = os.path.join(artifacts, name + ".png")
    subprocess.run(["import", "-window", window, shot], env=env, check=True)
    pixel = output("convert", shot, "-format", "%[pixel:p{12,12}]", "info:")
    return pixel


scratch = tempfile.mkdtemp(prefix="tallowick-x11-")
artifacts = os.environ.get("TALLOWICK_ARTIFACTS", scratch)
os.makedirs(artifacts, exist_ok=True)
env = dict(os.environ, HOME=scratch, XDG_CONFIG_HOME=scratch + "/config", XDG_DATA_HOME=scratch + "/data",
           XDG_RUNTIME_DIR=scratch + "/run", QT_QPA_PLATFORM="xcb", TZ="Asia/Seoul", LANG="en_US.UTF-8",
           LC_ALL="en_US.UTF-8")
env.pop("WAYLAND_DISPLAY", None)
env.pop("QT_QPA_PLATFORMTHEME", None)
os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
# The X server picks a free display and says which.
display_pipe = os.pipe()
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(display_pipe[1]), "-screen", "0", "%dx%dx24" % SCREEN, "-nolisten",
                         "tcp"], pass_fds=(display_pipe[1],), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
env["DISPLAY"] = ":" + os.read(display_pipe[0], 16).decode().strip()
processes = [xvfb]
try:
    if not wait_for(lambda: subprocess.run(["xdpyinfo"], env=env, capture_output=True).returncode == 0):
        print("SKIP no X server could be started", flush=True)
        sys.exit(77)
    processes.append(subprocess.Popen(["openbox", "--sm-disable"], env=env, stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL))
    wait_for(lambda: "openbox" in output("wmctrl", "-m").lower())

    # A first start on a 1280x800 screen: the phone-sized window (844 high) would reach below
    # the screen's edge; it is made to fit, frame and all.
    app = start_app()
    processes.append(app)
    window = wait_for(app_window)
    check(window is not None, "the app shows a window")
    time.sleep(1.5)
    (left, top, right, bottom), size = frame(window)
    check(0 <= left and 0 <= top and right <= SCREEN[0] and bottom <= SCREEN[1],
          "the first window's frame lies within the 1280x800 screen: %r" % ((left, top, right, bottom),))
    check(size[1] < 844 and size[1] >= 560, "it is shorter than the phone size, no shorter than the smallest: %r" % (size,))

    # The person makes it smaller and moves on to the second event; the app quits.
    first_colour = page_colour(window, "x11-window-page1")
    xdotool("windowsize", window, "360", "620")
    xdotool("windowactivate", "--sync", window)
    xdotool("key", "--window", window, "Right")
    time.sleep(1.5)
    second_colour = page_colour(window, "x11-window-page2")
    check(first_colour != second_colour, "the second event's page shows (%s, then %s)" % (first_colour, second_colour))
    xdotool("key", "--window", window, "ctrl+q")
    check(app.wait(20) == 0, "Ctrl+Q quits")
    # The window went at the press: xdotool never got to let the keys go, and a held Ctrl+Q
    # would quit the next start too.
    xdotool("keyup", "ctrl", "q")

    # The next start comes back at that size and on that event.
    app = start_app()
    processes.append(app)
    window = wait_for(app_window)
    if window is None:
        app.terminate()
        sys.exit("the app showed no window again: %s" % app.communicate()[1])
    time.sleep(1.5)
    _, size = frame(window)
    check(size == (360, 620), "the size the person gave it comes back: %r" % (size,))
    check(page_colour(window, "x11-window-restored") == second_colour, "so does the event it showed")

    # Another window takes the focus; a second start with a link to the first event and the
    # launcher's startup id brings the app forward, on the page of the link.
    other = subprocess.Popen(["xmessage", "-geometry", "600x300+100+100", "another program"], env=env)
    processes.append(other)
    other_window = wait_for(lambda: output("xdotool", "search", "--onlyvisible", "--class", "xmessage").split())
    xdotool("windowactivate", "--sync", other_window[0])
    time.sleep(0.5)
    check(active_window() == int(other_window[0]), "the other window is active")
    # The launcher's startup id carries the time of the click, in the X server's clock: the
    # milliseconds of the system's monotonic clock.
    click = int(time.monotonic() * 1000) & 0xFFFFFFFF
    handed = subprocess.run([APP, "tallowick://open?pageNumber=0"],
                            env=dict(env, DESKTOP_STARTUP_ID="launcher-%d_TIME%d" % (os.getpid(), click)),
                            capture_output=True, text=True, timeout=30)
    check(handed.returncode == 0, "the second start hands its link over: %s" % handed.stderr.strip())
    check(wait_for(lambda: active_window() == int(window), 10) is not None, "the running app's window is active")
    check(wait_for(lambda: page_colour(window, "x11-window-raised") == first_colour, 10) is not None,
          "on the link's page")
finally:
    for process in reversed(processes):
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
    shutil.rmtree(scratch, ignore_errors=True)

print("%d failed" % len(failures) if failures else "all passed", flush=True)
sys.exit(1 if failures else 0)
