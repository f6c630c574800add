#!/usr/bin/env python3
"""Measured run (not a test): time from start to the first saved frame, and peak memory, of
`tallowick --screenshot` with 1 and with 30 events, next to a bare Qt Quick window drawing one
rectangle, in the same run: the programs take turns, round after round. The bare window with
text (the same rectangle and four lines in the sizes of an event page's texts) is a second
reference: what showing any text at all costs. The frame counts
as saved when the program says so on standard output; the time to exit (tearing the scene down)
is shown beside it. Everything happens in throw-away XDG homes.

    bench/app_start.py [BUILD_DIR] [RUNS]
"""
import json
import os
import statistics
import subprocess
import sys
import tempfile

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.environ.get("TALLOWICK_BUILD_DIR", "build"))
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
app = os.path.join(build, "bin", "tallowick")
cli = os.path.join(build, "bin", "tallowick-cli")
bare = os.path.join(build, "bin", "quick_baseline")


def run_once(command, env):
    """Time to the saved frame (the program's "saved" line on standard output), time to exit,
    and peak RSS of one start."""
    # A fresh interpreter child per run gives each run's own peak.
    out = subprocess.run([sys.executable, "-c", (
        "import resource,subprocess,sys,time,json;"
        "t=time.perf_counter();"
        "p=subprocess.Popen(sys.argv[1:],stdout=subprocess.PIPE,stderr=subprocess.DEVNULL);"
        "p.stdout.readline();f=time.perf_counter();"
        "p.stdout.read();p.wait();e=time.perf_counter();"
        "print(json.dumps([f-t,e-t,p.returncode,resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss]))"
    )] + command, env=env, check=True, capture_output=True, text=True).stdout
    frame, exit_, code, peak = json.loads(out)
    if code != 0:
        sys.exit(f"{command[0]} failed ({code})")
    return frame * 1000, exit_ * 1000, peak


def home(scratch, name):
    env = dict(os.environ, XDG_CONFIG_HOME=f"{scratch}/{name}/config", XDG_DATA_HOME=f"{scratch}/{name}/data",
               XDG_RUNTIME_DIR=f"{scratch}/{name}/runtime", HOME=f"{scratch}/{name}", TZ="Asia/Seoul",
               LANG="C.UTF-8", QT_QPA_PLATFORM="offscreen")
    env.pop("DISPLAY", None)
    env.pop("WAYLAND_DISPLAY", None)
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
    return env


def keep_events(env, count):
    """Deletes the packaged events down to one, then adds up to `count`."""
    def listed():
        return subprocess.run([cli, "list", "--json"], env=env, check=True, capture_output=True,
                              text=True).stdout.count('"index"')
    while listed() > 1:
        subprocess.run([cli, "delete", "0"], env=env, check=True, capture_output=True)
    for i in range(count - 1):
        subprocess.run([cli, "add", f"Event {i}", "2027-01-01", "--theme", str(1001 + i % 9)], env=env, check=True,
                       capture_output=True)


with tempfile.TemporaryDirectory() as scratch:
    one, thirty = home(scratch, "one"), home(scratch, "thirty")
    keep_events(one, 1)
    keep_events(thirty, 30)
    shot = os.path.join(scratch, "shot.png")
    now = ["--now", "2026-12-08T09:00:00"]
    programs = {
        "bare window": ([bare, "--screenshot", shot], one),
        "bare with text": ([bare, "--screenshot", shot, "--text"], one),
        "app, 1 event": ([app, "--screenshot", shot] + now, one),
        "app, 30 events": ([app, "--screenshot", shot] + now, thirty),
    }
    # Round by round, so that a machine getting busier or quieter during the run weighs on
    # every program alike.
    runs_of = {name: [] for name in programs}
    for _ in range(runs):
        for name, (command, env) in programs.items():
            runs_of[name].append(run_once(command, env))

results = {name: (statistics.median(r[0] for r in rs), statistics.median(r[1] for r in rs), max(r[2] for r in rs))
           for name, rs in runs_of.items()}


def ratio_by_round(name, reference="bare window"):
    return statistics.median(a[0] / b[0] for a, b in zip(runs_of[name], runs_of[reference]))


bare_ms, _, bare_kb = results["bare window"]
text_ms = results["bare with text"][0]
one_ms, _, one_kb = results["app, 1 event"]
thirty_ms, _, thirty_kb = results["app, 30 events"]
print(f"{'run':<16}{'to saved frame (median ms)':>28}{'to exit (median ms)':>22}{'peak RSS (kB)':>16}")
for name, (frame_ms, exit_ms, kb) in results.items():
    print(f"{name:<16}{frame_ms:>28.1f}{exit_ms:>22.1f}{kb:>16}")
print(f"start, 1 event / bare window: {one_ms / bare_ms:.2f}x; 30 events / bare window: {thirty_ms / bare_ms:.2f}x")
print(f"  (median of the ratios within each round: {ratio_by_round('app, 1 event'):.2f}x and "
      f"{ratio_by_round('app, 30 events'):.2f}x)")
print(f"start, 1 event / bare with text: {one_ms / text_ms:.2f}x; 30 events / bare with text: "
      f"{thirty_ms / text_ms:.2f}x (per round: {ratio_by_round('app, 1 event', 'bare with text'):.2f}x and "
      f"{ratio_by_round('app, 30 events', 'bare with text'):.2f}x)")
print(f"memory, 30 events / 1 event: {thirty_kb / one_kb:.2f}x")
