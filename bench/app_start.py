#!/usr/bin/env python3
"""Measured run (not a test): time from start to the first saved frame, and peak memory, of
`tallowick --screenshot` with 1 and with 30 events, next to a bare Qt Quick window drawing one
rectangle, in the same run. The frame counts as saved when the program says so on standard
output; the time to exit (tearing the scene down) is shown beside it. Everything happens in a
throw-away XDG home.

    bench/app_start.py [BUILD_DIR] [RUNS]
"""
import json
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.environ.get("TALLOWICK_BUILD_DIR", "build"))
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
app = os.path.join(build, "bin", "tallowick")
cli = os.path.join(build, "bin", "tallowick-cli")
bare = os.path.join(build, "bin", "quick_baseline")


def series(command, env):
    """Median time to the saved frame (the program's "saved" line on standard output), median
    time to exit, and the highest peak RSS of `runs` starts."""
    to_frame, to_exit, peaks = [], [], []
    for _ in range(runs):
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
        to_frame.append(frame * 1000)
        to_exit.append(exit_ * 1000)
        peaks.append(peak)
    return statistics.median(to_frame), statistics.median(to_exit), max(peaks)


with tempfile.TemporaryDirectory() as scratch:
    env = dict(os.environ, XDG_CONFIG_HOME=f"{scratch}/config", XDG_DATA_HOME=f"{scratch}/data",
               XDG_RUNTIME_DIR=f"{scratch}/runtime", HOME=scratch, TZ="Asia/Seoul", LANG="C.UTF-8",
               QT_QPA_PLATFORM="offscreen")
    env.pop("DISPLAY", None)
    env.pop("WAYLAND_DISPLAY", None)
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
    shot = os.path.join(scratch, "shot.png")

    results = {}
    results["bare window"] = series([bare, "--screenshot", shot], env)

    # One event: delete the packaged ones down to one.
    subprocess.run([cli, "list"], env=env, check=True, capture_output=True)
    while int(subprocess.run([cli, "list", "--json"], env=env, check=True, capture_output=True, text=True)
              .stdout.count('"index"')) > 1:
        subprocess.run([cli, "delete", "0"], env=env, check=True, capture_output=True)
    results["app, 1 event"] = series([app, "--screenshot", shot, "--now", "2026-12-08T09:00:00"], env)

    for i in range(29):
        subprocess.run([cli, "add", f"Event {i}", "2027-01-01", "--theme", str(1001 + i % 9)], env=env, check=True,
                       capture_output=True)
    results["app, 30 events"] = series([app, "--screenshot", shot, "--now", "2026-12-08T09:00:00"], env)

bare_ms, _, bare_kb = results["bare window"]
one_ms, _, one_kb = results["app, 1 event"]
thirty_ms, _, thirty_kb = results["app, 30 events"]
print(f"{'run':<16}{'to saved frame (median ms)':>28}{'to exit (median ms)':>22}{'peak RSS (kB)':>16}")
for name, (frame_ms, exit_ms, kb) in results.items():
    print(f"{name:<16}{frame_ms:>28.1f}{exit_ms:>22.1f}{kb:>16}")
print(f"start, 1 event / bare window: {one_ms / bare_ms:.2f}x; 30 events / bare window: {thirty_ms / bare_ms:.2f}x")
print(f"memory, 30 events / 1 event: {thirty_kb / one_kb:.2f}x")
