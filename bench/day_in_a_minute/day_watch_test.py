#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The day watcher's reading of xrestop, its simulated clock and its verdicts."""

import contextlib
import io
import os
import sys
import types
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import day_watch  # noqa: E402

# As xrestop -b -m 1 prints it for a Qt program: its first window is the
# selection owner, which has no _NET_WM_PID, so the PID is unknown.
XRESTOP = """0 - Qt Selection Owner for horalux ( PID:  ?   ):
\tres_base      : 0x400000
\tres_mask      : 0x1fffff
\twindows       : 3
\tGCs           : 2
\tfonts         : 1
\tpixmaps       : 1
\tpictures      : 0
\tglyphsets     : 0
\tcolormaps     : 0
\tpassive grabs : 0
\tcursors       : 1
\tunknowns      : 11
\tpixmap bytes  : 57600
\tother bytes   : ~1432
\ttotal bytes   : ~59032
1 - <unknown> ( PID:  ?   ):
\tres_base      : 0
\tres_mask      : 0x1fffff
\twindows       : 1
\tunknowns      : 36
\tpixmap bytes  : 0
2 - xclock ( PID: 1543 ):
\tres_base      : 0x200000
\tres_mask      : 0x1fffff
\twindows       : 2
\tpixmaps       : 3
\tpixmap bytes  : 107584
"""


class XResourcesTest(unittest.TestCase):
    def test_the_window_picks_its_client(self):
        clients = day_watch.parse_xrestop(XRESTOP)
        for window, windows, pixmap_bytes in [(0x400005, 3, 57600), (0x200001, 2, 107584)]:
            with self.subTest(window=hex(window)):
                client = day_watch.client_of_window(clients, window)
                self.assertEqual(client["windows"], windows)
                self.assertEqual(client["pixmap bytes"], pixmap_bytes)

    def test_a_window_of_no_listed_client_finds_none(self):
        # 0x600001 is in no client's range; the server's own (base 0) must not claim it.
        self.assertIsNone(day_watch.client_of_window(day_watch.parse_xrestop(XRESTOP), 0x600001))
        self.assertIsNone(day_watch.client_of_window(day_watch.parse_xrestop(""), 0x400005))

    def test_counts_missing_from_the_listing_are_zero(self):
        client = day_watch.client_of_window(day_watch.parse_xrestop(XRESTOP), 0x200001)
        self.assertEqual(client["GCs"], 0)
        self.assertEqual(set(client), set(day_watch.X_COUNTS) | {"pixmap bytes", "total bytes"})


class SimulatedClockTest(unittest.TestCase):
    clock = day_watch.SimulatedClock("2026-03-28 12:00:00", "Europe/London")

    def test_local_time_across_the_spring_change(self):
        for hours, text in [(0, "Sat 12:00 GMT"), (12, "Sun 00:00 GMT"), (13, "Sun 02:00 BST"),
                            (24, "Sun 13:00 BST")]:
            with self.subTest(hours=hours):
                self.assertEqual(self.clock.text(hours * 3600.0), text)

    def test_landmarks_of_a_day(self):
        self.assertEqual(self.clock.landmarks(24), [("midnight", 12 * 3600.0), ("GMT to BST", 13 * 3600.0)])
        self.assertEqual(self.clock.landmarks(11), [])


def sample(simulated_h, rss_kb=30000, fds=12, threads=4, cpu_s=None, log_lines=0, windows=3, pixmap_bytes=57600):
    x = {name: 0 for name in day_watch.X_COUNTS}
    x.update({"windows": windows, "pixmap bytes": pixmap_bytes, "total bytes": pixmap_bytes})
    return {"simulated_s": simulated_h * 3600.0, "rss_kb": rss_kb, "fds": fds, "threads": threads,
            "cpu_s": 10.0 * simulated_h if cpu_s is None else cpu_s, "log_lines": log_lines, "x": x}


class HourlyCpuTest(unittest.TestCase):
    def test_each_whole_hour_from_the_process_start(self):
        samples = [sample(h / 4.0, cpu_s=c) for h, c in [(1, 2.0), (2, 4.0), (4, 10.0), (6, 13.0), (8, 19.0)]]
        self.assertEqual(day_watch.hourly_cpu(samples, 15), {0: 10.0, 1: 9.0})

    def test_an_hour_with_a_missing_end_is_left_out(self):
        self.assertEqual(day_watch.hourly_cpu([sample(0.5, cpu_s=5.0)], 15), {})


class VerdictTest(unittest.TestCase):
    def verdicts(self, **last):
        args = types.SimpleNamespace(rate=100.0, zone="Europe/London", settle=20.0, hours=3.0, every=15.0,
                                     log=os.devnull,
                                     clock=day_watch.SimulatedClock("2026-03-28 12:00:00", "Europe/London"))
        samples = [sample(h / 4.0) for h in range(1, 12)] + [sample(3.0, **last)]
        out = io.StringIO()
        with contextlib.redirect_stdout(out):
            day_watch.report(args, samples, ended=False)
        found = {}
        for line in out.getvalue().splitlines():
            words = line.split()
            if words and words[-1] in ("flat", "GROWS"):
                for figure in ("resident memory", "open file", "threads", "X resources", "X pixmap", "CPU per",
                               "log lines"):
                    if line.strip().startswith(figure):
                        found[figure] = words[-1]
        return found

    def test_each_figure_grows_alone(self):
        self.assertEqual(set(self.verdicts().values()), {"flat"})
        for figure, last in [("resident memory", {"rss_kb": 30400}), ("open file", {"fds": 13}),
                             ("threads", {"threads": 5}), ("X resources", {"windows": 4}),
                             ("X pixmap", {"pixmap_bytes": 60000}), ("CPU per", {"cpu_s": 33.0}),
                             ("log lines", {"log_lines": 1})]:
            with self.subTest(figure=figure):
                verdicts = self.verdicts(**last)
                self.assertEqual(verdicts.pop(figure), "GROWS")
                self.assertEqual(set(verdicts.values()), {"flat"})

    def test_small_moves_stay_flat(self):
        for last in [{"rss_kb": 30290}, {"rss_kb": 20000}, {"fds": 11}, {"cpu_s": 32.0}]:
            with self.subTest(last=last):
                self.assertEqual(set(self.verdicts(**last).values()), {"flat"})


if __name__ == "__main__":
    unittest.main()
