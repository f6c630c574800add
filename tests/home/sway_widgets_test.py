#!/usr/bin/python3
"""Widgets on a Wayland desktop with layer shell: tallowick-home under sway (headless), with
the app as an ordinary window over one of them, at output scales 1 and 2.

    tests/home/sway_widgets_test.py BIN_DIR FAKE_PLUGIN_DIR ARTIFACTS_DIR

Checked: each widget sits at its saved place, below the app's window; none is one of sway's
windows (so none is in a task switcher) and the keys go on reaching the app; a click on a
widget opens the app at the widget's event; its right-click menu works with the keys (Size,
Large), is no window either, and gives the keys back when it closes; a drag moves it. Sway refuses to run as root: as root the test
runs it as a throw-away system user. It exits 77 (skipped) saying why when it cannot run.
The pointer and the keys are virtual devices of the test's own (wlr-virtual-pointer and
virtual-keyboard), as sway headless has none. Screenshots (grim) go to ARTIFACTS_DIR.
"""
import array
import json
import os
import pwd
import shutil
import socket
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "support"))
from scriptcheck import check, failures, fast_unwinding, wait_for  # noqa: E402

BIN = FAKE_PLUGIN = ARTIFACTS = None
SWAY_USER = "tallowick-sway"
SKIPPED = 77
RED, BLUE = (208, 32, 32), (32, 64, 208)
# The app's page colours for its first-start events: New Year, Summer trip, Together.
NEW_YEAR, SUMMER_TRIP, TOGETHER = (0x01, 0x4E, 0x7E), (0xA0, 0xE7, 0xE5), (0xFF, 0xE3, 0xE3)
SMALL, MEDIUM, LARGE = (170, 170), (364, 170), (364, 382)
BTN_LEFT, BTN_RIGHT = 0x110, 0x111
KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_ENTER = 108, 105, 106, 28


def skip(why):
    print("SKIP: " + why, flush=True)
    sys.exit(SKIPPED)


