#!/usr/bin/python3
"""The running app raises its window on Wayland with the token a later start was given: the real
app under sway (headless), as a throwaway user (sway does not run as root); Qt's protocol log
(WAYLAND_DEBUG) shows what the app asks of the compositor.

    tests/shell/wayland_activation_test.py BIN_DIR

The token is the start's XDG_ACTIVATION_TOKEN: the app hands it to xdg_activation_v1.activate
with its window's surface. (A token the compositor did not issue is then refused by it: this
checks what the app asks, not what sway grants.)
"""
import glob
import os
import pwd
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "support"))
from scriptcheck import check, failures, fast_unwinding_options, wait_for  # noqa: E402

BIN = os.path.abspath(sys.argv[1])
USER = "tallowick-test-sway"
TOKEN = "token-of-the-click-%d" % os.getpid()


def skip(why):
    print("SKIP " + why, flush=True)
    sys.exit(77)


if os.geteuid() != 0:
    skip("needs root to run sway as a user of its own")
if not shutil.which("sway") or not glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so"):
    skip("needs sway and Qt's Wayland plug-in (qt6-wayland)")
try:
    pwd.getpwnam(USER)
except KeyError:
    subprocess.run(["useradd", "--system", "--no-create-home", "--shell", "/usr/sbin/nologin", USER], check=True)

scratch = tempfile.mkdtemp(prefix="tallowick-wayland-")
os.chmod(scratch, 0o755)
runtime, home = os.path.join(scratch, "run"), os.path.join(scratch, "home")
for folder in (runtime, home):
    os.mkdir(folder, 0o700)
    shutil.chown(folder, USER, USER)
# The programs, where the user can reach them.
programs = os.path.join(scratch, "bin")
shutil.copytree(BIN, programs, ignore=lambda _, names: [n for n in names if n not in ("tallowick",)])
os.chmod(programs, 0o755)
config = os.path.join(scratch, "sway.config")
with open(config, "w") as f:
    f.write("output HEADLESS-1 resolution 1280x800\n")
os.chmod(config, 0o644)

base = ["runuser", "-u", USER, "--", "env", "-i", "PATH=/usr/bin:/bin", "XDG_RUNTIME_DIR=" + runtime, "HOME=" + home,
        "XDG_CONFIG_HOME=" + home + "/config", "XDG_DATA_HOME=" + home + "/data", "TZ=Asia/Seoul", "LANG=C.UTF-8"]
# A sanitizer build's programs report on standard error (the throw-away user cannot write the
# suite's report folder), unwinding the fast way, which a window's start needs.
for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS"):
    if name in os.environ:
        options = [o for o in os.environ[name].split(":") if not o.startswith("log_path=")]
        base.append(name + "=" + fast_unwinding_options(":".join(options)))
processes = []
try:
    sway = subprocess.Popen(base + ["WLR_BACKENDS=headless", "WLR_LIBINPUT_NO_DEVICES=1", "WLR_RENDERER=pixman",
                                    "sway", "-c", config], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    processes.append(sway)
    if not wait_for(lambda: os.path.exists(os.path.join(runtime, "wayland-1"))):
        skip("sway did not start here")
    wayland = ["WAYLAND_DISPLAY=wayland-1", "QT_QPA_PLATFORM=wayland"]
    log_path = os.path.join(scratch, "app.log")
    with open(log_path, "w") as log:
        app = subprocess.Popen(base + wayland + ["WAYLAND_DEBUG=client", os.path.join(programs, "tallowick"),
                                                 "--now", "2026-12-08T09:00:00"], stdout=subprocess.DEVNULL, stderr=log)
    processes.append(app)
    shown = wait_for(lambda: "xdg_toplevel" in open(log_path, errors="replace").read() and
                     os.path.exists(os.path.join(runtime, "tallowick", "app.socket")))
    check(shown, "the app runs on sway")
    second = subprocess.run(base + wayland + ["XDG_ACTIVATION_TOKEN=" + TOKEN, os.path.join(programs, "tallowick"),
                                              "tallowick://open?pageNumber=1"], capture_output=True, text=True, timeout=60)
    check(second.returncode == 0, "a second start hands its link over " + second.stderr.strip()[-300:])
    asked = wait_for(lambda: 'activate("%s", wl_surface@' % TOKEN in open(log_path, errors="replace").read(), 10)
    check(asked, "the running app activates its window with the start's token")
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
