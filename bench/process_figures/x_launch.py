#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts a program and times its window on the X display in $DISPLAY.

Writes one line of JSON to --out: the program's pid, its window, the milliseconds from
launch to the window being mapped and, with --typed-rect, to the last repaint
confined to that rectangle before the window first repaints outside it. That
is how the clock's first zone name is seen to be fully typed: each letter
repaints the zone label alone, the time label's roll comes after the name.

Then it stays the program's parent until the program ends, so the program is
reaped even where pid 1 reaps nothing; SIGTERM or SIGINT here end the program
too. The program's pid is written to --pidfile at once, so the caller can end
it by pid whatever happens. Map and repaints arrive as X events (MapNotify,
DamageNotify), so they are timed to the millisecond without polling xwininfo
or taking screenshots.
"""

import argparse
import json
import os
import signal
import subprocess
import sys
import time

import xlib_ctypes as xl


def parse_ints(text, count):
    values = tuple(int(part) for part in text.split(","))
    if len(values) != count:
        raise argparse.ArgumentTypeError("expected %d comma-separated integers: %s" % (count, text))
    return values


def inside(area, rect):
    x, y, w, h = rect
    return area.x >= x and area.y >= y and area.x + area.width <= x + w and area.y + area.height <= y + h


def write_whole(path, text):
    temp = path + ".part"
    with open(temp, "w") as out:
        out.write(text)
    os.replace(temp, path)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--pidfile", required=True)
    parser.add_argument("--out", required=True, help="file for the JSON line, written whole once known")
    parser.add_argument("--key", default="", help="copied into the output, for the report")
    parser.add_argument("--label", default="", help="copied into the output, for the report")
    parser.add_argument("--timeout", type=float, default=20.0, help="seconds to wait for the window")
    parser.add_argument("--move", type=lambda t: parse_ints(t, 2), help="X,Y: move the window there once mapped")
    parser.add_argument("--typed-rect", type=lambda t: parse_ints(t, 4),
                        help="X,Y,W,H inside the window where the typing is seen")
    parser.add_argument("--watch", type=float, default=4.0, help="seconds to watch repaints after the map")
    parser.add_argument("--log", default=os.devnull, help="file for the program's output")
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command
    if not command:
        parser.error("no program to launch")

    result = {"key": args.key, "label": args.label, "pid": None, "window": None,
              "mapped_ms": None, "typed_ms": None}
    x11, display = xl.open_display()
    if display is None:
        result["error"] = "cannot open display " + os.environ.get("DISPLAY", "(none)")
        write_whole(args.out, json.dumps(result) + "\n")
        return 1
    root = x11.XDefaultRootWindow(display)
    x11.XSelectInput(display, root, xl.SUBSTRUCTURE_NOTIFY_MASK)
    x11.XSync(display, 0)
    pid_atom = x11.XInternAtom(display, b"_NET_WM_PID", 0)
    fd = x11.XConnectionNumber(display)

    # The program's output must not hold our stdout open: the caller reads it to the end.
    with open(args.log, "ab") as log:
        started = time.monotonic()
        child = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=log, stderr=log)
    with open(args.pidfile, "w") as pidfile:
        pidfile.write("%d\n" % child.pid)
    result["pid"] = child.pid

    # Passed on, then the program is waited for below: a handler must not wait
    # itself, as it may have interrupted the wait.
    stopping = []

    def pass_on(signum, frame):
        stopping.append(signum)
        if child.returncode is None:
            try:
                os.kill(child.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass  # reaped by the wait this signal interrupted
    signal.signal(signal.SIGTERM, pass_on)
    signal.signal(signal.SIGINT, pass_on)

    deadline = started + args.timeout
    damage_event = None
    last_inside_ms = None
    event = xl.XEvent()
    while time.monotonic() < deadline and not stopping:
        if child.poll() is not None:
            result["error"] = "exited with status %d" % child.returncode
            break
        if not xl.next_event(x11, display, fd, event, min(deadline, time.monotonic() + 0.05)):
            continue
        now_ms = (time.monotonic() - started) * 1000.0
        if result["window"] is None:
            mapped = event.xmap
            if event.type != xl.MAP_NOTIFY or mapped.event != root or mapped.override_redirect:
                continue
            owner = xl.window_pid(x11, display, mapped.window, pid_atom)
            # Plain Xt programs set no _NET_WM_PID: theirs is the first top-level
            # to appear, which holds because the caller launches one at a time.
            if owner is not None and owner != child.pid:
                continue
            result["window"] = "0x%x" % mapped.window
            result["mapped_ms"] = round(now_ms, 1)
            if args.move:
                x11.XMoveWindow(display, mapped.window, *args.move)
            if args.typed_rect:
                damage_event = xl.watch_damage(display, mapped.window)
            x11.XFlush(display)
            if damage_event is None:
                break
            deadline = time.monotonic() + args.watch
        elif event.type == damage_event:
            area = event.xdamage.area
            if inside(area, args.typed_rect):
                last_inside_ms = now_ms
            elif last_inside_ms is not None:
                result["typed_ms"] = round(last_inside_ms, 1)
                break

    if stopping:
        result["error"] = "stopped"
    elif result["window"] is None and "error" not in result:
        result["error"] = "no window within %.0f s" % args.timeout
    x11.XCloseDisplay(display)
    write_whole(args.out, json.dumps(result) + "\n")
    if result["window"] is None and child.poll() is None:
        os.kill(child.pid, signal.SIGTERM)
    child.wait()
    return 128 + stopping[0] if stopping else 0


if __name__ == "__main__":
    sys.exit(main())
