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
