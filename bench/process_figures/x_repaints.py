#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Counts the repaints X sees of some windows over a number of seconds.

Arguments are KEY=WINDOW or KEY=WINDOW@X,Y,W,H; with a rectangle the repaints
confined to it are counted apart (the clock's zone label: none there means
the rotation is frozen). Writes JSON to --out: per key, repaints (batches of
damage) and rectangles, each per second, and the count inside the rectangle.

With --roll KEY=X,Y,W,H (the clock's time label) it also times the roll as
the X server sees it: every repaint of one row of that rectangle is a frame,
stamped with the server's own time. A roll runs up, row by row from the
bottom, then down again; the report gives the intervals between frames
(median, 95th percentile, largest) and the rows that no frame showed. A tick
that changes the label's text during a roll may repaint its visible part in
the same paint as a step: such a repaint of many rows shows the step's row
too, and counts as that row's frame.
"""

import argparse
import json
import statistics
import sys
import time

import xlib_ctypes as xl


def parse_target(text):
    key, _, rest = text.partition("=")
    window, _, rect = rest.partition("@")
    return key, int(window, 0), tuple(int(v) for v in rect.split(",")) if rect else None


# Frames further apart than this belong to different rolls.
ROLL_GAP_MS = 250


def percentile(values, fraction):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(round(fraction * (len(ordered) - 1))))]


def split_passes(frames):
    """Splits one roll's (ms, row) frames into runs that go one way: up (falling rows), then down."""
    passes, current, direction = [], [], 0
    for frame in frames:
        if current:
            way = -1 if frame[1] < current[-1][1] else 1
            if direction and way != direction:
                passes.append(current)
                current, way = [], 0
            direction = way
        current.append(frame)
    if current:
        passes.append(current)
    return passes


def after(a, b):
    """Whether server time b is not before a (the server's clock wraps at 2**32 ms)."""
    return (b - a) % 2**32 < 2**31


def fill_from_wide(one_way, wide):
    """A pass's frames plus the wide repaints inside it that showed a row no one-row frame did."""
    shown = {row for _, row in one_way}
    first, last = one_way[0][0], one_way[-1][0]
    filled = list(one_way)
    for when, top, bottom in wide:
        if after(first, when) and after(when, last) and bottom not in shown and top <= bottom:
            shown.add(bottom)
            filled.append((when, bottom))
    filled.sort(key=lambda frame: (frame[0] - first) % 2**32)
    return filled


def roll_pacing(frames, height, wide=()):
    """frames: (server ms, row) of one window, in arrival order; wide: (server ms,
    top row, bottom row) of its repaints of more than one row of the label."""
    if not frames:
        return {"frames": 0}
    rolls, current = [], [frames[0]]
    for frame in frames[1:]:
        if (frame[0] - current[-1][0]) % 2**32 > ROLL_GAP_MS:
            rolls.append(current)
            current = []
        current.append(frame)
    rolls.append(current)
    intervals, passes, lost, cut, counted = [], 0, 0, 0, 0
    for roll in rolls:
        # A roll starts and ends on the bottom row; one that does not was cut
        # by the ends of the measuring window, and its missing rows are not lost.
        if roll[0][1] != height - 1 or roll[-1][1] != height - 1:
            cut += 1
            intervals += [(b[0] - a[0]) % 2**32 for a, b in zip(roll, roll[1:])]
            counted += len(roll)
            continue
        shown = []
        for one_way in split_passes(roll):
            passes += 1
            filled = fill_from_wide(one_way, wide)
            lost += height - len({row for _, row in filled})
            shown += filled
        intervals += [(b[0] - a[0]) % 2**32 for a, b in zip(shown, shown[1:])]
        counted += len(shown)
    result = {"frames": counted, "rolls": len(rolls), "rolls_cut": cut, "passes": passes, "rows_lost": lost}
    if intervals:
        result.update({"median_ms": statistics.median(intervals), "p95_ms": percentile(intervals, 0.95),
                       "max_ms": max(intervals)})
    return result


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seconds", type=float, required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--roll", action="append", default=[], help="KEY=X,Y,W,H: time the roll in this rectangle")
    parser.add_argument("targets", nargs="+", help="KEY=WINDOW[@X,Y,W,H]")
    args = parser.parse_args()
    targets = [parse_target(t) for t in args.targets]
    rolls = {}
    for text in args.roll:
        key, _, rect = text.partition("=")
        rolls[key] = tuple(int(v) for v in rect.split(","))

    x11, display = xl.open_display()
    if display is None:
        print("x_repaints: cannot open the display", file=sys.stderr)
        return 1
    damage_event = None
    by_window = {}
    for key, window, rect in targets:
        damage_event = xl.watch_damage(display, window)
        by_window[window] = {"key": key, "rect": rect, "repaints": 0, "rects": 0, "in_rect": 0,
                             "roll": rolls.get(key), "frames": [], "wide": []}
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
        roll = counts["roll"]
        if roll:
            x, y, w, h = roll
            a = damage.area
            if a.x >= x and a.x + a.width <= x + w and y <= a.y and a.y + a.height <= y + h:
                if a.height == 1:
                    counts["frames"].append((damage.timestamp, a.y - y))
                elif a.height > 1:
                    counts["wide"].append((damage.timestamp, a.y - y, a.y + a.height - 1 - y))
    seconds = time.monotonic() - started
    x11.XCloseDisplay(display)

    result = {}
    for counts in by_window.values():
        result[counts["key"]] = {
            "repaints_per_s": counts["repaints"] / seconds,
            "rects_per_s": counts["rects"] / seconds,
            "in_rect": counts["in_rect"] if counts["rect"] else None,
        }
        if counts["roll"]:
            result[counts["key"]]["pacing"] = roll_pacing(counts["frames"], counts["roll"][3], counts["wide"])
    with open(args.out, "w") as out:
        json.dump(result, out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
