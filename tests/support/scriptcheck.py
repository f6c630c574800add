"""What the end-to-end scripts share: each check printed as it is made, its failures kept for
the exit status, and waiting for something with a bound."""
import time

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    if not condition:
        failures.append(what)


def wait_for(done, seconds=20, interval=0.1):
    """Polls until `done()` gives something, and gives it; the bound only ends a failing test."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = done()
        if value:
            return value
        time.sleep(interval)
    return done()


def fast_unwinding(env):
    """`env` for a program drawing a window: under AddressSanitizer, unwinding the stack of every
    allocation the slow way (through Qt's libraries, which keep no frame pointers) holds a
    window's start and its rendering for minutes, and can deadlock libgcc's unwinder between
    the render thread and the D-Bus thread. The fast way's stacks end where Qt's libraries
    begin, too short to tell what Qt keeps at exit from a leak of ours, so these runs check
    memory errors and undefined behaviour but not leaks (the suite's other runs do)."""
    env = dict(env)
    if "ASAN_OPTIONS" in env:
        env["ASAN_OPTIONS"] = fast_unwinding_options(env["ASAN_OPTIONS"])
    return env


def fast_unwinding_options(options):
    return options.replace("fast_unwind_on_malloc=0", "fast_unwind_on_malloc=1").replace("detect_leaks=1",
                                                                                        "detect_leaks=0")
