#!/usr/bin/env python3
"""Counts the repaints X sees of some windows over a number of seconds.

Arguments are KEY=WINDOW or KEY=WINDOW@X,Y,W,H; with a rectangle the repaints
confined to it are counted apart (the clock's zone label: none there means
the rotation is frozen). Writes JSON to --out: per key, repaints (batches of
damage) and rectangles, each per second, and the count inside the rectangle.
"""

import argparse
import json
import sys
import time

import xlib_ctypes as xl


def parse_target(text):
    key, _, rest = text.partition("=")
    window, _, rect = rest.partition("@")
    return key, int(window, 0), tuple(int(v) for v in rect.split(",")) if rect else None


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seconds", type=float, required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("targets", nargs="+", help="KEY=WINDOW[@X,Y,W,H]")
    args = parser.parse_args()
    targets = [parse_target(t) for t in args.targets]

    x11, display = xl.open_display()
    if display is None:
        print("x_repaints: cannot open the display", file=sys.stderr)
        return 1
    damage_event = None
    by_window = {}
    for key, window, rect in targets:
        damage_event = xl.watch_damage(display, window)
        by_window[window] = {"key": key, "rect": rect, "repaints": 0, "rects": 0, "in_rect": 0}
    if damage_event is None:
        print("x_repaints: no DAMAGE extension", file=sys.stderr)
        return 1
    x11.XSync(display, 0)
    fd = x11.XConnectionNumber(display)

    event = xl.XEvent()
    started = time.monotonic()
    until = started + args.seconds
    while xl.next_event(x11, display, fd, event, until):
        if event.type != damage_event:
            continue
        damage = event.xdamage
        counts = by_window.get(damage.drawable)
        if counts is None:
            continue
        counts["rects"] += 1
        # Raw rectangles come in batches, one per repaint; "more" marks all but the last.
        if not damage.more:
            counts["repaints"] += 1
        rect = counts["rect"]
        if rect:
            x, y, w, h = rect
            a = damage.area
            if a.x >= x and a.y >= y and a.x + a.width <= x + w and a.y + a.height <= y + h:
                counts["in_rect"] += 1
    seconds = time.monotonic() - started
    x11.XCloseDisplay(display)

    result = {}
    for counts in by_window.values():
        result[counts["key"]] = {
            "repaints_per_s": counts["repaints"] / seconds,
            "rects_per_s": counts["rects"] / seconds,
            "in_rect": counts["in_rect"] if counts["rect"] else None,
        }
    with open(args.out, "w") as out:
        json.dump(result, out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