class VirtualInput:
    """A pointer and a keyboard of the test's own, spoken in the Wayland wire format."""

    KEYMAP = b"""xkb_keymap {
  xkb_keycodes "test" { minimum = 8; maximum = 255;
    <ESC> = 9; <RTRN> = 36; <UP> = 111; <LEFT> = 113; <RGHT> = 114; <DOWN> = 116; };
  xkb_types "test" { include "complete" };
  xkb_compatibility "test" { include "complete" };
  xkb_symbols "test" { key <ESC> {[Escape]}; key <RTRN> {[Return]}; key <UP> {[Up]};
    key <LEFT> {[Left]}; key <RGHT> {[Right]}; key <DOWN> {[Down]}; };
};
\0"""

    def __init__(self, path, extent):
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(path)
        self.buffer = b""
        self.ids = 1
        self.extent = extent
        self.globals = {}
        self.registry = self.new_id()
        self.send(1, 1, self.u32(self.registry))  # wl_display.get_registry
        self.roundtrip()
        seat = self.bind("wl_seat")
        pointers = self.bind("zwlr_virtual_pointer_manager_v1")
        keyboards = self.bind("zwp_virtual_keyboard_manager_v1")
        self.pointer = self.new_id()
        self.send(pointers, 0, self.u32(0) + self.u32(self.pointer))  # on the default seat
        self.keyboard = self.new_id()
        self.send(keyboards, 0, self.u32(seat) + self.u32(self.keyboard))
        keymap = tempfile.TemporaryFile()
        keymap.write(self.KEYMAP)
        keymap.flush()
        self.send(self.keyboard, 0, self.u32(1) + self.u32(len(self.KEYMAP)), [keymap.fileno()])  # XKB_V1
        self.roundtrip()
        keymap.close()

    @staticmethod
    def u32(value):
        return struct.pack("=I", value)

    @staticmethod
    def string(text):
        data = text.encode() + b"\0"
        return struct.pack("=I", len(data)) + data + b"\0" * (-len(data) % 4)

    def new_id(self):
        self.ids += 1
        return self.ids

    def send(self, target, opcode, payload=b"", fds=()):
        message = struct.pack("=II", target, ((8 + len(payload)) << 16) | opcode) + payload
        if fds:
            self.sock.sendmsg([message], [(socket.SOL_SOCKET, socket.SCM_RIGHTS, array.array("i", fds))])
        else:
            self.sock.sendall(message)

    def bind(self, interface):
        name = next((n for n, (i, _) in self.globals.items() if i == interface), None)
        if name is None:
            skip("sway offers no %s for the test's input" % interface)
        new = self.new_id()
        self.send(self.registry, 0, self.u32(name) + self.string(interface) + self.u32(1) + self.u32(new))
        return new

    def roundtrip(self):
        callback = self.new_id()
        self.send(1, 0, self.u32(callback))  # wl_display.sync
        while True:
            while len(self.buffer) < 8 or len(self.buffer) < (struct.unpack_from("=I", self.buffer, 4)[0] >> 16):
                data = self.sock.recv(65536)
                if not data:
                    raise RuntimeError("the compositor closed the test's connection")
                self.buffer += data
            target, word = struct.unpack_from("=II", self.buffer)
            size, opcode = word >> 16, word & 0xFFFF
            body, self.buffer = self.buffer[8:size], self.buffer[size:]
            if target == 1 and opcode == 0:
                raise RuntimeError("protocol error from the compositor: %r" % body)
            if target == self.registry and opcode == 0:
                name, length = struct.unpack_from("=II", body)
                interface = body[8:8 + length - 1].decode()
                self.globals[name] = (interface, struct.unpack_from("=I", body, 8 + length + (-length % 4))[0])
            if target == callback and opcode == 0:
                return

    def stamp(self):
        return int(time.monotonic() * 1000) & 0xFFFFFFFF

    def move(self, x, y):
        width, height = self.extent
        self.send(self.pointer, 1, struct.pack("=IIIII", self.stamp(), x, y, width, height))
        self.send(self.pointer, 4)  # frame
        self.roundtrip()

    def click(self, x, y, button=BTN_LEFT):
        self.move(x, y)
        for state in (1, 0):
            self.button(button, state)
            time.sleep(0.05)

    def button(self, button, state):
        self.send(self.pointer, 2, struct.pack("=III", self.stamp(), button, state))
        self.send(self.pointer, 4)
        self.roundtrip()

    def drag(self, x, y, dx, dy, steps=10):
        """Presses at x, y and moves by dx, dy as a mouse does (relative motion), then lets go."""
        self.move(x, y)
        self.button(BTN_LEFT, 1)
        for _ in range(steps):
            self.send(self.pointer, 0, struct.pack("=Iii", self.stamp(), dx * 256 // steps, dy * 256 // steps))
            self.send(self.pointer, 4)
            self.roundtrip()
            time.sleep(0.02)
        self.button(BTN_LEFT, 0)

    def key(self, code):
        for state in (1, 0):
            self.send(self.keyboard, 1, struct.pack("=III", self.stamp(), code, state))
            self.roundtrip()
        time.sleep(0.15)


class Screen:
    """One grim capture of the output, read pixel by pixel in logical coordinates."""

    def __init__(self, env, scale, name):
        png = os.path.join(ARTIFACTS, name + ".png")
        subprocess.run(["grim", png], env=env, check=True)
        data = subprocess.run(["grim", "-t", "ppm", "-"], env=env, check=True, capture_output=True).stdout
        fields = data.split(maxsplit=4)
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = fields[4]
        self.scale = scale

    def at(self, x, y):
        x, y = int(x * self.scale), int(y * self.scale)
        offset = (y * self.width + x) * 3
        return tuple(self.pixels[offset:offset + 3])


def close(colour, expected, tolerance=12):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, expected))


