#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The clock to a screen reader: on a display, session bus and accessibility
bus of its own, the built clock is found through AT-SPI as a screen reader
finds it; its zone, time and date labels are read, and its "Next time zone"
button, pressed through its action, puts another zone's name in the zone
label.

Exit status 0 when every check holds, 1 when one fails, 77 when something
essential is missing here (the reason is printed)."""

import argparse
import json
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import x_session as xs  # noqa: E402
from desktop_test import BASE_SETTINGS, Checks, Clock, write_settings  # noqa: E402

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
TIME = r"\d{1,2}:\d{2}:\d{2}"
# Seconds any one AT-SPI step may take before the test gives up on it.
STEP_TIMEOUT = 75


def atspi_python():
    """An interpreter that can import pyatspi: this one, or Debian's own,
    which python3-pyatspi installs into."""
    for candidate in dict.fromkeys((sys.executable, "/usr/bin/python3")):
        if candidate and os.access(candidate, os.X_OK):
            found = subprocess.run([candidate, "-c", "import pyatspi"], capture_output=True, timeout=30)
            if found.returncode == 0:
                return candidate
    raise xs.Skip("pyatspi cannot be imported (scripts/install-deps.sh installs python3-pyatspi)")


def helper(python, session, *arguments):
    """Runs a step of this script that needs pyatspi, under a time limit, and
    hands back what it printed as JSON."""
    command = [python, os.path.abspath(__file__)] + list(arguments)
    try:
        done = subprocess.run(command, env=session.env, capture_output=True, text=True, timeout=STEP_TIMEOUT)
    except subprocess.TimeoutExpired:
        raise AssertionError("%s took more than %d s" % (" ".join(arguments), STEP_TIMEOUT))
    if done.returncode != 0:
        raise AssertionError("%s failed: %s" % (" ".join(arguments), done.stderr.strip()[-2000:]))
    return json.loads(done.stdout)


def start_buses(session, python):
    """A private session bus, then the accessibility bus on it. Each runs as
    a process of the session, so each ends by its pid with the test."""
    xs.need("dbus-daemon")
    if not os.access(BUS_LAUNCHER, os.X_OK):
        raise xs.Skip(BUS_LAUNCHER + " is not installed (scripts/install-deps.sh installs at-spi2-core)")
    socket = os.path.join(session.workdir, "session-bus")
    # Not dbus-run-session: it would end the bus only when a command it runs
    # ends, where here the bus must outlive several.
    session.start(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--address=unix:path=" + socket],
                  "dbus.log")
    try:
        xs.wait_for("the session bus", lambda: os.path.exists(socket), timeout=10)
    except AssertionError:
        raise xs.Skip("dbus-daemon started no session bus here (see %s)" % session.workdir)
    session.env["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + socket
    session.start([BUS_LAUNCHER, "--launch-immediately"], "at-spi.log")
    if not helper(python, session, "--wait-for-bus")["ready"]:
        raise xs.Skip("at-spi-bus-launcher started no accessibility bus here (see %s)" % session.workdir)


def private_home(session):
    for name, folder in (("HOME", "home"), ("XDG_DATA_HOME", "data"), ("XDG_CACHE_HOME", "cache")):
        path = os.path.join(session.workdir, folder)
        os.makedirs(path, exist_ok=True)
        session.env[name] = path
    session.env.pop("AT_SPI_BUS_ADDRESS", None)


def check_screen_reader(session, program, python, checks):
    write_settings(session, BASE_SETTINGS)
    env = dict(session.env, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    clock = Clock(session, program, env)
    clock.start()
    seen = helper(python, session, "--read-and-press", str(clock.process.pid))
    if not checks.expect(seen["found"], "AT-SPI finds the clock's application by its process"):
        return
    labels = seen["labels"]
    zone = seen["zone_before"]
    checks.expect(bool(zone), "a label names the zone on show (%r among %r)" % (zone, labels))
    checks.expect(any(re.fullmatch(TIME, name) for name in labels), "a label reads the time as hh:mm:ss (%r)" % labels)
    year = r"(19|20)\d\d"
    checks.expect(any(re.search(year, name) and ":" not in name for name in labels),
                  "a label reads the date (%r)" % labels)
    checks.expect(seen["button"] == "Next time zone", "a button is named \"Next time zone\" (%r)" % seen["button"])
    checks.expect(seen["pressed"], "the button has a press action (%r)" % seen["actions"])
    after = seen["zone_after"]
    checks.expect(bool(after) and after != zone,
                  "pressing it puts another zone in the label (%r, then %r)" % (zone, after))
    clock.stop()


# ---- the steps that need pyatspi, each run in a child process -------------------


def wait_for_bus():
    from gi.repository import Gio, GLib

    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)

    def owned():
        # NameHasOwner starts nothing, where a call to the bus's name would
        # start a second launcher behind the test's back.
        reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                              "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)), GLib.VariantType("(b)"),
                              Gio.DBusCallFlags.NO_AUTO_START, 2000, None)
        return reply.unpack()[0]

    try:
        xs.wait_for("the accessibility bus", owned, timeout=20)
        return {"ready": True}
    except AssertionError:
        return {"ready": False}


def children(node):
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield child


def descendants(node, depth=0):
    if depth > 12:
        return
    for child in children(node):
        yield child
        yield from descendants(child, depth + 1)


def steady(what, read, timeout=10):
    """read()'s value once it is the same twice a second apart: the clock
    types a zone name in letter by letter."""
    last = [None]

    def settled():
        value = read()
        if value and value == last[0]:
            return value
        last[0] = value
        return None

    return xs.wait_for(what, settled, timeout=timeout, step=1.0)


def read_and_press(pid):
    import pyatspi
    from gi.repository import Atspi

    # No call to the clock may hang the step: 3 s each, 15 s while it starts.
    Atspi.set_timeout(3000, 15000)

    def application():
        for app in children(pyatspi.Registry.getDesktop(0)):
            try:
                if app.get_process_id() == pid:
                    return app
            except Exception:
                continue
        return None

    try:
        app = xs.wait_for("the clock on the accessibility bus", application, timeout=20)
    except AssertionError:
        return {"found": False}

    text_roles = {pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC}

    def labels():
        return [node for node in descendants(app) if node.getRole() in text_roles]

    # Until the first tick the labels hold their design-time captions.
    try:
        xs.wait_for("the first tick", lambda: any(re.fullmatch(TIME, node.name) for node in labels()), timeout=15)
    except AssertionError:
        pass
    # The zone's is the label without a digit.
    zones = [node for node in labels() if not re.search(r"\d", node.name)]
    zone = zones[0] if zones else None
    try:
        before = steady("a whole zone name", lambda: zone.name) if zone else None
    except AssertionError:
        before = zone.name
    labels = [node.name for node in labels()]
    buttons = [node for node in descendants(app) if node.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    button = buttons[0] if buttons else None
    seen = {"found": True, "labels": labels, "zone_before": before,
            "button": button.name if button else None, "actions": [], "pressed": False, "zone_after": None}
    if button is None or zone is None:
        return seen
    action = button.queryAction()
    seen["actions"] = [action.getName(index) for index in range(action.nActions)]
    presses = [index for index, name in enumerate(seen["actions"]) if name.lower() == "press"]
    if not presses:
        return seen
    seen["pressed"] = bool(action.doAction(presses[0]))

    # Read through the same object a screen reader holds: it learns of the new
    # name only from the clock's events.
    try:
        seen["zone_after"] = steady("another zone name", lambda: zone.name if zone.name != before else None)
    except AssertionError:
        seen["zone_after"] = zone.name
    return seen


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--program")
    parser.add_argument("--wait-for-bus", action="store_true", help=argparse.SUPPRESS)
    parser.add_argument("--read-and-press", metavar="PID", type=int, help=argparse.SUPPRESS)
    args = parser.parse_args()
    if args.wait_for_bus:
        print(json.dumps(wait_for_bus()))
        return 0
    if args.read_and_press:
        print(json.dumps(read_and_press(args.read_and_press)))
        return 0
    if not args.program:
        parser.error("--program is required")

    workdir = xs.workdir("horalux-screen-reader-")
    session = xs.Session(workdir)
    checks = Checks("screen-reader", None)

    def body():
        for tool in ("xdotool", "xprop"):
            xs.need(tool)
        python = atspi_python()
        private_home(session)
        session.xvfb()
        session.window_manager("openbox")
        start_buses(session, python)
        check_screen_reader(session, args.program, python, checks)

    return xs.run_checks(session, workdir, checks, body)


if __name__ == "__main__":
    sys.exit(main())
