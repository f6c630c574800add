#!/usr/bin/python3
"""The app as a screen reader meets it: the real app on an X server (Xvfb), its accessibility
tree read over the AT-SPI bus with pyatspi. Run it under dbus-run-session:

    dbus-run-session -- tests/accessibility/accessibility_tree_test.py BIN_DIR

Checked on the page, in the add form and back, and in the list's sync sheet: every control has a role and a name and one
press action; nothing of a page that is not on screen, nor of what lies under an open sheet,
is in the tree; the page reads as one text with its title, whole date and count; the page
indicator says which event of how many; the date columns are spin buttons with a value; the
count's unit is a radio button each.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "support"))
from scriptcheck import check, failures, fast_unwinding, wait_for  # noqa: E402

BIN = os.path.abspath(sys.argv[1])

# What a person can press or change: each needs a name.
CONTROLS = {"push button", "radio button", "check box", "toggle button", "spin button", "list item",
            "text", "entry", "slider", "combo box", "page tab"}


def nodes(root):
    """Every object under `root`, with its role name, name, states and actions."""
    found = []

    def walk(node):
        try:
            actions = []
            try:
                action = node.queryAction()
                actions = [action.getName(i) for i in range(action.nActions)]
            except NotImplementedError:
                pass
            found.append({"node": node, "role": node.getRoleName(), "name": node.name or "",
                          "showing": node.getState().contains(pyatspi.STATE_SHOWING), "actions": actions})
            for child in node:
                if child is not None:
                    walk(child)
        except Exception as error:  # an object that went away while it was read
            print("     (skipped an object: %s)" % error)

    walk(root)
    return found


def find_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name and "tallowick" in app.name.lower():
            return app
    return None


def check_controls(tree, where):
    for item in tree:
        if item["role"] in CONTROLS:
            check(item["name"].strip() != "", "%s: the %s has a name" % (where, item["role"]))
        check(item["role"] not in ("unknown", "invalid"), "%s: '%s' has a known role (%s)"
              % (where, item["name"], item["role"]))
        check(item["actions"].count("Press") <= 1, "%s: '%s' offers one press action (%s)"
              % (where, item["name"], item["actions"]))


def press(tree, role, name):
    """Presses the control of `role` and `name` by its press action, as a screen reader does."""
    found = [i for i in tree if i["role"] == role and i["name"] == name]
    check(len(found) == 1, "one %s '%s' (%d)" % (role, name, len(found)))
    if found:
        action = found[0]["node"].queryAction()
        action.doAction([action.getName(n) for n in range(action.nActions)].index("Press"))


def main():
    work = tempfile.mkdtemp(prefix="tallowick-a11y-")
    env = dict(os.environ)
    for name, sub in (("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "data"), ("XDG_RUNTIME_DIR", "run")):
        env[name] = os.path.join(work, sub)
        os.makedirs(env[name], mode=0o700)
    env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", TZ="UTC", LANG="en_US.UTF-8",
               LC_ALL="en_US.UTF-8", LANGUAGE="en")
    env.pop("QT_ACCESSIBILITY", None)
    env = fast_unwinding(env)

    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    display_pipe = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(display_pipe[1]), "-screen", "0", "800x900x24", "-nolisten",
                             "tcp"], pass_fds=(display_pipe[1],), stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    display = os.read(display_pipe[0], 16).decode().strip()
    env["DISPLAY"] = ":" + display
    os.environ["DISPLAY"] = env["DISPLAY"]
    log = open(os.path.join(work, "app.log"), "w")
    app_process = subprocess.Popen([os.path.join(BIN, "tallowick"), "--now", "2026-12-08T09:00:00"], env=env,
                                   stdout=log, stderr=log)
    try:
        app = wait_for(find_app, 60)
        check(app is not None, "the app is on the AT-SPI bus")
        if app is None:
            return
        page_text = lambda tree: [i for i in tree if i["role"] == "label" and "New Year" in i["name"]]
        tree = wait_for(lambda: (lambda t: t if page_text(t) else None)(nodes(app)), 20) or nodes(app)

        # The page.
        texts = page_text(tree)
        check(len(texts) == 1, "one text reads the page (%d)" % len(texts))
        if texts:
            said = texts[0]["name"]
            check("January 1, 2027" in said and "24 days left" in said, "the page says title, whole date and count: "
                  + said)
        check(all(i["showing"] for i in tree), "every object of the page is on screen: "
              + ", ".join("%s '%s'" % (i["role"], i["name"]) for i in tree if not i["showing"]))
        check(any(i["name"] == "Event 1 of 3" for i in tree), "the page indicator says which event of how many")
        check(sum(1 for i in tree if i["name"] == "Edit Event") == 1, "the next page's controls are not in the tree")
        check_controls(tree, "page")

        # The add form, opened by its button's press action, over the page.
        add = [i for i in tree if i["role"] == "push button" and i["name"] == "New Event"]
        check(len(add) == 1, "the page has its add button")
        if add:
            action = add[0]["node"].queryAction()
            action.doAction([action.getName(n) for n in range(action.nActions)].index("Press"))
        form = wait_for(lambda: (lambda t: t if any(i["role"] == "spin button" for i in t) else None)(nodes(app)),
                        20) or nodes(app)
        check(not page_text(form), "under the open sheet the page is not in the tree")
        check(not any(i["name"] == "Edit Event" for i in form), "the page's buttons are not under the sheet")
        spins = [i for i in form if i["role"] == "spin button"]
        check(len(spins) == 3, "the date is three spin buttons (%d)" % len(spins))
        for spin in spins:
            try:
                value = spin["node"].queryValue()
                check(value.maximumValue > value.minimumValue, "'%s' has a value and a range (%s in %s..%s)"
                      % (spin["name"], value.currentValue, value.minimumValue, value.maximumValue))
            except NotImplementedError:
                check(False, "'%s' has a value" % spin["name"])
        check(any(i["role"] == "radio button" and i["name"] == "Peach" for i in form), "themes are named by theme")
        units = {i["name"]: i["node"].getState().contains(pyatspi.STATE_CHECKED) for i in form
                 if i["role"] == "radio button" and i["name"] in ("Days", "Weeks", "Months", "Years")}
        check(units == {"Days": True, "Weeks": False, "Months": False, "Years": False},
              "the count's unit is four radio buttons, days chosen: %s" % units)
        check(any(i["role"] == "push button" and i["name"] == "Close" for i in form), "the sheet has a close control")
        check_controls(form, "add form")

        # Escape closes it; the page is back.
        subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Tallowick", "windowfocus", "--sync", "key",
                        "Escape"], env=env, check=False)
        back = wait_for(lambda: (lambda t: t if page_text(t) else None)(nodes(app)), 20)
        check(back is not None and not any(i["role"] == "spin button" for i in back),
              "Escape closes the sheet and the page is read again")

        # The sync sheet, opened from the list by its action's press action, over the list.
        key = lambda name: subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Tallowick", "windowfocus",
                                           "--sync", "key", name], env=env, check=False)
        key("ctrl+l")
        listed = wait_for(lambda: (lambda t: t if any(i["name"] == "Sync with a calendar server" for i in t) else None)(
            nodes(app)), 20) or []
        press(listed, "push button", "Sync with a calendar server")
        # Once it stands: while it slides in, its lower part is still off the window (on a busy
        # machine its fields come into sight one by one).
        has_form = lambda t: t if any(i["name"] == "Set up sync" for i in t) and all(i["showing"] for i in t) else None
        sync = wait_for(lambda: has_form(nodes(app)), 20) or nodes(app)
        # Qt gives a password field no name: its label is its description.
        fields = {i["name"] or i["node"].description: i["role"] for i in sync
                  if i["role"] in ("text", "entry", "password text")}
        check(fields == {"Server address": "text", "User name": "text", "Password": "password text", "Calendar": "text"},
              "the sync form's fields say what they are for: %s" % fields)
        check(any(i["role"] == "push button" and i["name"] == "Set up sync" for i in sync), "the sync form has its button")
        check(sum(1 for i in sync if i["role"] == "push button" and i["name"] == "Close") == 1,
              "one close control: the list's own is under the sync sheet")
        check(not any(i["role"] in ("list", "list item") or i["name"] == "Back up events" for i in sync),
              "the list and its actions are not in the tree under the sync sheet")
        check(all(i["showing"] for i in sync), "only what the sync sheet shows is in the tree: "
              + ", ".join("%s '%s'" % (i["role"], i["name"]) for i in sync if not i["showing"]))
        check_controls(sync, "sync sheet")
        key("Escape")
        check(wait_for(lambda: not any(i["name"] == "Set up sync" for i in nodes(app)), 20),
              "Escape closes the sync sheet")
    finally:
        app_process.terminate()
        try:
            app_process.wait(10)
        except subprocess.TimeoutExpired:
            app_process.kill()
        xvfb.terminate()
        bus.terminate()
        log.close()
        if failures:
            print(open(os.path.join(work, "app.log")).read())
        shutil.rmtree(work, ignore_errors=True)


main()
print("%d failures" % len(failures))
sys.exit(1 if failures else 0)