def check_widget(screen, where, size, colour, label, covered_from=None):
    """The widget's edges are where it was saved: its colour just inside each, not just outside.
    Points right of `covered_from` are under a window and must show that window instead."""
    x, y = where
    w, h = size
    mid_x, mid_y = x + min(w, 40) // 2, y + h // 2
    inside = [(x + 3, mid_y), (mid_x, y + 3), (x + w // 2 if covered_from is None else mid_x, y + h - 4)]
    outside = [(x - 3, mid_y), (mid_x, y - 3)]
    check(all(close(screen.at(*p), colour) for p in inside) and not any(close(screen.at(*p), colour) for p in outside),
          "%s: the widget's edges are at %d,%d (scale %g)" % (label, x, y, screen.scale))
    if covered_from is not None:
        check(not close(screen.at(covered_from + 40, mid_y), colour),
              "%s: the app's window is drawn over the widget (scale %g)" % (label, screen.scale))


def toplevels(env):
    tree = json.loads(subprocess.run(["swaymsg", "-t", "get_tree"], env=env, check=True, capture_output=True).stdout)
    found = []

    def walk(node):
        if node.get("type") in ("con", "floating_con") and node.get("pid"):
            found.append(node)
        for child in node.get("nodes", []) + node.get("floating_nodes", []):
            walk(child)

    walk(tree)
    return found


class Sway:
    """sway headless in `scratch`, as the throw-away user when this is root."""

    def __init__(self, scratch):
        self.scratch = scratch
        self.process = None
        self.created_user = False
        uid, gid = os.getuid(), os.getgid()
        if uid == 0:
            try:
                pwd.getpwnam(SWAY_USER)
            except KeyError:
                made = subprocess.run(["useradd", "--system", "--no-create-home", "--shell", "/usr/sbin/nologin",
                                       SWAY_USER], capture_output=True, text=True)
                if made.returncode != 0:
                    skip("sway does not run as root, and no user could be made for it: " + made.stderr.strip())
                self.created_user = True
            entry = pwd.getpwnam(SWAY_USER)
            uid, gid = entry.pw_uid, entry.pw_gid
        runtime = os.path.join(scratch, "sway-runtime")
        os.mkdir(runtime, 0o700)
        os.chown(runtime, uid, gid)
        config = os.path.join(scratch, "sway.config")
        with open(config, "w") as file:
            file.write("xwayland disable\n"
                       "output HEADLESS-1 resolution 1920x1080 position 0 0 scale 1\n"
                       'for_window [app_id="org.tallowick.Tallowick"] floating enable\n')
        os.chmod(config, 0o644)

        def as_sway_user():
            if os.getuid() == 0:
                os.setgroups([])
                os.setgid(gid)
                os.setuid(uid)

        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": scratch, "XDG_RUNTIME_DIR": runtime,
               "WLR_BACKENDS": "headless", "WLR_LIBINPUT_NO_DEVICES": "1", "WLR_RENDERER": "pixman"}
        log = open(os.path.join(ARTIFACTS, "sway.log"), "w")
        self.process = subprocess.Popen(["sway", "-c", config], env=env, preexec_fn=as_sway_user, stdout=log,
                                        stderr=subprocess.STDOUT, cwd=scratch)

        def sockets():
            names = os.listdir(runtime)
            wayland = [n for n in names if n.startswith("wayland-") and not n.endswith(".lock")]
            ipc = [n for n in names if n.startswith("sway-ipc")]
            return (wayland[0], ipc[0]) if wayland and ipc else None

        found = wait_for(sockets, 15)
        if not found:
            self.stop()
            skip("sway headless did not start (see sway.log in %s)" % ARTIFACTS)
        self.wayland, self.ipc = (os.path.join(runtime, name) for name in found)

    def stop(self):
        if self.process:
            self.process.terminate()
            self.process.wait(10)
        if self.created_user:
            subprocess.run(["userdel", SWAY_USER], capture_output=True)


def program_env(sway, scratch):
    """The programs' environment: a home of their own, no X server, no session bus, the test's
    plug-in drawing the small widget red (its tap opens the app's third page) and the one
    showing "Trip" blue."""
    home = os.path.join(scratch, "home")
    for sub in ("config", "data", "runtime"):
        os.makedirs(os.path.join(home, sub), mode=0o700)
    setup = os.path.join(scratch, "fake.json")
    with open(setup, "w") as file:
        json.dump({"options": [{"identifier": "1", "displayString": "Trip"}],
                   "timelines": {"": [{"date": "2024-01-01T00:00:00", "color": "#d02020",
                                       "link": "tallowick://open?pageNumber=2"}],
                                 "Trip": [{"date": "2024-01-01T00:00:00", "color": "#2040d0"}]}}, file)
    env = {key: value for key, value in os.environ.items()
           if key not in ("DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_SOCKET")}
    env.update({"WAYLAND_DISPLAY": sway.wayland, "SWAYSOCK": sway.ipc, "XDG_SESSION_TYPE": "wayland",
                "HOME": home, "XDG_CONFIG_HOME": os.path.join(home, "config"), "XDG_DATA_HOME": os.path.join(home, "data"),
                "XDG_RUNTIME_DIR": os.path.join(home, "runtime"),
                "DBUS_SESSION_BUS_ADDRESS": "unix:path=" + os.path.join(scratch, "no-bus"),
                "TALLOWICK_WIDGETS_PATH": FAKE_PLUGIN, "FAKE_WIDGETS_FILE": setup})
    return env


def start(command, env, log_name):
    return subprocess.Popen(command, env=env, stdout=open(os.path.join(ARTIFACTS, log_name), "w"),
                            stderr=subprocess.STDOUT)


def main():
    global BIN, FAKE_PLUGIN, ARTIFACTS
    BIN, FAKE_PLUGIN, ARTIFACTS = (os.path.abspath(arg) for arg in sys.argv[1:4])
    for tool in ("sway", "swaymsg", "grim"):
        if not shutil.which(tool):
            skip("%s is not installed (scripts/install-deps.sh installs it)" % tool)
    os.makedirs(ARTIFACTS, exist_ok=True)
    scratch = tempfile.mkdtemp(prefix="tallowick-sway-")
    os.chmod(scratch, 0o755)
    sway = None
    processes = []
    try:
        sway = Sway(scratch)
        env = program_env(sway, scratch)
        home_bin = os.path.join(BIN, "tallowick-home")
        subprocess.run([home_bin, "--add", "small", "--at", "100,100"], env=env, check=True, capture_output=True)
        subprocess.run([home_bin, "--add", "medium", "--at", "1400,700", "--event", "Trip"], env=env, check=True,
                       capture_output=True)

        # The app first, a window floating over the second widget's right part.
        app_env = fast_unwinding(dict(env, QT_QPA_PLATFORM="wayland"))
        processes.append(start([os.path.join(BIN, "tallowick"), "--size", "390x844"], app_env, "app.log"))
        if not wait_for(lambda: toplevels(env), 30):
            skip("the app shows no window under sway (is qt6-wayland installed? see app.log in %s)" % ARTIFACTS)
        subprocess.run(["swaymsg", '[app_id="org.tallowick.Tallowick"] move position 1460 400'], env=env,
                       check=True, capture_output=True)
        app_window = toplevels(env)[0]
        check(app_window.get("focused"), "the app's window has the keyboard before the widgets come")

        processes.append(start([home_bin], env, "home.log"))

        for scale in (1, 2):
            if scale == 2:
                subprocess.run(["swaymsg", "output HEADLESS-1 resolution 3840x2160 scale 2"], env=env, check=True,
                               capture_output=True)
            appeared = wait_for(lambda: (lambda s: s if close(s.at(150, 150), RED) and close(s.at(1410, 785), BLUE)
                                         else None)(Screen(env, scale, "sway-widgets-scale%d" % scale)), 20)
            screen = appeared or Screen(env, scale, "sway-widgets-scale%d" % scale)
            check_widget(screen, (100, 100), SMALL, RED, "small widget")
            check_widget(screen, (1400, 700), MEDIUM, BLUE, "medium widget", covered_from=1460)

        windows = toplevels(env)
        check([w.get("pid") for w in windows] == [app_window.get("pid")],
              "the app's is sway's only window: no widget is one (pids %s)" % [w.get("pid") for w in windows])

        # The keys stay with the app: Right turns its page.
        devices = VirtualInput(sway.wayland, (1920, 1080))
        page = lambda: Screen(env, 2, "sway-app-page").at(1468, 460)
        check(close(page(), NEW_YEAR), "the app shows its first event")
        devices.key(KEY_RIGHT)
        check(wait_for(lambda: close(page(), SUMMER_TRIP), 10), "the keys still reach the app with the widgets shown")

        # A click opens the app at the widget's event; the app is running, so it turns the page.
        devices.click(150, 150)
        check(wait_for(lambda: close(page(), TOGETHER), 15), "a click on the widget opened the app at its event")

        # The right-click menu: Size, then Large, with the keys.
        devices.click(150, 150, BTN_RIGHT)
        time.sleep(0.5)
        opened = Screen(env, 2, "sway-menu")
        check(not close(opened.at(160, 160), RED), "a right click opened the menu over the widget")
        check(len(toplevels(env)) == 1, "the menu is no window of sway's")
        for key in (KEY_DOWN, KEY_DOWN, KEY_RIGHT, KEY_DOWN, KEY_DOWN, KEY_ENTER):
            devices.key(key)
        grown = wait_for(lambda: (lambda s: s if close(s.at(400, 400), RED) else None)(
            Screen(env, 2, "sway-menu-large")), 10)
        check(grown is not None, "Size, Large from the menu's keys made the widget large")
        if grown:
            check_widget(grown, (100, 100), LARGE, RED, "large widget")
        devices.key(KEY_LEFT)
        check(wait_for(lambda: close(page(), SUMMER_TRIP), 10), "the app has the keys again once the menu is closed")

        # Dragged, it follows the pointer and keeps its new place.
        devices.drag(150, 150, 200, 100)
        moved = wait_for(lambda: (lambda s: s if close(s.at(302, 300), RED) else None)(Screen(env, 2, "sway-dragged")), 10)
        saved = subprocess.run([home_bin, "--list"], env=env, capture_output=True, text=True).stdout.split()
        check(moved is not None and not close(moved.at(150, 150), RED) and "300,200" in saved,
              "a drag moved the widget by 200,100 and saved its place (%s)" % " ".join(saved))
    finally:
        for process in reversed(processes):
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
        if sway:
            sway.stop()
        shutil.rmtree(scratch, ignore_errors=True)

    if failures:
        print("FAILED: %d check(s)" % len(failures))
        sys.exit(1)
    print("all checks passed")


if __name__ == "__main__":
    main()
